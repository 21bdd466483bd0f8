#pragma once

#include "archive/archive_format.h"
#include "archive/byte_source.h"

#include <optional>
#include <vector>

namespace vorn {

// Reads catalogue records through a block cache, so that walking a catalogue
// of a million records costs a few dozen reads, not a million. Reading on from
// the current block fetches a large block; a jump elsewhere fetches a small one,
// so a catalogue that jumps about costs little more than its records.
class RecordReader {
public:
    RecordReader(const ByteSource& source, RecordLayout layout);

    // The record at offset, or nothing when fewer than a whole record remain.
    std::optional<RawRecord> ReadRecord(std::uint64_t offset);

private:
    static constexpr std::size_t kBlockSize = 1 << 20;
    static constexpr std::size_t kJumpBlockSize = 4 << 10;

    const ByteSource& m_source;
    RecordLayout m_layout;
    std::vector<unsigned char> m_block;
    std::uint64_t m_blockStart = 0;
    std::size_t m_blockLength = 0;
};

}  // namespace vorn
