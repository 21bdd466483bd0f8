#include "disk/pending_file.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
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

constexpr std::string_view kTemporaryMarker = ".vorn-";
constexpr std::string_view kSuffixDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kSuffixLength = 8;
// Keeps a temporary's name within the 255-byte limit of a file name.
constexpr std::size_t kLongestNameKept = 200;

std::string TemporaryNameFor(const std::string& name)
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::string suffix(kSuffixLength, '0');
    for (char& c : suffix)
        c = kSuffixDigits[random() % kSuffixDigits.size()];
    return "." + name.substr(0, kLongestNameKept) + std::string(kTemporaryMarker) + suffix;
}

// Named as TemporaryNameFor names.
bool IsTemporaryName(std::string_view name)
{
    constexpr std::size_t fixed = 1 + kTemporaryMarker.size() + kSuffixLength;
    if (name.size() <= fixed || name.size() > fixed + kLongestNameKept || name.front() != '.')
        return false;
    const std::string_view tail = name.substr(name.size() - kTemporaryMarker.size() - kSuffixLength);
    return tail.starts_with(kTemporaryMarker) &&
           tail.find_first_not_of(kSuffixDigits, kTemporaryMarker.size()) == std::string_view::npos;
}

// A process holds the temporaries it writes locked, so that another run's
// sweep leaves them alone; the lock goes with the process.
void MarkInUse(int fd)
{
    ::flock(fd, LOCK_EX | LOCK_NB);
}

// Removes the file under name if it is a leftover: this user's regular file,
// still the one looked at, that no process holds locked.
bool RemoveIfLeftover(int dirFd, const char* name)
{
    struct stat named {};
    if (::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
        named.st_uid != ::geteuid())
        return false;
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat opened {};
    const bool removed = ::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev &&
                         opened.st_ino == named.st_ino && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                         ::unlinkat(dirFd, name, 0) == 0;
    ::close(fd);
    return removed;
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
    } else if (!m_unnamed) {
        MarkInUse(m_fd);
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
    if (!m_unnamed) {
        if (m_fd >= 0)
            if (const int error = Close())
                return {Outcome::CloseFailed, error};
        if (::renameat(m_dirFd, m_temporary.c_str(), m_dirFd, m_name.c_str()) != 0)
            return {Outcome::NamingFailed, errno};
        m_temporary.clear();
        return {Outcome::Published};
    }
    // A link cannot replace, so the complete file stands under a temporary
    // name from its link to the rename right after it, and no longer: a
    // process killed in between is the only one to leave it behind.
    MarkInUse(m_fd);
    int error = EEXIST;
    for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
        m_temporary = TemporaryNameFor(m_name);
        error = LinkUnnamedAs(m_temporary);
    }
    if (error) {
        m_temporary.clear();
        return {Outcome::NamingFailed, error};
    }
    if (::renameat(m_dirFd, m_temporary.c_str(), m_dirFd, m_name.c_str()) != 0)
        return {Outcome::NamingFailed, errno};
    m_temporary.clear();
    // As in PublishNew, a write error that only close reports takes the name
    // away again; the old file is gone by then, but local file systems report
    // none at close.
    if (const int closeError = Close()) {
        ::unlinkat(m_dirFd, m_name.c_str(), 0);
        return {Outcome::CloseFailed, closeError};
    }
    return {Outcome::Published};
}

std::uint64_t RemoveLeftoverPendingFiles(int dirFd)
{
    // The folder may be open as a path only, which cannot be listed.
    const int listFd = ::openat(dirFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0)
        return 0;
    DIR* folder = ::fdopendir(listFd);
    if (!folder) {
        ::close(listFd);
        return 0;
    }
    std::uint64_t removed = 0;
    while (const dirent* entry = ::readdir(folder))
        if (IsTemporaryName(entry->d_name) && RemoveIfLeftover(dirFd, entry->d_name))
            ++removed;
    ::closedir(folder);
    return removed;
}

}  // namespace vorn
