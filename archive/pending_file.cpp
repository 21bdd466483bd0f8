#include "archive/pending_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace vorn {
namespace {

// An unnamed file gets its name through its /proc link, which needs no privilege.
bool ProcLinksAvailable()
{
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

// The file system has no unnamed files (or the kernel does not know them).
bool UnnamedFilesRefused(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
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

int OpenRetrying(int dirFd, const char* path, int flags)
{
    int fd;
    do
        fd = ::openat(dirFd, path, flags, 0666);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int RenameWithoutReplacing(int dirFd, const std::string& from, const std::string& to)
{
    if (::renameat2(dirFd, from.c_str(), dirFd, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    // Some file systems cannot rename without replacing; a hard link never replaces.
    if (::linkat(dirFd, from.c_str(), dirFd, to.c_str(), 0) != 0)
        return errno;
    ::unlinkat(dirFd, from.c_str(), 0);
    return 0;
}

}  // namespace

PendingFile::PendingFile(int dirFd, std::string name) : m_dirFd(dirFd), m_name(std::move(name))
{
    if (ProcLinksAvailable()) {
        m_fd = OpenRetrying(dirFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC);
        m_unnamed = m_fd >= 0;
        if (m_fd < 0 && !UnnamedFilesRefused(errno)) {
            m_createError = errno;
            return;
        }
    }
    for (int attempt = 0; attempt < 16 && m_fd < 0; ++attempt) {
        m_temporary = TemporaryNameFor(m_name);
        m_fd = OpenRetrying(dirFd, m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_createError = errno;
        m_temporary.clear();
    }
}

PendingFile::~PendingFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.empty())
        ::unlinkat(m_dirFd, m_temporary.c_str(), 0);
}

int PendingFile::LinkUnnamedAs(const std::string& name) const
{
    // Linking the descriptor itself saves the walk through /proc, but before
    // Linux 6.10 it needs CAP_DAC_READ_SEARCH (ENOENT without it).
    static std::atomic<bool> directLinkRefused{false};
    if (!directLinkRefused.load(std::memory_order_relaxed)) {
        if (::linkat(m_fd, "", m_dirFd, name.c_str(), AT_EMPTY_PATH) == 0)
            return 0;
        if (errno != ENOENT)
            return errno;
        directLinkRefused.store(true, std::memory_order_relaxed);
    }
    char link[32];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", m_fd);
    return ::linkat(AT_FDCWD, link, m_dirFd, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// Linux releases the descriptor even when close reports EINTR.
int PendingFile::Close()
{
    const int result = ::close(m_fd);
    m_fd = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
}

PendingFile::Result PendingFile::PublishNew()
{
    if (m_unnamed) {
        if (const int error = LinkUnnamedAs(m_name))
            return {error == EEXIST ? Outcome::NameTaken : Outcome::NamingFailed, error};
        // An unnamed file can only be linked while open, so a late write error
        // reported by close takes the name away again.
        if (const int error = Close()) {
            ::unlinkat(m_dirFd, m_name.c_str(), 0);
            return {Outcome::CloseFailed, error};
        }
        return {Outcome::Published};
    }
    if (m_fd >= 0)
        if (const int error = Close())
            return {Outcome::CloseFailed, error};
    if (const int error = RenameWithoutReplacing(m_dirFd, m_temporary, m_name))
        return {error == EEXIST ? Outcome::NameTaken : Outcome::NamingFailed, error};
    m_temporary.clear();
    return {Outcome::Published};
}

PendingFile::Result PendingFile::PublishReplacing()
{
    if (m_unnamed && m_temporary.empty()) {
        int error = EEXIST;
        for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
            m_temporary = TemporaryNameFor(m_name);
            error = LinkUnnamedAs(m_temporary);
        }
        if (error) {
            m_temporary.clear();
            return {Outcome::NamingFailed, error};
        }
    }
    if (m_fd >= 0)
        if (const int error = Close())
            return {Outcome::CloseFailed, error};
    if (::renameat(m_dirFd, m_temporary.c_str(), m_dirFd, m_name.c_str()) != 0)
        return {Outcome::NamingFailed, errno};
    m_temporary.clear();
    return {Outcome::Published};
}

}  // namespace vorn
