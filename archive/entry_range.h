#pragma once

#include "archive/byte_source.h"
#include "archive/file_entry.h"

#include <cstdint>
#include <span>

namespace vorn {

// How many bytes of the entry's data the archive holds: its size, less what
// lies past the archive's end (0 when the data starts there or beyond).
std::uint64_t StoredSize(const FileEntry& entry, std::uint64_t archiveSize);

// Reads the entry's data from byte `from` of it into out, never past the
// entry's end nor the archive's. Returns how many bytes were read: fewer than
// out.size() only at either end or when the file cannot be read.
std::size_t ReadEntryRange(const ByteSource& source, const FileEntry& entry, std::uint64_t from,
                           std::span<unsigned char> out);

}  // namespace vorn
