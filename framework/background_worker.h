#pragma once

#include <functional>
#include <memory>

namespace vorn {

// Runs jobs for an object of the user-interface thread, one after another, on
// a thread of Qt's global pool. A job returns what to do with its result; that
// runs on the user-interface thread, and only while the worker still lives.
// Only the newest waiting job runs: a job posted before the previous one has
// started replaces it. Destroying the worker never waits for a running job,
// so whatever a job reads it must hold itself (shared ownership).
class CBackgroundWorker {
public:
    using Delivery = std::function<void()>;
    using Job = std::function<Delivery()>;

    CBackgroundWorker();
    ~CBackgroundWorker();
    CBackgroundWorker(const CBackgroundWorker&) = delete;
    CBackgroundWorker& operator=(const CBackgroundWorker&) = delete;

    void Post(Job job);

private:
    struct Shared;
    static void Drain(const std::shared_ptr<Shared>& shared);

    std::shared_ptr<Shared> m_shared;
};

}  // namespace vorn
