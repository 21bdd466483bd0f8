#pragma once

#include "extract/extraction_engine.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vorn {

// The workers of an extraction with several jobs. Jobs (batches of files) are
// handed in by the thread that runs the extraction; what the workers need of
// that thread, overwrite questions, goes back to it and is served one at a
// time, in the order asked, whenever it waits on the pool.
class WorkerPool {
public:
    // What the thread that runs the extraction does for the pool.
    class RunThread {
    public:
        virtual ~RunThread() = default;
        virtual OverwriteAnswer Answer(const std::string& relativePath, std::uint64_t newSize) = 0;
        // After every wake while it waits, and at least every interval: looks
        // for a cancel, reports progress.
        virtual void WhileWaiting() = 0;
    };

    // stop is the run's flag: once set, Hand returns at once and queued jobs
    // are dropped when the pool stops.
    WorkerPool(RunThread& runThread, std::atomic<bool>& stop, std::chrono::milliseconds interval);
    ~WorkerPool() { Stop(); }
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    // Starts up to count workers, as many as the system gives; false for none.
    bool Start(std::uint64_t count);
    // Queues a job, first waiting (and serving) while two per worker wait.
    void Hand(std::function<void()> job);
    // Waits (and serves) until every job handed in is done.
    void AwaitIdle();
    // From a worker: the run thread's answer, or Cancel once the pool stops.
    OverwriteAnswer Ask(const std::string& relativePath, std::uint64_t newSize);
    // Ends the workers after their current jobs. Jobs or questions left behind
    // mean the run was given up on the way: they set the stop flag.
    void Stop();

private:
    struct Question {
        const std::string& relativePath;
        std::uint64_t newSize;
        std::optional<OverwriteAnswer> answer;
    };

    // Waits until done holds (checked under the lock), serving meanwhile.
    template <typename Done>
    void Await(Done done);
    void AnswerQuestions(std::unique_lock<std::mutex>& lock);
    void Work();

    RunThread& m_runThread;
    std::atomic<bool>& m_stop;
    const std::chrono::milliseconds m_interval;

    std::mutex m_mutex;  // guards what follows
    std::deque<std::function<void()>> m_queue;
    std::size_t m_busy = 0;  // jobs being carried out
    bool m_closing = false;
    std::deque<Question*> m_questions;
    std::condition_variable m_workReady;
    std::condition_variable m_runThreadWake;
    std::condition_variable m_answered;
    std::vector<std::thread> m_workers;
};

}  // namespace vorn
