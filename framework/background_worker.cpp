#include "framework/background_worker.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <mutex>

namespace vorn {

struct CBackgroundWorker::Shared {
    std::mutex mutex;
    Job waiting;            // under mutex
    bool draining = false;  // under mutex: a pool thread is taking the jobs
    bool alive = true;      // the user-interface thread's alone
};

CBackgroundWorker::CBackgroundWorker() : m_shared(std::make_shared<Shared>())
{
}

CBackgroundWorker::~CBackgroundWorker()
{
    m_shared->alive = false;
    const std::lock_guard lock(m_shared->mutex);
    m_shared->waiting = nullptr;
}

void CBackgroundWorker::Post(Job job)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->waiting = std::move(job);
    if (m_shared->draining)
        return;
    m_shared->draining = true;
    QThreadPool::globalInstance()->start([shared = m_shared] { Drain(shared); });
}

void CBackgroundWorker::Drain(const std::shared_ptr<Shared>& shared)
{
    for (;;) {
        Job job;
        {
            const std::lock_guard lock(shared->mutex);
            if (!shared->waiting) {
                shared->draining = false;
                return;
            }
            job = std::move(shared->waiting);
            shared->waiting = nullptr;
        }
        Delivery delivery = job();
        if (delivery) {
            // The application outlives the pool's threads: it waits for them when it ends.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [shared, delivery = std::move(delivery)] {
                    if (shared->alive)
                        delivery();
                },
                Qt::QueuedConnection);
        }
    }
}

}  // namespace vorn
