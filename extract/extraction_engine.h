#pragma once

#include "extract/extraction_plan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorn {

class CArchiveFile;

// What to do with a file that already stands in the target folder (files a run
// writes into folders it made itself are its own, and a later record of the same
// name replaces an earlier one).
enum class OverwritePolicy { Ask, Skip, Replace };

enum class OverwriteAnswer { Yes, YesToAll, No, NoToAll, Cancel };

// What to do with a folder to be made that stands in the target already:
// refuse it and leave out its content, or enter it (never through a symbolic
// link) and write the content into it, files following the overwrite policy.
enum class ExistingFolder { Refuse, Merge };

struct ExtractionOptions {
    OverwritePolicy overwrite = OverwritePolicy::Skip;
    ExistingFolder existingFolder = ExistingFolder::Refuse;
    // Threads writing files. One writes folders and files in plan order; more
    // make every folder first, then write the files in batches, several at once.
    unsigned jobs = 1;
};

// The number of cores, at least 4 and at most 8: a writer often waits on the
// file system (its journal, the flushing of earlier writes), and meanwhile
// another one can go on.
unsigned DefaultExtractionJobs();

struct ExtractionProgress {
    std::uint64_t filesDone = 0;
    std::uint64_t filesTotal = 0;
    std::uint64_t bytesDone = 0;
    std::uint64_t bytesTotal = 0;
    std::string currentPath;  // relative to the target
};

// Watches a run. Every call comes from the thread that called RunExtraction,
// whichever threads write the files.
class ExtractionObserver {
public:
    virtual ~ExtractionObserver() = default;
    // Once with the run's totals before the first file, then after every file
    // and every chunk of a large one (with several jobs: every few hundredths
    // of a second, and once at the end).
    virtual void Progress(const ExtractionProgress& progress) = 0;
    // Polled between files and between chunks; a cancelled run stops after
    // removing the file it was writing.
    virtual bool CancelRequested() const = 0;
    // Asked with OverwritePolicy::Ask for each file that already exists, one
    // question at a time, in plan order within a folder; newSize is the size
    // the file would have. After Yes to All or No to All nothing more is asked.
    virtual OverwriteAnswer AskOverwrite(const std::string& relativePath, std::uint64_t newSize) = 0;
};

struct [[nodiscard]] ExtractionResult {
    std::uint64_t filesPlanned = 0;  // every file the items hold, less the refused ones
    std::uint64_t filesWritten = 0;
    std::uint64_t foldersCreated = 0;
    std::uint64_t bytesWritten = 0;
    std::uint64_t filesKept = 0;  // existing files the user chose to keep
    std::uint64_t leftoversRemoved = 0;  // temporaries of earlier, killed runs
    std::vector<Failure> failures;  // refused names first, then in plan order
    bool cancelled = false;
};

// Writes the items into the folder target, which must exist and may be
// unreadable as long as it can be entered. Nothing is written outside it,
// symbolic links in it are never followed, and the archive itself is never
// replaced. In the target and in every folder it merges into, the run first
// removes the temporaries that killed runs left there (see PendingFile).
ExtractionResult RunExtraction(const CArchiveFile& archive, const std::string& target,
                               const std::vector<ExtractionItem>& items, const ExtractionOptions& options,
                               ExtractionObserver* observer = nullptr);

}  // namespace vorn
