#pragma once

#include <cstdint>
#include <sys/stat.h>
#include <string>
#include <vector>

namespace vorn {

// Where a file's bytes come from when the archive is written.
enum class FileSource : std::uint8_t {
    Archive,  // the source archive, at sourceOffset
    Scanned,  // the file of its own name in its folder's diskPath
    Picked,   // the file the user named: the tree's picked[sourceOffset]
};

// One file of an archive about to be written. Kept small (48 bytes): a pack of
// a million files holds a million of them. Offsets and sizes are 32-bit words
// in the archive, and larger files are refused when they are taken.
struct EditFile {
    std::string name;  // UTF-8
    std::uint32_t size = 0;
    std::uint32_t sourceOffset = 0;  // Archive: where its data is; Picked: which picked file
    // Its record in the source archive, whose upper type bytes it keeps, and
    // the name field too while nameFromArchive holds.
    std::uint32_t recordOffset = 0;
    FileSource source = FileSource::Archive;
    bool hasRecord = false;
    bool nameFromArchive = false;  // the name is the archive's own, its bytes kept as stored
};

// One folder, or the archive's top level (whose name is empty). Its records
// come in this order: files[0, folders[k].filesBefore) before folders[k], so
// a folder's files and sub-folders interleave as they did in the archive read.
struct EditFolder {
    std::string name;
    std::vector<EditFile> files;
    std::vector<EditFolder> folders;
    std::size_t filesBefore = 0;  // of the parent's files, those whose records precede this folder's
    std::uint64_t recordOffset = 0;
    std::uint64_t endRecordOffset = 0;
    bool hasRecord = false;
    bool hasEndRecord = false;
    bool nameFromArchive = false;
    std::string diskPath;  // a folder read from disk: where its Scanned files are
};

// A file on disk the user named, and what it was then: one that changed
// fails the write instead of putting other bytes in.
struct PickedFile {
    std::string path;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
};

// A file's time of modification in nanoseconds, as PickedFile keeps it.
std::int64_t ModifiedNsOf(const struct stat& status);

struct EditTree {
    EditFolder top;
    std::vector<PickedFile> picked;
    // The record that ended the source archive's catalogue, kept as the files' are.
    std::uint64_t closingRecordOffset = 0;
    bool hasClosingRecord = false;
};

// Calls onFile(file) and onFolder(folder) for the folder's children in record order.
template <typename Folder, typename OnFile, typename OnFolder>
void ForEachChild(Folder& folder, OnFile onFile, OnFolder onFolder)
{
    std::size_t file = 0;
    for (auto& child : folder.folders) {
        for (; file < child.filesBefore && file < folder.files.size(); ++file)
            onFile(folder.files[file]);
        onFolder(child);
    }
    for (; file < folder.files.size(); ++file)
        onFile(folder.files[file]);
}

// Files and folders below folder, itself not counted.
struct TreeCount {
    std::uint64_t files = 0;
    std::uint64_t folders = 0;
    std::uint64_t bytes = 0;
};
TreeCount CountTree(const EditFolder& folder);

}  // namespace vorn
