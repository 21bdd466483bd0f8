#include "write/archive_writer.h"

#include "archive/dir_node.h"
#include "disk/pending_file.h"
#include "write/archive_layout.h"
#include "write/data_copier.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorn {
namespace {

constexpr std::size_t kLargestRecord = 48;
using RecordBytes = std::array<unsigned char, kLargestRecord>;

void PutWord(unsigned char* at, std::uint64_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Records of the source archive, read through a window that follows the
// catalogue's mostly ascending walk.
class OldRecords {
public:
    OldRecords(const SourceArchive& source, ArchiveFormat format)
        : m_fd(source.format == format ? source.fd : -1), m_size(LayoutOf(format).recordSize)
    {
    }

    // The record at offset, or null when there is none to keep.
    const unsigned char* At(bool has, std::uint64_t offset)
    {
        if (!has || m_fd < 0)
            return nullptr;
        if (offset < m_start || offset + m_size > m_start + m_filled) {
            m_window.resize(kWindow);
            const ssize_t got = ::pread(m_fd, m_window.data(), kWindow, static_cast<off_t>(offset));
            m_start = offset;
            m_filled = got > 0 ? static_cast<std::size_t>(got) : 0;
            if (m_filled < m_size)
                return nullptr;
        }
        return m_window.data() + (offset - m_start);
    }

private:
    static constexpr std::size_t kWindow = 256 << 10;
    int m_fd;
    std::size_t m_size;
    std::vector<unsigned char> m_window;
    std::uint64_t m_start = 0;
    std::size_t m_filled = 0;
};

// Writes the catalogue's records one after another from offset 0.
class CatalogueOutput {
public:
    CatalogueOutput(int fd, RecordLayout layout) : m_fd(fd), m_layout(layout) { m_buffer.reserve(kBuffer); }

    std::uint64_t NextOffset() const { return m_written + m_buffer.size(); }

    // A record: the name field and upper type bytes of kept when there is one
    // (the name field only with keepName), the rest as given.
    void Put(const unsigned char* kept, bool keepName, std::string_view name, RecordType type, std::uint64_t size,
             std::uint64_t position)
    {
        RecordBytes record{};
        const std::size_t field = m_layout.nameField;
        if (kept && keepName)
            std::memcpy(record.data(), kept, field);
        else
            std::copy_n(name.begin(), std::min(name.size(), field - 1), record.begin());
        record[field] = static_cast<unsigned char>(type);
        if (kept)
            std::memcpy(record.data() + field + 1, kept + field + 1, 3);
        PutWord(record.data() + field + 4, size);
        PutWord(record.data() + field + 8, position);
        const auto end = record.begin() + static_cast<std::ptrdiff_t>(m_layout.recordSize);
        m_buffer.insert(m_buffer.end(), record.begin(), end);
        if (m_buffer.size() >= kBuffer)
            Flush();
    }

    // errno of the first failed write, or 0.
    int Flush()
    {
        for (std::size_t done = 0; done < m_buffer.size() && m_error == 0;) {
            const ssize_t put = ::pwrite(m_fd, m_buffer.data() + done, m_buffer.size() - done,
                                         static_cast<off_t>(m_written + done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                m_error = put < 0 ? errno : ENOSPC;
            else
                done += static_cast<std::size_t>(put);
        }
        m_written += m_buffer.size();
        m_buffer.clear();
        return m_error;
    }

private:
    static constexpr std::size_t kBuffer = 1 << 20;
    int m_fd;
    RecordLayout m_layout;
    std::vector<unsigned char> m_buffer;
    std::uint64_t m_written = 0;
    int m_error = 0;
};

class Writer {
public:
    static constexpr std::uint64_t kBatchBytes = 1 << 20;
    static constexpr std::uint64_t kBatchFiles = 512;

    Writer(const EditTree& tree, NameEncoder& names, const SourceArchive& source, const WriteOptions& options,
           int outFd)
        : m_tree(tree), m_names(names), m_options(options), m_layout(PlanLayout(tree.top, options.format)),
          m_old(source, options.format), m_catalogue(outFd, LayoutOf(options.format)),
          m_copier(source.fd, outFd, std::max(1u, options.jobs),
                   [observer = options.observer] { return observer && observer->StopRequested(); })
    {
        m_progress.bytesTotal = m_layout.end - m_layout.catalogueBytes;
        m_progress.filesTotal = CountTree(tree.top).files;
    }

    const ArchiveLayout& Layout() const { return m_layout; }

    std::optional<WriteProblem> Write()
    {
        if (m_options.format == ArchiveFormat::Dir) {
            PutDirRuns();
        } else {
            PutPckStream(m_tree.top);
            PutClosingRecord();
        }
        if (const int error = m_catalogue.Flush())
            return WriteProblem{WriteProblemKind::OutputFailed, {}, error};
        if (m_problem)
            return m_problem;
        CopyData(m_tree.top, "");
        FlushPending();
        if (auto problem = m_copier.Finish())
            return problem;
        Report();
        if (m_copier.Stopped())
            return WriteProblem{WriteProblemKind::Stopped};
        return std::nullopt;
    }

private:
    std::string StoredName(const std::string& name, bool nameFromArchive, const unsigned char* kept)
    {
        if (nameFromArchive && kept)
            return {};
        std::optional<std::string> bytes = m_names.Encode(name);
        if (!bytes && !m_problem)
            m_problem = WriteProblem{WriteProblemKind::NameNotEncodable, name};
        return bytes.value_or(std::string());
    }

    void PutFile(const EditFile& file, std::uint64_t dataOffset)
    {
        const unsigned char* kept = m_old.At(file.hasRecord, file.recordOffset);
        m_catalogue.Put(kept, file.nameFromArchive, StoredName(file.name, file.nameFromArchive, kept),
                        RecordType::File, file.size, dataOffset);
    }

    void PutFolder(const EditFolder& folder, std::uint64_t position)
    {
        const unsigned char* kept = m_old.At(folder.hasRecord, folder.recordOffset);
        m_catalogue.Put(kept, folder.nameFromArchive, StoredName(folder.name, folder.nameFromArchive, kept),
                        RecordType::Folder, 0, position);
    }

    void PutEnd(const EditFolder& folder, std::uint64_t position)
    {
        m_catalogue.Put(m_old.At(folder.hasEndRecord, folder.endRecordOffset), true, {}, RecordType::End, 0, position);
    }

    // One stream, depth first: a folder's record leads to the next record; an
    // end record's position only needs not to be 0.
    void PutPckStream(const EditFolder& folder)
    {
        const std::size_t recordSize = m_layout.recordSize;
        ForEachChild(
            folder,
            [&](const EditFile& file) {
                PutFile(file, m_dataAt);
                m_dataAt += file.size;
            },
            [&](const EditFolder& child) {
                PutFolder(child, m_catalogue.NextOffset() + recordSize);
                PutPckStream(child);
                PutEnd(child, 1);
            });
    }

    // The top-level run, then each folder's run in pre-order.
    void PutDirRuns()
    {
        std::vector<const EditFolder*> pending = {&m_tree.top};
        while (!pending.empty()) {
            const EditFolder* folder = pending.back();
            pending.pop_back();
            std::uint64_t dataAt = m_layout.folders.at(folder).dataStart;
            ForEachChild(
                *folder,
                [&](const EditFile& file) {
                    PutFile(file, dataAt);
                    dataAt += file.size;
                },
                [&](const EditFolder& child) {
                    const auto& place = m_layout.folders.at(&child);
                    PutFolder(child, place.runStart);
                    dataAt += place.subtreeBytes;
                });
            if (folder != &m_tree.top)
                PutEnd(*folder, 0);
            else
                PutClosingRecord();
            for (auto child = folder->folders.rbegin(); child != folder->folders.rend(); ++child)
                pending.push_back(&*child);
        }
    }

    // PCK: a record whose position word is 0 ends the stream; DIR: the top
    // level's end record, put with the top-level run.
    void PutClosingRecord()
    {
        const unsigned char* kept = m_old.At(m_tree.hasClosingRecord, m_tree.closingRecordOffset);
        if (m_options.format == ArchiveFormat::Pck) {
            RecordBytes zeros{};
            // Whatever its type, only its position counts: all but that is kept.
            const RecordType type =
                kept ? static_cast<RecordType>(kept[LayoutOf(m_options.format).nameField]) : RecordType::End;
            m_catalogue.Put(kept ? kept : zeros.data(), true, {}, type, 0, 0);
        } else {
            m_catalogue.Put(kept, true, {}, RecordType::End, 0, 0);
        }
    }

    // Hands every file's data to the copier in catalogue order: adjacent
    // stretches of the source archive as one task, small files from disk in
    // batches, a large one by itself.
    void CopyData(const EditFolder& folder, const std::string& path)
    {
        ForEachChild(
            folder,
            [&](const EditFile& file) {
                if (m_stopped)
                    return;
                const std::uint64_t outOffset = m_copyAt;
                m_copyAt += file.size;
                if (file.source == FileSource::Archive) {
                    if (m_pending && m_pending->pieces.empty() &&
                        m_pending->sourceOffset + m_pending->size == file.sourceOffset) {
                        m_pending->size += file.size;
                        ++m_pending->files;
                        return;
                    }
                    FlushPending();
                    m_pending = CopyTask{.outOffset = outOffset, .size = file.size, .sourceOffset = file.sourceOffset,
                                         .itemPath = path.empty() ? file.name : path + '\\' + file.name};
                    return;
                }
                const PickedFile* picked =
                    file.source == FileSource::Picked ? &m_tree.picked[file.sourceOffset] : nullptr;
                DiskPiece piece =
                    picked ? DiskPiece{picked->path, nullptr, {}, picked->size, picked->modifiedNs}
                           : DiskPiece{folder.diskPath + '/' + file.name, OpenDiskFolder(folder), file.name, file.size};
                const bool joins = m_pending && !m_pending->pieces.empty() && file.size <= DataCopier::kSmallFile &&
                                   m_pending->size <= DataCopier::kSmallFile &&
                                   m_pending->size + file.size <= kBatchBytes && m_pending->files < kBatchFiles;
                if (!joins) {
                    FlushPending();
                    m_pending = CopyTask{.outOffset = outOffset, .size = 0, .files = 0};
                }
                m_pending->size += file.size;
                ++m_pending->files;
                m_pending->pieces.push_back(std::move(piece));
            },
            [&](const EditFolder& child) { CopyData(child, path.empty() ? child.name : path + '\\' + child.name); });
    }

    // The folder's files are opened relative to it; a folder that cannot be
    // opened leaves them to their paths, and their failure to their reads.
    std::shared_ptr<const OpenFolder> OpenDiskFolder(const EditFolder& folder)
    {
        if (m_diskFolder.first != &folder) {
            auto opened = std::make_shared<const OpenFolder>(folder.diskPath);
            m_diskFolder = {&folder, opened->Descriptor() >= 0 ? std::move(opened) : nullptr};
        }
        return m_diskFolder.second;
    }

    void FlushPending()
    {
        if (!m_pending)
            return;
        if (!m_copier.Add(std::move(*m_pending)))
            m_stopped = true;
        m_pending.reset();
        Report();
    }

    void Report()
    {
        if (!m_options.observer)
            return;
        m_progress.filesDone = m_copier.FilesDone();
        m_progress.bytesDone = m_copier.BytesDone();
        m_options.observer->Progress(m_progress);
    }

    const EditTree& m_tree;
    NameEncoder& m_names;
    const WriteOptions& m_options;
    ArchiveLayout m_layout;
    OldRecords m_old;
    CatalogueOutput m_catalogue;
    DataCopier m_copier;
    WriteProgress m_progress;
    std::optional<WriteProblem> m_problem;
    std::uint64_t m_dataAt = m_layout.catalogueBytes;
    std::uint64_t m_copyAt = m_layout.catalogueBytes;
    std::optional<CopyTask> m_pending;
    std::pair<const EditFolder*, std::shared_ptr<const OpenFolder>> m_diskFolder;
    bool m_stopped = false;
};

struct TargetName {
    std::string folder;
    std::string name;
};

TargetName SplitTarget(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// Keeps the file now at name as name~, replacing an older one, in one rename.
int KeepBackup(int dirFd, const std::string& name)
{
    const std::string temporary = "." + name + ".vorn-backup";
    ::unlinkat(dirFd, temporary.c_str(), 0);
    if (::linkat(dirFd, name.c_str(), dirFd, temporary.c_str(), 0) != 0)
        return errno == ENOENT ? 0 : errno;
    if (::renameat(dirFd, temporary.c_str(), dirFd, (name + "~").c_str()) != 0) {
        const int error = errno;
        ::unlinkat(dirFd, temporary.c_str(), 0);
        return error;
    }
    return 0;
}

WriteProblem OutputProblem(const std::string& path, int error)
{
    return {WriteProblemKind::OutputFailed, path, error};
}

}  // namespace

WriteResult WriteArchive(const EditTree& tree, NameEncoder& names, const SourceArchive& source,
                         const WriteOptions& options, const OutputTarget& target)
{
    WriteResult result;
    result.count = CountTree(tree.top);
    const TargetName where = SplitTarget(target.path);
    const int dirFd = ::open(where.folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        result.problems.push_back(OutputProblem(target.path, errno));
        return result;
    }
    result.leftoversRemoved = RemoveLeftoverPendingFiles(dirFd);
    struct stat standing {};
    const bool exists = ::fstatat(dirFd, where.name.c_str(), &standing, AT_SYMLINK_NOFOLLOW) == 0;
    std::optional<WriteProblem> problem;
    if (where.name.empty() || (exists && S_ISDIR(standing.st_mode)))
        problem = OutputProblem(target.path, EISDIR);
    else if (exists && target.existing == ExistingFile::Keep)
        problem = WriteProblem{WriteProblemKind::OutputExists, target.path};
    PendingFile file(dirFd, where.name);
    if (!problem && file.Descriptor() < 0)
        problem = OutputProblem(target.path, file.CreateError());
    if (!problem) {
        Writer writer(tree, names, source, options, file.Descriptor());
        result.archiveBytes = writer.Layout().end;
        if (writer.Layout().end > kLargestArchive)
            problem = WriteProblem{WriteProblemKind::ArchiveTooLarge, target.path, 0, {}, writer.Layout().end,
                                   kLargestArchive};
        else
            problem = writer.Write();
    }
    if (!problem && target.backup) {
        if (const int error = KeepBackup(dirFd, where.name))
            problem = OutputProblem(target.path + "~", error);
    }
    if (!problem) {
        const PendingFile::Result published =
            target.existing == ExistingFile::Replace ? file.PublishReplacing() : file.PublishNew();
        if (published.outcome == PendingFile::Outcome::NameTaken)
            problem = WriteProblem{WriteProblemKind::OutputExists, target.path};
        else if (published.outcome != PendingFile::Outcome::Published)
            problem = OutputProblem(target.path, published.error);
    }
    ::close(dirFd);
    if (problem) {
        if (problem->kind == WriteProblemKind::OutputFailed && problem->path.empty())
            problem->path = target.path;
        result.problems.push_back(std::move(*problem));
    }
    return result;
}

}  // namespace vorn
