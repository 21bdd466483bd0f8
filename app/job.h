#pragma once

#include <QObject>

#include <atomic>
#include <memory>

class QThread;

namespace vorn {

// Work that takes a while, done on a thread of its own so that the window
// stays responsive. A job holds everything it reads (the archive by shared
// ownership), so nothing the window does meanwhile can pull it away. Once the
// work has returned, the job delivers its result on the user-interface thread
// (a subclass emits its own finished(result) from Deliver()), then emits Ended.
class CJob : public QObject {
    Q_OBJECT

public:
    explicit CJob(QObject* parent = nullptr);
    ~CJob() override;
    CJob(const CJob&) = delete;
    CJob& operator=(const CJob&) = delete;

    // Starts Work() on the job's thread; once only.
    void Start();
    // Asks the work to stop as soon as it can; it still ends with its result.
    void RequestStop();
    bool StopRequested() const { return m_stop.load(std::memory_order_relaxed); }

signals:
    // On the user-interface thread, after the result was delivered.
    void Ended();

protected:
    // On the job's thread.
    virtual void Work() = 0;
    // On the user-interface thread, once Work() has returned.
    virtual void Deliver() = 0;
    // On the user-interface thread, when a stop is asked for: a job waiting
    // for the user (a question) answers it here.
    virtual void OnStopRequested() {}

private:
    void OnWorkDone();

    std::unique_ptr<QThread> m_thread;
    std::atomic<bool> m_stop{false};
};

}  // namespace vorn
