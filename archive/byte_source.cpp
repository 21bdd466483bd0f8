#include "archive/byte_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, std::span<unsigned char> out) const
{
    if (offset >= m_bytes.size())
        return 0;
    const std::size_t count = std::min<std::uint64_t>(out.size(), m_bytes.size() - offset);
    std::memcpy(out.data(), m_bytes.data() + offset, count);
    return count;
}

std::string OpenErrorText(const OpenError& error)
{
    return error.kind == OpenError::Kind::NotRegularFile ? "not a regular file" : std::strerror(error.code);
}

FileByteSource::FileByteSource(const std::string& path)
{
    // Not blocking: opening a FIFO that no one writes to would wait for ever.
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    int flags = 0;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0) {
        m_openError = {OpenError::Kind::System, errno};
    } else if (!S_ISREG(info.st_mode)) {
        m_openError = {OpenError::Kind::NotRegularFile, 0};
    } else if ((flags = ::fcntl(m_fd, F_GETFL)) < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        m_openError = {OpenError::Kind::System, errno};
    } else {
        m_size = static_cast<std::uint64_t>(info.st_size);
        return;
    }
    Close();
}

FileByteSource::~FileByteSource()
{
    Close();
}

void FileByteSource::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

std::size_t FileByteSource::ReadAt(std::uint64_t offset, std::span<unsigned char> out) const
{
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(m_fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

}  // namespace vorn
