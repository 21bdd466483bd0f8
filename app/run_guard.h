#pragma once

#include <QObject>

class QAction;
class QActionGroup;

namespace vorn {

// Tells whether an extraction is running. While one runs, the commands that
// would replace the document or start another run are disabled, so nothing
// pulls the archive away from the worker thread; whatever else could do that
// asks IsRunning() or follows RunningChanged. A request to stop reaches the run.
class CRunGuard final : public QObject {
    Q_OBJECT

public:
    explicit CRunGuard(QObject* parent = nullptr);

    // Disables action for as long as a run goes on; its own enabled state
    // comes back afterwards.
    void Guard(QAction* action);
    bool IsRunning() const { return m_runs > 0; }
    // Asks the run that is going on to stop.
    void RequestStop();

    // A run, for the length of a scope.
    class Scope {
    public:
        explicit Scope(CRunGuard& guard);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        CRunGuard& m_guard;
    };

signals:
    void RunningChanged(bool running);
    void StopRequested();

private:
    void SetRuns(int runs);

    QActionGroup* m_guarded;
    int m_runs = 0;
};

}  // namespace vorn
