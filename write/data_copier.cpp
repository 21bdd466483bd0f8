#include "write/data_copier.h"

#include "disk/entry_copy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

// Counts what the kernel copied, and carries the stop into long copies.
class DataCopier::Monitor final : public CopyMonitor {
public:
    explicit Monitor(DataCopier& copier) : m_copier(copier) {}
    void BytesCopied(std::uint64_t count) override { m_copier.m_bytesDone += count; }
    bool ShouldStop() const override
    {
        if (!m_copier.m_stop && m_copier.m_stopRequested())
            m_copier.Stop();
        return m_copier.m_stop;
    }

private:
    DataCopier& m_copier;
};

DataCopier::DataCopier(int sourceFd, int outFd, const std::vector<PickedFile>& picked, unsigned jobs,
                       std::function<bool()> stopRequested)
    : m_sourceFd(sourceFd), m_outFd(outFd), m_picked(picked), m_stopRequested(std::move(stopRequested))
{
    if (jobs <= 1)
        return;
    m_queueLimit = 4 * std::size_t{jobs};
    for (unsigned i = 0; i < jobs; ++i)
        m_workers.emplace_back([this] { Work(); });
}

DataCopier::~DataCopier()
{
    Stop();
    static_cast<void>(Finish());
}

bool DataCopier::Add(CopyTask task)
{
    if (m_workers.empty()) {
        if (!m_stop)
            Copy(task);
        return !m_stop;
    }
    std::unique_lock lock(m_mutex);
    m_roomOrIdle.wait(lock, [&] { return m_stop || m_queue.size() < m_queueLimit; });
    if (m_stop)
        return false;
    m_queue.push_back(std::move(task));
    m_taskReady.notify_one();
    return true;
}

std::optional<WriteProblem> DataCopier::Finish()
{
    {
        std::unique_lock lock(m_mutex);
        m_closing = true;
        m_taskReady.notify_all();
    }
    for (std::thread& worker : m_workers)
        worker.join();
    m_workers.clear();
    std::lock_guard lock(m_mutex);
    return m_problem;
}

void DataCopier::Stop()
{
    m_stop = true;
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_roomOrIdle.notify_all();
}

void DataCopier::Fail(WriteProblem problem)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_problem)
            m_problem = std::move(problem);
    }
    Stop();
}

void DataCopier::Work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_taskReady.wait(lock, [&] { return m_closing || !m_queue.empty(); });
        if (m_queue.empty())
            return;
        const CopyTask task = std::move(m_queue.front());
        m_queue.pop_front();
        m_roomOrIdle.notify_all();
        lock.unlock();
        Copy(task);
        lock.lock();
    }
}

void DataCopier::Copy(const CopyTask& task)
{
    if (Monitor(*this).ShouldStop())
        return;
    std::optional<WriteProblem> problem;
    if (task.source == FileSource::Archive) {
        Monitor monitor(*this);
        const CopyResult result =
            CopyRange(m_sourceFd, {task.sourceOffset, task.size}, m_outFd, task.outOffset, &monitor);
        if (result.status == CopyStatus::ShortRead)
            problem = WriteProblem{WriteProblemKind::SourceShortRead, task.itemPath, result.error, {}, task.size};
        else if (result.status == CopyStatus::WriteFailed)
            problem = WriteProblem{WriteProblemKind::OutputFailed, {}, result.error};
    } else if (task.source == FileSource::Picked) {
        const PickedFile& picked = m_picked[task.sourceOffset];
        problem = CopyFromDisk(task, picked.path, picked.modifiedNs);
    } else {
        problem = CopyFromDisk(task, task.diskPath, std::nullopt);
    }
    if (problem)
        Fail(std::move(*problem));
    else if (!m_stop)
        m_filesDone += task.files;
}

// A file on disk, which must still be what it was when it was taken: its size
// (and, for a file the user named, its time) before the copy and after it.
std::optional<WriteProblem> DataCopier::CopyFromDisk(const CopyTask& task, const std::string& path,
                                                     std::optional<std::int64_t> modifiedNs)
{
    const int flags = O_RDONLY | O_CLOEXEC | (modifiedNs ? 0 : O_NOFOLLOW);
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0)
        return WriteProblem{WriteProblemKind::NotReadable, path, errno};
    const auto changed = [&](const struct stat& status) {
        const std::int64_t modified = std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec;
        return !S_ISREG(status.st_mode) || static_cast<std::uint64_t>(status.st_size) != task.size ||
               (modifiedNs && modified != *modifiedNs);
    };
    std::optional<WriteProblem> problem;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || changed(status)) {
        problem = WriteProblem{WriteProblemKind::SourceChanged, path, 0, {}, static_cast<std::uint64_t>(status.st_size),
                               task.size};
    } else {
        Monitor monitor(*this);
        const CopyResult result = CopyRange(fd, {0, task.size}, m_outFd, task.outOffset, &monitor);
        char extra = 0;
        if (result.status == CopyStatus::WriteFailed)
            problem = WriteProblem{WriteProblemKind::OutputFailed, {}, result.error};
        else if (result.status == CopyStatus::ShortRead && result.error != 0)
            problem = WriteProblem{WriteProblemKind::NotReadable, path, result.error};
        else if (result.status == CopyStatus::Copied || result.status == CopyStatus::ShortRead) {
            // Shorter or longer now than when it was taken: either way not the file that was meant.
            const bool grew = ::pread(fd, &extra, 1, static_cast<off_t>(task.size)) > 0;
            const bool statusRead = ::fstat(fd, &status) == 0;
            if (result.status == CopyStatus::ShortRead || grew || !statusRead || changed(status))
                problem = WriteProblem{WriteProblemKind::SourceChanged, path, 0, {},
                                       static_cast<std::uint64_t>(status.st_size), task.size};
        }
    }
    ::close(fd);
    return problem;
}

}  // namespace vorn
