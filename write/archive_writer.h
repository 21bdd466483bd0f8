#pragma once

#include "archive/archive_format.h"
#include "archive/name_encoding.h"
#include "disk/entry_copy.h"
#include "write/edit_tree.h"
#include "write/write_problem.h"

#include <string>

namespace vorn {

struct WriteProgress {
    std::uint64_t filesDone = 0;
    std::uint64_t filesTotal = 0;
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;
};

// Watches a write: Progress comes from the thread that called WriteArchive,
// StopRequested from every thread that copies.
class WriteObserver {
public:
    virtual ~WriteObserver() = default;
    virtual void Progress(const WriteProgress& progress) = 0;
    virtual bool StopRequested() const = 0;
};

// The archive the tree's Archive files come from; its records lend the kept
// bytes of the records that name one (when its format is the one written).
struct SourceArchive {
    int fd = -1;
    ArchiveFormat format = ArchiveFormat::None;
};

struct WriteOptions {
    ArchiveFormat format = ArchiveFormat::Pck;
    unsigned jobs = 1;  // threads reading files from disk
    WriteObserver* observer = nullptr;
};

struct OutputTarget {
    std::string path;
    ExistingFile existing = ExistingFile::Keep;  // an existing file there is refused, or replaced
    bool backup = false;                         // what stood there stays as path~
};

struct [[nodiscard]] WriteResult {
    WriteProblems problems;  // nothing was written unless this is empty
    TreeCount count;
    std::uint64_t archiveBytes = 0;
    std::uint64_t leftoversRemoved = 0;  // temporaries of earlier, killed writes in the target's folder
};

// Writes the tree as an archive of the chosen format, its names checked
// before (see CheckNames). The archive is made as an unnamed file in the
// target's folder and takes the target's name only once complete: a failure,
// a stop or a killed process leave no file behind, and a replaced file stays
// whole until the new one takes its place.
WriteResult WriteArchive(const EditTree& tree, NameEncoder& names, const SourceArchive& source,
                         const WriteOptions& options, const OutputTarget& target);

}  // namespace vorn
