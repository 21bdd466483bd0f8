#include "cli/entry_pipe.h"

namespace vorn::cli {

EntryPipe::EntryPipe(Consume consume) : m_consume(std::move(consume))
{
    m_filling.reserve(kBatchEntries);
    m_thread = std::thread([this] { ConsumeBatches(); });
}

EntryPipe::~EntryPipe()
{
    try {
        Close();
    } catch (...) {
    }
}

void EntryPipe::Push(const FileEntry& entry)
{
    m_filling.push_back(entry);
    if (m_filling.size() == kBatchEntries)
        HandOver();
}

void EntryPipe::HandOver()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_waiting.size() < kWaitingBatches; });
    m_waiting.push_back(std::move(m_filling));
    if (m_spare.empty()) {
        m_filling = {};
        m_filling.reserve(kBatchEntries);
    } else {
        m_filling = std::move(m_spare.back());
        m_spare.pop_back();
    }
    m_changed.notify_all();
}

void EntryPipe::Close()
{
    if (!m_thread.joinable())
        return;
    if (!m_filling.empty())
        HandOver();
    {
        std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
    m_thread.join();
    if (m_failure)
        std::rethrow_exception(m_failure);
}

void EntryPipe::ConsumeBatches()
{
    std::vector<FileEntry> batch;
    for (;;) {
        batch.clear();
        {
            std::unique_lock lock(m_mutex);
            if (batch.capacity() > 0)
                m_spare.push_back(std::move(batch));
            m_changed.wait(lock, [this] { return !m_waiting.empty() || m_closed; });
            if (m_waiting.empty())
                return;
            batch = std::move(m_waiting.front());
            m_waiting.pop_front();
        }
        m_changed.notify_all();
        if (m_failure)
            continue;  // drained unread, so that the reader is never held back for ever
        try {
            for (const FileEntry& entry : batch)
                m_consume(entry);
        } catch (...) {
            m_failure = std::current_exception();
        }
    }
}

}  // namespace vorn::cli
