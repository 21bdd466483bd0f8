#include "disk/entry_copy.h"

#include "disk/pending_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vorn {
namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kBufferSize = 256 << 10;
// An extracted file up to this size is copied by a read and a write, which
// cost less than the kernel's copy (a pipe of pages set up for each call):
// most files of a game are this small.
constexpr std::uint64_t kSmallCopy = 64 << 10;

enum class Step { Done, ShortRead, WriteFailed, Stopped };

struct StepResult {
    Step step;
    int error = 0;
};

// Falls back to read/write where the kernel cannot copy between these files.
bool KernelCopyUnsupported(int error)
{
    return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == EBADF;
}

// 0, or the errno of the write that failed.
int WriteAll(int fd, std::span<const unsigned char> bytes, off_t at)
{
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t put = ::pwrite(fd, bytes.data() + written, bytes.size() - written,
                                     at + static_cast<off_t>(written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put < 0 ? errno : ENOSPC;
        written += static_cast<std::size_t>(put);
    }
    return 0;
}

StepResult CopyWithBuffer(int inFd, off_t offset, std::uint64_t remaining, int outFd, off_t outOffset,
                          CopyMonitor* monitor)
{
    std::vector<unsigned char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kBufferSize)));
    while (remaining > 0) {
        if (monitor && monitor->ShouldStop())
            return {Step::Stopped};
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, buffer.size()));
        const ssize_t got = ::pread(inFd, buffer.data(), want, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {Step::ShortRead, got < 0 ? errno : 0};
        if (const int error = WriteAll(outFd, {buffer.data(), static_cast<std::size_t>(got)}, outOffset))
            return {Step::WriteFailed, error};
        outOffset += got;
        offset += got;
        remaining -= static_cast<std::uint64_t>(got);
        if (monitor)
            monitor->BytesCopied(static_cast<std::uint64_t>(got));
    }
    return {Step::Done};
}

StepResult CopyData(int inFd, DataRange range, int outFd, std::uint64_t outAt, CopyMonitor* monitor)
{
    auto offset = static_cast<off_t>(range.offset);
    auto outOffset = static_cast<off_t>(outAt);
    std::uint64_t remaining = range.size;
    while (remaining > 0) {
        if (monitor && monitor->ShouldStop())
            return {Step::Stopped};
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kChunk));
        const ssize_t copied = ::copy_file_range(inFd, &offset, outFd, &outOffset, want, 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && KernelCopyUnsupported(errno))
            return CopyWithBuffer(inFd, offset, remaining, outFd, outOffset, monitor);
        if (copied < 0)
            return {Step::WriteFailed, errno};
        if (copied == 0)
            return {Step::ShortRead};
        remaining -= static_cast<std::uint64_t>(copied);
        if (monitor)
            monitor->BytesCopied(static_cast<std::uint64_t>(copied));
    }
    return {Step::Done};
}

CopyResult FromStep(const StepResult& step)
{
    switch (step.step) {
    case Step::Done:
        return {CopyStatus::Copied};
    case Step::ShortRead:
        return {CopyStatus::ShortRead, step.error};
    case Step::WriteFailed:
        return {CopyStatus::WriteFailed, step.error};
    case Step::Stopped:
        break;
    }
    return {CopyStatus::Stopped};
}

// What stands under a name in the target folder, looked at without following links.
enum class Occupant { None, Archive, Other };

