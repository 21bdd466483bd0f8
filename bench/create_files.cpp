// vorn-bench-create-files [--threads N] MANIFEST TARGET: creates the folders
// and files that MANIFEST lists inside the existing folder TARGET, each file
// filled with zeros to its size. Nothing is read but the manifest: the time it
// takes is the floor for extracting the same tree. One thread (the default)
// goes down the manifest; N make every folder first, then share the files out
// in batches of 64 lines.
//
// MANIFEST holds one line per item, folders before their content:
//   d RELATIVE/PATH
//   f SIZE RELATIVE/PATH

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::size_t kChunk = 256 * 1024;
constexpr std::size_t kBatch = 64;

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

// Creates the file lines in batches taken in turn by `threads` threads.
bool CreateFilesInParallel(int targetFd, const std::vector<std::string_view>& files, unsigned threads,
                           const std::vector<char>& zeros)
{
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (std::size_t start; (start = next.fetch_add(kBatch)) < files.size() && !failed;)
                for (std::size_t i = start; i < std::min(start + kBatch, files.size()); ++i)
                    if (!CreateItem(targetFd, files[i], zeros))
                        failed = true;
        });
    for (std::thread& thread : pool)
        thread.join();
    return !failed;
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned threads = 1;
    if (argc == 5 && std::string_view(argv[1]) == "--threads") {
        threads = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
        argv += 2;
        argc -= 2;
    }
    if (argc != 3 || threads == 0) {
        std::fputs("usage: vorn-bench-create-files [--threads N] MANIFEST TARGET\n", stderr);
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
    std::vector<std::string_view> files;
    std::string_view rest = manifest;
    while (!rest.empty()) {
        const std::size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline == rest.npos ? rest.size() : newline + 1);
        if (line.empty())
            continue;
        if (threads > 1 && !line.starts_with("d "))
            files.push_back(line);
        else if (!CreateItem(targetFd, line, zeros))
            return 1;
    }
    return CreateFilesInParallel(targetFd, files, threads, zeros) ? 0 : 1;
}
