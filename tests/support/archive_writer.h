#pragma once

// Test-only: builds DIR and PCK archives from a tree description, and single raw
// records for catalogues that no tree describes (hostile or malformed ones).

#include "archive/archive_format.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::testing {

struct WriterFile {
    std::string name;        // stored as given (Windows-1252 bytes)
    std::string data;        // the file's bytes, unless sourcePath is set
    std::string sourcePath;  // stream the bytes from this file instead
    std::uint64_t sourceSize = 0;

    std::uint64_t Size() const { return sourcePath.empty() ? data.size() : sourceSize; }
};

struct WriterFolder {
    std::string name;
    std::vector<WriterFile> files;      // written before the sub-folders
    std::vector<WriterFolder> folders;
};

// An archive's top level: files outside every folder, then the folders.
struct WriterTree {
    std::vector<WriterFile> files;
    std::vector<WriterFolder> folders;
};

// Writes the catalogue, then every file's data in catalogue order. Throws
// std::runtime_error when a name does not fit its field or a source cannot be read.
void WriteArchive(ArchiveFormat format, const WriterTree& tree, std::ostream& out);
std::string BuildArchive(ArchiveFormat format, const WriterTree& tree);

// One record: the name (no NUL added when it fills the field), the type word
// and the size and position words.
std::string Record(ArchiveFormat format, std::string_view name, std::uint32_t typeWord, std::uint32_t size,
                   std::uint32_t position);

// Reads a folder on disk (sorted by name, files before sub-folders) into a tree
// whose files stream from disk.
WriterTree TreeFromDirectory(const std::string& path);

}  // namespace vorn::testing
