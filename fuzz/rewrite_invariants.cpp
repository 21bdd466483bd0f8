#include "fuzz/rewrite_invariants.h"

#include "archive/catalogue.h"
#include "fuzz/fuzz_require.h"
#include "write/archive_writer.h"
#include "write/name_rules.h"
#include "write/tree_from_archive.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace vorn::fuzz {
namespace {

constexpr std::uint64_t kLargestRewrite = 1 << 20;

// A folder of this process for the archives written, in memory where it can
// be; each archive is unlinked at once, and the folder goes at exit.
const std::string& OutputFolder()
{
    static const std::string folder = [] {
        for (std::string pattern : {"/dev/shm/vorn-fuzz-XXXXXX", "/tmp/vorn-fuzz-XXXXXX"})
            if (::mkdtemp(pattern.data()))
                return pattern;
        Require(false, "a folder for the rewritten archives can be made");
        return std::string();
    }();
    static const bool removedAtExit = std::atexit([] { ::rmdir(folder.c_str()); }) == 0;
    static_cast<void>(removedAtExit);
    return folder;
}

std::string ReadAll(int fd, std::uint64_t offset, std::uint64_t size)
{
    std::string bytes(size, '\0');
    Require(::pread(fd, bytes.data(), size, static_cast<off_t>(offset)) == static_cast<ssize_t>(size),
            "the data of a file is read whole");
    return bytes;
}

// Both trees hold the same folders and files in the same order, each file
// with the same bytes.
void RequireSameTree(const EditFolder& read, int readFd, const EditFolder& written, int writtenFd)
{
    Require(read.name == written.name, "every name is written as read");
    Require(read.files.size() == written.files.size() && read.folders.size() == written.folders.size(),
            "every folder keeps its items");
    for (std::size_t i = 0; i < read.files.size(); ++i) {
        const EditFile& before = read.files[i];
        const EditFile& after = written.files[i];
        Require(before.name == after.name && before.size == after.size, "every file keeps its name and size");
        Require(ReadAll(readFd, before.sourceOffset, before.size) == ReadAll(writtenFd, after.sourceOffset, after.size),
                "every file keeps its bytes");
    }
    for (std::size_t i = 0; i < read.folders.size(); ++i) {
        Require(read.folders[i].filesBefore == written.folders[i].filesBefore, "files and folders keep their order");
        RequireSameTree(read.folders[i], readFd, written.folders[i], writtenFd);
    }
}

struct Loaded {
    int fd = -1;
    Catalogue catalogue;
};

Loaded Load(int fd, ArchiveFormat format, const std::string& encoding)
{
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    const FileByteSource source(path);
    Require(source.IsOpen(), "an archive just written can be opened");
    return {fd, LoadCatalogue(source, format, *NameDecoder::For(encoding), {}, FileRecordOffsets::Keep)};
}

// Writes the tree read from fd to name; the new archive's descriptor, or -1.
int Write(const EditTree& tree, int fd, ArchiveFormat format, NameEncoder& names, const std::string& name)
{
    const std::string path = OutputFolder() + "/" + name;
    const WriteResult result = WriteArchive(tree, names, {fd, format}, {format, 1, nullptr}, {path, ExistingFile::Replace});
    if (!result.problems.empty())
        return -1;
    const int written = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ::unlink(path.c_str());
    Require(written >= 0, "the archive written is there");
    return written;
}

}  // namespace

void CheckRewrite(const std::uint8_t* data, std::size_t size, ArchiveFormat format, const std::string& encoding)
{
    const int fd = ::memfd_create("archive", MFD_CLOEXEC);
    Require(fd >= 0 && ::write(fd, data, size) == static_cast<ssize_t>(size), "the input is put in a file");
    const Loaded read = Load(fd, format, encoding);
    const auto& findings = read.catalogue.anomalies;
    const bool damaged = read.catalogue.anomalyCount > findings.size() ||
                         std::any_of(findings.begin(), findings.end(), [](const CatalogueAnomaly& finding) {
                             return SeverityOf(finding.kind) == FindingSeverity::Damage;
                         });
    EditTree tree = EditTreeOf(read.catalogue);
    std::optional<NameEncoder> names = NameEncoder::For(encoding);
    if (damaged || CountTree(tree.top).bytes > kLargestRewrite ||
        !CheckNames(tree.top, format, *names, ChildOrder::Keep).empty()) {
        ::close(fd);
        return;
    }
    const int first = Write(tree, fd, format, *names, "first");
    Require(first >= 0, "an undamaged archive of writable names is written");
    const Loaded written = Load(first, format, encoding);
    RequireSameTree(tree.top, fd, EditTreeOf(written.catalogue).top, first);

    const int second = Write(EditTreeOf(written.catalogue), first, format, *names, "second");
    Require(second >= 0, "what was written is written again");
    const auto length = [](int file) { return static_cast<std::uint64_t>(::lseek(file, 0, SEEK_END)); };
    Require(length(first) == length(second) && ReadAll(first, 0, length(first)) == ReadAll(second, 0, length(second)),
            "writing what was written gives the same bytes");
    for (const int open : {fd, first, second})
        ::close(open);
}

}  // namespace vorn::fuzz
