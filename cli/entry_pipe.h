#pragma once

#include "archive/file_entry.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vorn::cli {

// Hands file entries, in order and in batches, from the thread reading a
// catalogue to a thread of its own that consumes them, so that reading and
// what is done with each entry (formatting a line of a listing) use two cores.
// At most a few batches wait at any time; a full pipe holds the reader back.
// The consumer may read the entries' folders: they are made before the entries
// that name them, and the tree keeps them where they are while it grows.
class EntryPipe {
public:
    using Consume = std::function<void(const FileEntry&)>;

    explicit EntryPipe(Consume consume);
    // Closes the pipe (see Close), but drops what the consumer threw.
    ~EntryPipe();
    EntryPipe(const EntryPipe&) = delete;
    EntryPipe& operator=(const EntryPipe&) = delete;

    void Push(const FileEntry& entry);
    // Hands over what is left and waits until every entry is consumed; rethrows
    // what the consumer threw, after which the rest was dropped.
    void Close();

private:
    static constexpr std::size_t kBatchEntries = 4096;
    static constexpr std::size_t kWaitingBatches = 4;

    void HandOver();
    void ConsumeBatches();

    Consume m_consume;
    std::vector<FileEntry> m_filling;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::vector<FileEntry>> m_waiting;
    std::vector<std::vector<FileEntry>> m_spare;  // consumed batches, their memory kept for reuse
    bool m_closed = false;
    std::exception_ptr m_failure;
    std::thread m_thread;
};

}  // namespace vorn::cli
