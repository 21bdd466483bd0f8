#include "tests/support/archive_writer.h"

#include "archive/windows1252.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vorn::testing {
namespace {

constexpr std::uint32_t kFile = 0;
constexpr std::uint32_t kFolder = 1;
constexpr std::uint32_t kEnd = 255;

void PutWord(std::string& out, std::uint32_t word)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((word >> shift) & 0xFF);
}

std::uint32_t Word(std::uint64_t value, const std::string& what)
{
    if (value > UINT32_MAX)
        throw std::runtime_error(what + " does not fit 32 bits");
    return static_cast<std::uint32_t>(value);
}

// Both formats spend two records on a folder (the folder record and its end
// record) and one on a file.
std::uint64_t CountRecords(const WriterFolder& folder)
{
    std::uint64_t count = 2 + folder.files.size();
    for (const WriterFolder& child : folder.folders)
        count += CountRecords(child);
    return count;
}

class Layout {
public:
    Layout(ArchiveFormat format, const WriterTree& tree) : m_format(format), m_size(LayoutOf(format).recordSize)
    {
        std::uint64_t records = tree.files.size() + 1;  // top level, then its end (DIR) or the last record (PCK)
        for (const WriterFolder& folder : tree.folders)
            records += CountRecords(folder);
        m_nextData = records * m_size;
    }

    std::string Catalogue(const WriterTree& tree)
    {
        if (m_format == ArchiveFormat::Pck) {
            AddFiles(tree.files);
            for (const WriterFolder& folder : tree.folders)
                AddPckFolder(folder);
            m_catalogue += Record(m_format, "", kEnd, 0, 0);  // position 0 ends the catalogue
        } else {
            AddDirRun(tree.files, tree.folders);
        }
        return m_catalogue;
    }

private:
    std::uint32_t At() const { return Word(m_catalogue.size(), "catalogue offset"); }

    void AddFiles(const std::vector<WriterFile>& files)
    {
        for (const WriterFile& file : files) {
            m_catalogue += Record(m_format, file.name, kFile, Word(file.Size(), file.name), Word(m_nextData, file.name));
            m_nextData += file.Size();
        }
    }

    void AddPckFolder(const WriterFolder& folder)
    {
        m_catalogue += Record(m_format, folder.name, kFolder, 0, At() + static_cast<std::uint32_t>(m_size));
        AddFiles(folder.files);
        for (const WriterFolder& child : folder.folders)
            AddPckFolder(child);
        m_catalogue += Record(m_format, "", kEnd, 0, 1);
    }

    // DIR: runs in depth-first pre-order. A folder's subtree takes one record
    // in its parent's run and CountRecords - 1 records of runs of its own.
    void AddDirRun(const std::vector<WriterFile>& files, const std::vector<WriterFolder>& folders)
    {
        std::uint64_t childRun = At() + (files.size() + folders.size() + 1) * m_size;
        AddFiles(files);
        for (const WriterFolder& folder : folders) {
            m_catalogue += Record(m_format, folder.name, kFolder, 0, Word(childRun, folder.name));
            childRun += (CountRecords(folder) - 1) * m_size;
        }
        m_catalogue += Record(m_format, "", kEnd, 0, 0);
        for (const WriterFolder& folder : folders)
            AddDirRun(folder.files, folder.folders);
    }

    ArchiveFormat m_format;
    std::uint64_t m_size;
    std::uint64_t m_nextData;
    std::string m_catalogue;
};

void WriteData(const WriterFile& file, std::ostream& out)
{
    if (file.sourcePath.empty()) {
        out.write(file.data.data(), static_cast<std::streamsize>(file.data.size()));
        return;
    }
    std::ifstream in(file.sourcePath, std::ios::binary);
    std::vector<char> buffer(1 << 20);
    std::uint64_t left = file.sourceSize;
    while (left > 0 && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(left, buffer.size())));
        out.write(buffer.data(), in.gcount());
        left -= static_cast<std::uint64_t>(in.gcount());
    }
    if (left > 0)
        throw std::runtime_error("could not read " + file.sourcePath);
}

void WriteFolderData(const WriterFolder& folder, std::ostream& out)
{
    for (const WriterFile& file : folder.files)
        WriteData(file, out);
    for (const WriterFolder& child : folder.folders)
        WriteFolderData(child, out);
}

// Names on disk are UTF-8; the archive stores them in its code page.
std::string ArchiveName(const std::filesystem::path& path)
{
    const std::string name = path.filename().string();
    const std::optional<std::string> encoded = EncodeWindows1252(name);
    if (!encoded)
        throw std::runtime_error("name not representable in Windows-1252: " + name);
    return *encoded;
}

WriterFolder FolderFromDirectory(const std::filesystem::path& path)
{
    std::vector<std::filesystem::directory_entry> entries(std::filesystem::directory_iterator(path), {});
    std::sort(entries.begin(), entries.end());
    WriterFolder folder{ArchiveName(path), {}, {}};
    for (const auto& entry : entries) {
        if (entry.is_directory())
            folder.folders.push_back(FolderFromDirectory(entry.path()));
        else
            folder.files.push_back({ArchiveName(entry.path()), "", entry.path().string(), entry.file_size()});
    }
    return folder;
}

}  // namespace

std::string Record(ArchiveFormat format, std::string_view name, std::uint32_t typeWord, std::uint32_t size,
                   std::uint32_t position)
{
    const RecordLayout layout = LayoutOf(format);
    if (name.size() > layout.nameField)
        throw std::runtime_error("name too long for its field: " + std::string(name));
    std::string record(name);
    record.resize(layout.nameField, '\0');
    PutWord(record, typeWord);
    PutWord(record, size);
    PutWord(record, position);
    return record;
}

void WriteArchive(ArchiveFormat format, const WriterTree& tree, std::ostream& out)
{
    const std::string catalogue = Layout(format, tree).Catalogue(tree);
    out.write(catalogue.data(), static_cast<std::streamsize>(catalogue.size()));
    // Data follows in the order the catalogue lists files: DIR and PCK alike
    // lay out a folder's files before its sub-folders.
    for (const WriterFile& file : tree.files)
        WriteData(file, out);
    for (const WriterFolder& folder : tree.folders)
        WriteFolderData(folder, out);
}

std::string BuildArchive(ArchiveFormat format, const WriterTree& tree)
{
    std::ostringstream out;
    WriteArchive(format, tree, out);
    return out.str();
}

WriterTree TreeFromDirectory(const std::string& path)
{
    WriterFolder top = FolderFromDirectory(path);
    return {std::move(top.files), std::move(top.folders)};
}

}  // namespace vorn::testing