Occupant OccupantOf(const CopySource& source, int dirFd, const std::string& name)
{
    struct stat status {};
    if (::fstatat(dirFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return Occupant::None;
    return status.st_dev == source.device && status.st_ino == source.inode ? Occupant::Archive : Occupant::Other;
}

CopyResult Standing(Occupant occupant)
{
    return {occupant == Occupant::Archive ? CopyStatus::IsArchive : CopyStatus::Exists, EEXIST};
}

CopyResult FromPublish(const PendingFile::Result& published, CopyStatus namingFailed)
{
    switch (published.outcome) {
    case PendingFile::Outcome::Published:
        return {CopyStatus::Copied};
    case PendingFile::Outcome::NameTaken:
        return {CopyStatus::Exists, published.error};
    case PendingFile::Outcome::CloseFailed:
        return {CopyStatus::WriteFailed, published.error};
    case PendingFile::Outcome::NamingFailed:
        break;
    }
    return {namingFailed, published.error};
}

// The name shows the file only once fill has written every byte into it.
template <typename Fill>
CopyResult WriteNamed(const CopySource& source, int dirFd, const std::string& name, ExistingFile existing, Fill fill)
{
    // A name that is to be kept is looked at first, so that keeping it costs no copy.
    if (existing == ExistingFile::Keep)
        if (const Occupant occupant = OccupantOf(source, dirFd, name); occupant != Occupant::None)
            return Standing(occupant);
    PendingFile file(dirFd, name);
    if (file.Descriptor() < 0)
        return {CopyStatus::CreateFailed, file.CreateError()};
    const CopyResult copied = fill(file.Descriptor());
    if (copied.status != CopyStatus::Copied)
        return copied;
    const PendingFile::Result published = file.PublishNew();
    if (published.outcome != PendingFile::Outcome::NameTaken)
        return FromPublish(published, CopyStatus::CreateFailed);
    const Occupant occupant = OccupantOf(source, dirFd, name);
    if (existing == ExistingFile::Keep || occupant == Occupant::Archive)
        return Standing(occupant);
    return FromPublish(file.PublishReplacing(), CopyStatus::ReplaceFailed);
}

}  // namespace

CopyResult CopyRange(int inFd, DataRange range, int outFd, std::uint64_t outOffset, CopyMonitor* monitor)
{
    return FromStep(CopyData(inFd, range, outFd, outOffset, monitor));
}

CopySource CopySourceOf(int archiveFd)
{
    struct stat status {};
    if (::fstat(archiveFd, &status) != 0)
        return {archiveFd};
    return {archiveFd, status.st_dev, status.st_ino};
}

CopyResult CopyArchiveRange(const CopySource& source, DataRange range, int dirFd, const std::string& name,
                            ExistingFile existing, CopyMonitor* monitor)
{
    return WriteNamed(source, dirFd, name, existing, [&](int fd) {
        return range.size <= kSmallCopy
                   ? FromStep(CopyWithBuffer(source.fd, static_cast<off_t>(range.offset), range.size, fd, 0, monitor))
                   : CopyRange(source.fd, range, fd, 0, monitor);
    });
}

CopyResult WriteArchiveBytes(const CopySource& source, std::span<const unsigned char> bytes, int dirFd,
                             const std::string& name, ExistingFile existing, CopyMonitor* monitor)
{
    return WriteNamed(source, dirFd, name, existing, [&](int fd) {
        if (monitor && monitor->ShouldStop())
            return CopyResult{CopyStatus::Stopped};
        if (const int error = WriteAll(fd, bytes, 0))
            return CopyResult{CopyStatus::WriteFailed, error};
        if (monitor && !bytes.empty())
            monitor->BytesCopied(bytes.size());
        return CopyResult{CopyStatus::Copied};
    });
}

std::optional<Failure> CopyFailure(const CopyResult& result, std::string path)
{
    const auto failure = [&](FailureKind kind) { return Failure{kind, std::move(path), result.error, {}}; };
    switch (result.status) {
    case CopyStatus::Copied:
    case CopyStatus::Stopped:
        break;
    case CopyStatus::Exists:
        return failure(FailureKind::KeptExisting);
    case CopyStatus::IsArchive:
        return failure(FailureKind::WouldReplaceArchive);
    case CopyStatus::CreateFailed:
        return failure(FailureKind::FileNotCreated);
    case CopyStatus::ShortRead:
        return failure(FailureKind::ShortRead);
    case CopyStatus::WriteFailed:
        return failure(FailureKind::WriteFailed);
    case CopyStatus::ReplaceFailed:
        return failure(FailureKind::NotReplaced);
    }
    return std::nullopt;
}

}  // namespace vorn
