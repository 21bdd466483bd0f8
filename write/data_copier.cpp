#include "write/data_copier.h"

#include "disk/entry_copy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

OpenFolder::OpenFolder(const std::string& path)
    : m_fd(::open(path.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))
{
}

OpenFolder::~OpenFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

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

DataCopier::DataCopier(int sourceFd, int outFd, unsigned jobs, std::function<bool()> stopRequested)
    : m_sourceFd(sourceFd), m_outFd(outFd), m_stopRequested(std::move(stopRequested))
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
    if (task.pieces.empty()) {
        Monitor monitor(*this);
        const CopyResult result =
            CopyRange(m_sourceFd, {task.sourceOffset, task.size}, m_outFd, task.outOffset, &monitor);
        if (result.status == CopyStatus::ShortRead)
            problem = WriteProblem{WriteProblemKind::SourceShortRead, task.itemPath, result.error, {}, task.size};
        else if (result.status == CopyStatus::WriteFailed)
            problem = WriteProblem{WriteProblemKind::OutputFailed, {}, result.error};
    } else if (task.pieces.size() == 1 && task.size > kSmallFile) {
        problem = CopyLargeFile(task.pieces.front(), task.outOffset);
    } else {
        problem = CopySmallFiles(task);
    }
    if (problem)
        Fail(std::move(*problem));
    else if (!m_stop)
        m_filesDone += task.files;
}

namespace {

// Opens a file on disk that is to be copied: never blocking, whatever stands
// there now, and never through a link unless the user named the file.
int OpenPiece(const DiskPiece& piece)
{
    const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | (piece.modifiedNs ? 0 : O_NOFOLLOW);
    if (piece.folder)
        return ::openat(piece.folder->Descriptor(), piece.name.c_str(), flags);
    return ::open(piece.path.c_str(), flags);
}

// Whether the open file is still the one that was taken: a regular file of its
// size and, where the user named it, of its time.
bool Unchanged(int fd, const DiskPiece& piece, std::uint64_t& sizeNow)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return false;
    sizeNow = static_cast<std::uint64_t>(status.st_size);
    return S_ISREG(status.st_mode) && sizeNow == piece.size &&
           (!piece.modifiedNs || ModifiedNsOf(status) == *piece.modifiedNs);
}

WriteProblem Changed(const DiskPiece& piece, std::uint64_t sizeNow)
{
    return {WriteProblemKind::SourceChanged, piece.path, 0, {}, sizeNow, piece.size};
}

}  // namespace

// A large file goes by itself, in the kernel where it can; its size is
// checked before and after, and a byte past its end means it grew.
std::optional<WriteProblem> DataCopier::CopyLargeFile(const DiskPiece& piece, std::uint64_t outOffset)
{
    const int fd = OpenPiece(piece);
    if (fd < 0)
        return WriteProblem{WriteProblemKind::NotReadable, piece.path, errno};
    std::optional<WriteProblem> problem;
    std::uint64_t sizeNow = 0;
    if (!Unchanged(fd, piece, sizeNow)) {
        problem = Changed(piece, sizeNow);
    } else {
        Monitor monitor(*this);
        const CopyResult result = CopyRange(fd, {0, piece.size}, m_outFd, outOffset, &monitor);
        char extra = 0;
        if (result.status == CopyStatus::WriteFailed)
            problem = WriteProblem{WriteProblemKind::OutputFailed, {}, result.error};
        else if (result.status == CopyStatus::ShortRead && result.error != 0)
            problem = WriteProblem{WriteProblemKind::NotReadable, piece.path, result.error};
        else if (result.status != CopyStatus::Stopped &&
                 (result.status == CopyStatus::ShortRead ||
                  ::pread(fd, &extra, 1, static_cast<off_t>(piece.size)) > 0 || !Unchanged(fd, piece, sizeNow)))
            problem = Changed(piece, sizeNow);
    }
    ::close(fd);
    return problem;
}

// Small files are read one after another into one buffer, each asked for a
// byte more than it should hold (so one that grew shows), and written with a
// single call: a hundred thousand files cost a hundred thousand reads, not
// twice as many calls.
std::optional<WriteProblem> DataCopier::CopySmallFiles(const CopyTask& task)
{
    thread_local std::vector<unsigned char> buffer;
    buffer.resize(static_cast<std::size_t>(task.size) + 1);
    std::size_t at = 0;
    for (const DiskPiece& piece : task.pieces) {
        const int fd = OpenPiece(piece);
        if (fd < 0)
            return WriteProblem{WriteProblemKind::NotReadable, piece.path, errno};
        std::uint64_t sizeNow = piece.size;
        const bool checked = !piece.modifiedNs || Unchanged(fd, piece, sizeNow);
        std::size_t got = 0;
        const std::size_t want = static_cast<std::size_t>(piece.size) + 1;
        int error = 0;
        // A regular file reads short only at its end: one read usually does.
        while (checked && got < want) {
            const ssize_t read = ::read(fd, buffer.data() + at + got, want - got);
            if (read < 0 && errno == EINTR)
                continue;
            if (read <= 0) {
                error = read < 0 ? errno : 0;
                break;
            }
            got += static_cast<std::size_t>(read);
            if (got < want)
                break;
        }
        ::close(fd);
        if (error != 0)
            return WriteProblem{WriteProblemKind::NotReadable, piece.path, error};
        if (!checked || got != piece.size)
            return Changed(piece, checked ? got : sizeNow);
        at += got;
    }
    for (std::size_t done = 0; done < at;) {
        const ssize_t put = ::pwrite(m_outFd, buffer.data() + done, at - done, static_cast<off_t>(task.outOffset + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return WriteProblem{WriteProblemKind::OutputFailed, {}, put < 0 ? errno : ENOSPC};
        done += static_cast<std::size_t>(put);
    }
    m_bytesDone += at;
    return std::nullopt;
}

}  // namespace vorn
