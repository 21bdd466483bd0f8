#pragma once

#include "archive/archive_format.h"

#include <cstdint>

namespace vorn {

class CArchiveFile;

// The figures of an archive as a whole.
struct [[nodiscard]] ArchiveSummary {
    ArchiveFormat format = ArchiveFormat::None;
    std::uint64_t records = 0;  // catalogue records read
    std::uint64_t folders = 0;
    std::uint64_t files = 0;
    std::uint64_t totalBytes = 0;   // the files' sizes added up
    std::uint64_t archiveSize = 0;  // of the file on disk
    // Bytes of the file that neither a catalogue record nor any file's data
    // covers: padding, leftovers, data no entry points at.
    std::uint64_t uncoveredBytes = 0;
};

ArchiveSummary Summarize(const CArchiveFile& archive);

}  // namespace vorn
