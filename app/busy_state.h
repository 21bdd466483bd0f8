#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QActionGroup;

namespace vorn {

class CJob;

// The window's one busy state: busy while any job it started is going on.
// Every command that would pull the archive away from a job or start another
// one waits (its action is disabled) until the window is idle again, so no
// command needs to ask whether a run is going on.
class CBusyState final : public QObject {
    Q_OBJECT

public:
    explicit CBusyState(QObject* parent = nullptr);

    // action is disabled while busy; its own enabled state comes back afterwards.
    void WaitsWhileBusy(QAction* action);
    // Starts job and is busy until it has ended (its result delivered and
    // handled); the job is deleted afterwards.
    void Run(CJob* job);
    bool IsBusy() const { return !m_jobs.empty(); }
    // Asks every running job to stop.
    void StopAll();

signals:
    void BusyChanged(bool busy);

private:
    void Forget(CJob* job);

    QActionGroup* m_waiting;
    std::vector<QPointer<CJob>> m_jobs;
};

}  // namespace vorn
