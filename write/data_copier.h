#pragma once

#include "write/edit_tree.h"
#include "write/write_problem.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace vorn {

// An open folder on disk, closed with its last user: the files found in it
// are opened relative to it, which spares the walk down their whole path.
class OpenFolder {
public:
    explicit OpenFolder(const std::string& path);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    int Descriptor() const { return m_fd; }

private:
    int m_fd;
};

// A file on disk whose bytes a task copies.
struct DiskPiece {
    std::string path;  // for messages; opened relative to folder where there is one
    std::shared_ptr<const OpenFolder> folder = {};
    std::string name = {};
    std::uint64_t size = 0;
    // For a file the user named: its time then, which it must still have;
    // such a file is followed where it is a link, a file found in a folder never.
    std::optional<std::int64_t> modifiedNs = {};
};

// One stretch of a new archive's data and where its bytes come from: a run of
// adjacent bytes of the source archive (the data of one or more files), or
// files on disk laid one after another.
struct CopyTask {
    std::uint64_t outOffset = 0;
    std::uint64_t size = 0;
    std::uint64_t files = 1;
    std::uint64_t sourceOffset = 0;   // from the archive: where in it
    std::string itemPath = {};        // from the archive: its first file's path there, for messages
    std::vector<DiskPiece> pieces = {};  // from disk, when not empty
};

// Copies the tasks handed to it into the new archive, on jobs threads (on the
// caller's own with one job). Every byte goes to its final offset, so the
// order the tasks end in does not matter. The first problem stops the copy.
class DataCopier {
public:
    // Files up to this size are copied in batches.
    static constexpr std::uint64_t kSmallFile = 256 << 10;

    // stopRequested is asked from every copying thread, between files and
    // between the chunks of a large one.
    DataCopier(int sourceFd, int outFd, unsigned jobs, std::function<bool()> stopRequested);
    ~DataCopier();
    DataCopier(const DataCopier&) = delete;
    DataCopier& operator=(const DataCopier&) = delete;

    // Queues a task (or copies it now, with one job), first waiting while the
    // queue is full. False once the copy has stopped.
    bool Add(CopyTask task);
    // Waits for every task handed in; the problem that stopped the copy, if any.
    std::optional<WriteProblem> Finish();
    // Stops the copy soon, from any thread: the files being copied are cut short.
    void Stop();
    bool Stopped() const { return m_stop; }

    std::uint64_t FilesDone() const { return m_filesDone; }
    std::uint64_t BytesDone() const { return m_bytesDone; }

private:
    class Monitor;
    void Copy(const CopyTask& task);
    std::optional<WriteProblem> CopyLargeFile(const DiskPiece& piece, std::uint64_t outOffset);
    std::optional<WriteProblem> CopySmallFiles(const CopyTask& task);
    void Fail(WriteProblem problem);
    void Work();

    const int m_sourceFd;
    const int m_outFd;
    const std::function<bool()> m_stopRequested;
    std::atomic<bool> m_stop = false;
    std::atomic<std::uint64_t> m_filesDone = 0;
    std::atomic<std::uint64_t> m_bytesDone = 0;

    std::mutex m_mutex;  // guards what follows
    std::optional<WriteProblem> m_problem;
    std::deque<CopyTask> m_queue;
    bool m_closing = false;
    std::condition_variable m_taskReady;
    std::condition_variable m_roomOrIdle;
    std::vector<std::thread> m_workers;
    std::size_t m_queueLimit = 0;
};

}  // namespace vorn
