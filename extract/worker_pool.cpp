#include "extract/worker_pool.h"

#include <system_error>

namespace vorn {

WorkerPool::WorkerPool(RunThread& runThread, std::atomic<bool>& stop, std::chrono::milliseconds interval)
    : m_runThread(runThread), m_stop(stop), m_interval(interval)
{
}

bool WorkerPool::Start(std::uint64_t count)
{
    try {
        while (m_workers.size() < count)
            m_workers.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
        // As many as the system gives.
    }
    return !m_workers.empty();
}

void WorkerPool::Hand(std::function<void()> job)
{
    Await([this] { return m_queue.size() < 2 * m_workers.size() || m_stop; });
    const std::lock_guard lock(m_mutex);
    if (m_stop)
        return;
    m_queue.push_back(std::move(job));
    m_workReady.notify_one();
}

void WorkerPool::AwaitIdle()
{
    Await([this] { return m_queue.empty() && m_busy == 0; });
}

OverwriteAnswer WorkerPool::Ask(const std::string& relativePath, std::uint64_t newSize)
{
    Question question{relativePath, newSize, std::nullopt};
    std::unique_lock lock(m_mutex);
    if (m_closing)
        return OverwriteAnswer::Cancel;
    m_questions.push_back(&question);
    m_runThreadWake.notify_one();
    m_answered.wait(lock, [&] { return question.answer.has_value(); });
    return *question.answer;
}

void WorkerPool::Stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
        if (!m_queue.empty() || !m_questions.empty())
            m_stop = true;
        for (Question* question : m_questions)
            question->answer = OverwriteAnswer::Cancel;
        m_questions.clear();
    }
    m_answered.notify_all();
    m_workReady.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
    m_workers.clear();
}

template <typename Done>
void WorkerPool::Await(Done done)
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        AnswerQuestions(lock);
        if (done())
            return;
        m_runThreadWake.wait_for(lock, m_interval);
        lock.unlock();
        m_runThread.WhileWaiting();
        lock.lock();
    }
}

// One at a time, in the order they came.
void WorkerPool::AnswerQuestions(std::unique_lock<std::mutex>& lock)
{
    while (!m_questions.empty()) {
        Question* question = m_questions.front();
        m_questions.pop_front();
        lock.unlock();
        const OverwriteAnswer answer = m_runThread.Answer(question->relativePath, question->newSize);
        lock.lock();
        question->answer = answer;
        m_answered.notify_all();
    }
}

void WorkerPool::Work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_workReady.wait(lock, [this] { return !m_queue.empty() || m_closing; });
        if (m_queue.empty())
            return;
        std::function<void()> job = std::move(m_queue.front());
        m_queue.pop_front();
        ++m_busy;
        m_runThreadWake.notify_one();  // there is room for another job
        lock.unlock();
        job();
        job = nullptr;  // lets go of what the job holds outside the lock
        lock.lock();
        --m_busy;
        m_runThreadWake.notify_one();
    }
}

}  // namespace vorn
