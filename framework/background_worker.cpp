#include "framework/background_worker.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <mutex>
#include <utility>

namespace vorn {

struct CBackgroundWorker::Shared {
    explicit Shared(Results policy) : results(policy) {}

    const Results results;
    mutable std::mutex mutex;
    Job waiting;               // under mutex
    std::uint64_t newest = 0;  // under mutex: counts Post and Cancel, numbering the jobs
    // Under mutex, NewestOnly: the newest job's result until the user-interface
    // thread takes it; let go as soon as it is overtaken, so that a large
    // result never waits beside the one that replaces it.
    Delivery ready;
    bool draining = false;  // under mutex: a pool thread is taking the jobs
    bool alive = true;      // the user-interface thread's alone
};

bool CBackgroundWorker::Ticket::Overtaken() const
{
    const std::lock_guard lock(m_shared.mutex);
    return m_number != m_shared.newest;
}

CBackgroundWorker::CBackgroundWorker(Results results) : m_shared(std::make_shared<Shared>(results))
{
}

CBackgroundWorker::~CBackgroundWorker()
{
    m_shared->alive = false;
    Cancel();
}

void CBackgroundWorker::Post(Job job)
{
    Replace(std::move(job));
}

void CBackgroundWorker::Cancel()
{
    Replace(nullptr);
}

void CBackgroundWorker::Replace(Job next)
{
    // Declared before the lock, so what they let go is destroyed after it is released.
    Job replaced;
    Delivery overtaken;
    const std::lock_guard lock(m_shared->mutex);
    ++m_shared->newest;
    replaced = std::exchange(m_shared->waiting, std::move(next));
    overtaken = std::exchange(m_shared->ready, nullptr);
    if (!m_shared->waiting || m_shared->draining)
        return;
    m_shared->draining = true;
    QThreadPool::globalInstance()->start([shared = m_shared] { Drain(shared); });
}

void CBackgroundWorker::Drain(const std::shared_ptr<Shared>& shared)
{
    for (;;) {
        Job job;
        std::uint64_t number = 0;
        {
            const std::lock_guard lock(shared->mutex);
            if (!shared->waiting) {
                shared->draining = false;
                return;
            }
            job = std::exchange(shared->waiting, nullptr);
            number = shared->newest;  // the waiting job is always the newest
        }
        Delivery delivery = job(Ticket(*shared, number));
        if (delivery)
            Deliver(shared, number, std::move(delivery));
    }
}

void CBackgroundWorker::Deliver(const std::shared_ptr<Shared>& shared, std::uint64_t number, Delivery delivery)
{
    // The application outlives the pool's threads: it waits for them when it ends.
    QObject* const application = QCoreApplication::instance();
    if (shared->results == Results::Every) {
        QMetaObject::invokeMethod(
            application,
            [shared, delivery = std::move(delivery)] {
                if (shared->alive)
                    delivery();
            },
            Qt::QueuedConnection);
        return;
    }
    {
        const std::lock_guard lock(shared->mutex);
        if (number != shared->newest)
            return;  // overtaken while it ran: let go here, on the pool's thread
        shared->ready = std::move(delivery);
    }
    QMetaObject::invokeMethod(
        application,
        [shared, number] {
            Delivery newest;
            {
                const std::lock_guard lock(shared->mutex);
                if (!shared->alive || number != shared->newest)
                    return;
                newest = std::exchange(shared->ready, nullptr);
            }
            if (newest)
                newest();
        },
        Qt::QueuedConnection);
}

}  // namespace vorn
