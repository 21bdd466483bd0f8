#include "app/job.h"

#include <QThread>

namespace vorn {

CJob::CJob(QObject* parent) : QObject(parent) {}

CJob::~CJob()
{
    // A job is let go once it has ended; should one go with the window while
    // it works, its work must not outlive what it reports to.
    if (m_thread) {
        RequestStop();
        m_thread->wait();
    }
}

void CJob::Start()
{
    m_thread.reset(QThread::create([this] { Work(); }));
    // The thread's end arrives on this object's thread, after Work() returned.
    connect(m_thread.get(), &QThread::finished, this, &CJob::OnWorkDone, Qt::QueuedConnection);
    m_thread->start();
}

void CJob::RequestStop()
{
    if (m_stop.exchange(true, std::memory_order_relaxed))
        return;
    OnStopRequested();
}

void CJob::OnWorkDone()
{
    m_thread->wait();
    m_thread.reset();
    Deliver();
    emit Ended();
}

}  // namespace vorn
