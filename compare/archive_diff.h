#pragma once

#include "archive/archive_file.h"

#include <functional>
#include <string>
#include <vector>

namespace vorn {

// What changed from archive A to archive B. Paths are spelled as messages name
// items ("DATA\\SUB\\A.BIN"); every list is sorted by path.
struct [[nodiscard]] ArchiveDiff {
    struct Move {
        std::string from;  // in A
        std::string to;    // in B
    };
    // A file that could not be read whole, so its content was not compared.
    struct Unread {
        enum class Side { A, B };
        Side side;
        std::string path;
    };

    std::vector<std::string> added;    // files only in B
    std::vector<std::string> removed;  // files only in A
    std::vector<std::string> changed;  // in both, other size or other bytes
    std::vector<Move> moved;           // gone from one path, the same bytes at another
    std::vector<std::string> foldersAdded;
    std::vector<std::string> foldersRemoved;
    std::vector<Unread> unread;

    bool Equal() const;
};

// Opens an archive, its files passed to sink as the catalogue is read, and
// keeps it open; null when it cannot be read.
using OpenArchiveWith = std::function<const CArchiveFile*(const FileSink& sink)>;

// Compares two archives. Each is read on a thread of its own, and files are
// paired by path as they come, so that two archives in the same order hold
// only the few files one side has read ahead, never a whole file list. Files
// of one size are compared byte by byte; a file whose path is only on one side
// is moved when the other side's only-there files hold its bytes. Nothing
// when either archive cannot be opened.
std::optional<ArchiveDiff> CompareArchives(const OpenArchiveWith& openA, const OpenArchiveWith& openB);

}  // namespace vorn
