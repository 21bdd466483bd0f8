#include "archive/entry_copy.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <unistd.h>
#include <vector>

namespace vorn {
namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kBufferSize = 256 << 10;

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

StepResult CopyWithBuffer(int archiveFd, off_t offset, std::uint64_t remaining, int outFd, CopyMonitor* monitor)
{
    std::vector<unsigned char> buffer(static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kBufferSize)));
    while (remaining > 0) {
        if (monitor && monitor->ShouldStop())
            return {Step::Stopped};
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, buffer.size()));
        const ssize_t got = ::pread(archiveFd, buffer.data(), want, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {Step::ShortRead, got < 0 ? errno : 0};
        for (ssize_t written = 0; written < got;) {
            const ssize_t put = ::write(outFd, buffer.data() + written, static_cast<std::size_t>(got - written));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                return {Step::WriteFailed, put < 0 ? errno : ENOSPC};
            written += put;
        }
        offset += got;
        remaining -= static_cast<std::uint64_t>(got);
        if (monitor)
            monitor->BytesCopied(static_cast<std::uint64_t>(got));
    }
    return {Step::Done};
}

StepResult CopyData(int archiveFd, DataRange range, int outFd, CopyMonitor* monitor)
{
    auto offset = static_cast<off_t>(range.offset);
    std::uint64_t remaining = range.size;
    while (remaining > 0) {
        if (monitor && monitor->ShouldStop())
            return {Step::Stopped};
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, kChunk));
        const ssize_t copied = ::copy_file_range(archiveFd, &offset, outFd, nullptr, want, 0);
        if (copied < 0 && errno == EINTR)
            continue;
        if (copied < 0 && KernelCopyUnsupported(errno))
            return CopyWithBuffer(archiveFd, offset, remaining, outFd, monitor);
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

// Copies into a file just created as dirFd/name, which is removed unless the
// copy and the close both succeed.
CopyResult FillNewFile(int archiveFd, DataRange range, int outFd, int dirFd, const std::string& name,
                       CopyMonitor* monitor)
{
    CopyResult result = FromStep(CopyData(archiveFd, range, outFd, monitor));
    if (::close(outFd) != 0 && result.status == CopyStatus::Copied)
        result = {CopyStatus::WriteFailed, errno};
    if (result.status != CopyStatus::Copied)
        ::unlinkat(dirFd, name.c_str(), 0);
    return result;
}

int CreateExclusive(int dirFd, const std::string& name)
{
    int fd;
    do
        fd = ::openat(dirFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

std::string TemporaryNameFor(const std::string& name)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix(8, '0');
    for (char& c : suffix)
        c = kDigits[random() % 36];
    // Keep within the 255-byte limit of a file name.
    return "." + name.substr(0, 200) + ".vorn-" + suffix;
}

CopyResult ReplaceExisting(int archiveFd, DataRange range, int dirFd, const std::string& name, CopyMonitor* monitor)
{
    std::string temporary;
    int outFd = -1;
    for (int attempt = 0; attempt < 16 && outFd < 0; ++attempt) {
        temporary = TemporaryNameFor(name);
        outFd = CreateExclusive(dirFd, temporary);
        if (outFd < 0 && errno != EEXIST)
            break;
    }
    if (outFd < 0)
        return {CopyStatus::CreateFailed, errno};
    const CopyResult result = FillNewFile(archiveFd, range, outFd, dirFd, temporary, monitor);
    if (result.status != CopyStatus::Copied)
        return result;
    if (::renameat(dirFd, temporary.c_str(), dirFd, name.c_str()) != 0) {
        const int error = errno;
        ::unlinkat(dirFd, temporary.c_str(), 0);
        return {CopyStatus::ReplaceFailed, error};
    }
    return result;
}

}  // namespace

CopyResult CopyArchiveRange(int archiveFd, DataRange range, int dirFd, const std::string& name,
                            ExistingFile existing, CopyMonitor* monitor)
{
    const int outFd = CreateExclusive(dirFd, name);
    if (outFd >= 0)
        return FillNewFile(archiveFd, range, outFd, dirFd, name, monitor);
    if (errno != EEXIST)
        return {CopyStatus::CreateFailed, errno};
    if (existing == ExistingFile::Keep)
        return {CopyStatus::Exists, EEXIST};
    return ReplaceExisting(archiveFd, range, dirFd, name, monitor);
}

Message DescribeCopyFailure(const CopyResult& result, const std::string& displayPath)
{
    const std::string reason = result.error ? std::strerror(result.error) : std::string();
    switch (result.status) {
    case CopyStatus::Copied:
        break;
    case CopyStatus::Exists:
        return {"Did not replace existing file " + displayPath, reason};
    case CopyStatus::CreateFailed:
        return {"Could not create file " + displayPath, reason};
    case CopyStatus::ShortRead:
        return {"Could not read the data of " + displayPath,
                reason.empty() ? "the archive ends before the file's data does" : reason};
    case CopyStatus::WriteFailed:
        return {"Could not write file " + displayPath, reason};
    case CopyStatus::ReplaceFailed:
        return {"Could not replace file " + displayPath, reason};
    case CopyStatus::Stopped:
        return {"Cancelled before finishing " + displayPath, ""};
    }
    return {};
}

}  // namespace vorn
