// vorn-bench-create-files MANIFEST TARGET: creates the folders and files that
// MANIFEST lists inside the existing folder TARGET, each file filled with
// zeros to its size. Nothing is read but the manifest: the time it takes is
// the floor for extracting the same tree.
//
// MANIFEST holds one line per item, folders before their content:
//   d RELATIVE/PATH
//   f SIZE RELATIVE/PATH

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kChunk = 256 * 1024;

bool Fail(const std::string& what, std::string_view path)
{
    std::fprintf(stderr, "vorn-bench-create-files: %s %.*s: %s\n", what.c_str(), static_cast<int>(path.size()),
                 path.data(), std::strerror(errno));
    return false;
}

bool CreateFile(int targetFd, const std::string& path, unsigned long long size, const std::vector<char>& zeros)
{
    const int fd = ::openat(targetFd, path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return Fail("could not create", path);
    while (size > 0) {
        const std::size_t part = size < zeros.size() ? static_cast<std::size_t>(size) : zeros.size();
        const ssize_t written = ::write(fd, zeros.data(), part);
        if (written <= 0) {
            ::close(fd);
            return Fail("could not write", path);
        }
        size -= static_cast<unsigned long long>(written);
    }
    return ::close(fd) == 0 || Fail("could not close", path);
}

bool CreateItem(int targetFd, std::string_view line, const std::vector<char>& zeros)
{
    if (line.starts_with("d ")) {
        const std::string path(line.substr(2));
        return ::mkdirat(targetFd, path.c_str(), 0777) == 0 || Fail("could not make folder", path);
    }
    unsigned long long size = 0;
    const auto [end, error] = std::from_chars(line.data() + 2, line.data() + line.size(), size);
    if (!line.starts_with("f ") || error != std::errc() || end == line.data() + line.size() || *end != ' ') {
        errno = EINVAL;
        return Fail("bad manifest line", line);
    }
    return CreateFile(targetFd, std::string(end + 1, line.data() + line.size()), size, zeros);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: vorn-bench-create-files MANIFEST TARGET\n", stderr);
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (!in) {
        Fail("could not read", argv[1]);
        return 1;
    }
    const int targetFd = ::open(argv[2], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (targetFd < 0) {
        Fail("could not open", argv[2]);
        return 1;
    }

    const std::vector<char> zeros(kChunk, 0);
    const std::string manifest = text.str();
    std::string_view rest = manifest;
    while (!rest.empty()) {
        const std::size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        if (!line.empty() && !CreateItem(targetFd, line, zeros))
            return 1;
        rest.remove_prefix(newline == rest.npos ? rest.size() : newline + 1);
    }
    return 0;
}
