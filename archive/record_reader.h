#pragma once

#include "archive/archive_format.h"
#include "archive/byte_source.h"

#include <optional>
#include <vector>

namespace vorn {

// Reads catalogue records through a cache of large blocks, so that walking a
// catalogue of a million records costs a few hundred reads, not a million.
class RecordReader {
public:
    RecordReader(const ByteSource& source, RecordLayout layout);

    // The record at offset, or nothing when fewer than a whole record remain.
    std::optional<RawRecord> ReadRecord(std::uint64_t offset);

private:
    static constexpr std::size_t kBlockSize = 1 << 20;

    const ByteSource& m_source;
    RecordLayout m_layout;
    std::vector<unsigned char> m_block;
    std::uint64_t m_blockStart = 0;
    std::size_t m_blockLength = 0;
};

}  // namespace vorn
