#pragma once

#include "archive/archive_format.h"
#include "archive/byte_source.h"
#include "archive/name_encoding.h"
#include "framework/block_cache.h"

#include <optional>

namespace vorn {

// Reads catalogue records through a small cache of aligned blocks: walking a
// catalogue of a million records costs a few thousand reads, not a million,
// DIR's jumps between a folder's run and its parent's find their blocks still
// cached, and a catalogue that jumps about at random costs one small block per
// record at worst.
class RecordReader {
public:
    RecordReader(const ByteSource& source, RecordLayout layout, NameDecoder& names);

    // The record at offset, or nothing when fewer than a whole record remain.
    std::optional<RawRecord> ReadRecord(std::uint64_t offset);

private:
    static constexpr std::size_t kBlockSize = 16 << 10;
    static constexpr std::size_t kCachedBlocks = 64;

    // The cached block of that index, read in if need be.
    const BlockCache::Block& BlockAt(std::uint64_t index);

    const ByteSource& m_source;
    std::uint64_t m_sourceSize;
    RecordLayout m_layout;
    NameDecoder& m_names;
    BlockCache m_blocks{kCachedBlocks};
    const BlockCache::Block* m_lastBlock = nullptr;  // most records lie in the block of the one before
};

}  // namespace vorn
