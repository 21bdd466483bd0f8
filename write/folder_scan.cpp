#include "write/folder_scan.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

constexpr std::uint64_t kFourGiB = std::uint64_t{1} << 32;

class Scanner {
public:
    explicit Scanner(std::size_t maxDepth) : m_maxDepth(maxDepth) {}

    // Reads the open folder dirFd (closed here) into folder.
    void Read(int dirFd, EditFolder& folder, std::size_t depth)
    {
        DIR* dir = ::fdopendir(dirFd);
        if (!dir) {
            m_problems.push_back({WriteProblemKind::NotReadable, folder.diskPath, errno});
            ::close(dirFd);
            return;
        }
        errno = 0;
        while (const dirent* item = ::readdir(dir)) {
            const std::string name = item->d_name;
            if (name != "." && name != "..")
                Add(dirFd, name, folder, depth);
            errno = 0;
        }
        if (errno != 0)
            m_problems.push_back({WriteProblemKind::NotReadable, folder.diskPath, errno});
        ::closedir(dir);
        // Grown one entry at a time, a folder's list may hold twice the room it needs.
        folder.files.shrink_to_fit();
        folder.folders.shrink_to_fit();
    }

    WriteProblems TakeProblems() { return std::move(m_problems); }

private:
    void Add(int dirFd, const std::string& name, EditFolder& folder, std::size_t depth)
    {
        const std::string path = folder.diskPath + '/' + name;
        struct stat status {};
        if (::fstatat(dirFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            m_problems.push_back({WriteProblemKind::NotReadable, path, errno});
        } else if (S_ISREG(status.st_mode)) {
            const auto size = static_cast<std::uint64_t>(status.st_size);
            if (size >= kFourGiB)
                m_problems.push_back({WriteProblemKind::FileTooLarge, path, 0, {}, size, kFourGiB - 1});
            else
                folder.files.push_back(
                    {.name = name, .size = static_cast<std::uint32_t>(size), .source = FileSource::Scanned});
        } else if (!S_ISDIR(status.st_mode)) {
            m_problems.push_back({WriteProblemKind::NotRegularFile, path});
        } else if (depth + 1 > m_maxDepth) {
            m_problems.push_back({WriteProblemKind::TooDeep, path, 0, {}, 0, m_maxDepth});
        } else {
            const int childFd = ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (childFd < 0) {
                m_problems.push_back({WriteProblemKind::NotReadable, path, errno});
                return;
            }
            EditFolder& child = folder.folders.emplace_back();
            child.name = name;
            child.diskPath = path;
            Read(childFd, child, depth + 1);
        }
    }

    std::size_t m_maxDepth;
    WriteProblems m_problems;
};

}  // namespace

std::string LastPathName(const std::string& path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const std::size_t slash = trimmed.rfind('/');
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
}

ScannedFolder ScanFolder(const std::string& path, std::size_t maxDepth)
{
    ScannedFolder scanned;
    scanned.folder.name = LastPathName(path);
    scanned.folder.diskPath = path;
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        scanned.problems.push_back({WriteProblemKind::NotReadable, path, errno});
        return scanned;
    }
    Scanner scanner(maxDepth);
    scanner.Read(fd, scanned.folder, 0);
    scanned.problems = scanner.TakeProblems();
    return scanned;
}

}  // namespace vorn
