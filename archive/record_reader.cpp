#include "archive/record_reader.h"

#include <algorithm>
#include <cstring>

namespace vorn {

RecordReader::RecordReader(const ByteSource& source, RecordLayout layout, NameDecoder& names)
    : m_source(source), m_sourceSize(source.Size()), m_layout(layout), m_names(names)
{
}

const BlockCache::Block& RecordReader::BlockAt(std::uint64_t index)
{
    if (m_lastBlock && m_lastBlock->index == index)
        return *m_lastBlock;
    m_lastBlock = m_blocks.Use(index);
    if (m_lastBlock)
        return *m_lastBlock;
    BlockCache::Block& block = m_blocks.Add(index);
    block.bytes.resize(kBlockSize);
    block.bytes.resize(m_source.ReadAt(index * kBlockSize, block.bytes));
    m_lastBlock = &block;
    return block;
}

std::optional<RawRecord> RecordReader::ReadRecord(std::uint64_t offset)
{
    if (offset + m_layout.recordSize > m_sourceSize)
        return std::nullopt;
    // Most records lie inside one block and are decoded where they stand.
    const BlockCache::Block& first = BlockAt(offset / kBlockSize);
    const std::size_t firstStart = static_cast<std::size_t>(offset % kBlockSize);
    if (firstStart + m_layout.recordSize <= first.bytes.size())
        return DecodeRecord(first.bytes.data() + firstStart, m_layout, m_names);

    static_assert(kPckLayout.recordSize >= kDirLayout.recordSize);
    unsigned char record[kPckLayout.recordSize];
    std::size_t copied = 0;
    while (copied < m_layout.recordSize) {
        const std::uint64_t at = offset + copied;
        const BlockCache::Block& block = BlockAt(at / kBlockSize);
        const std::size_t start = static_cast<std::size_t>(at % kBlockSize);
        if (start >= block.bytes.size())
            return std::nullopt;  // the file shrank under us
        const std::size_t count = std::min(m_layout.recordSize - copied, block.bytes.size() - start);
        std::memcpy(record + copied, block.bytes.data() + start, count);
        copied += count;
    }
    return DecodeRecord(record, m_layout, m_names);
}

}  // namespace vorn
