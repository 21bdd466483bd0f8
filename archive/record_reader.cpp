#include "archive/record_reader.h"

#include <algorithm>
#include <cstring>

namespace vorn {

RecordReader::RecordReader(const ByteSource& source, RecordLayout layout, NameDecoder& names)
    : m_source(source), m_layout(layout), m_names(names)
{
}

const RecordReader::Block& RecordReader::BlockAt(std::uint64_t index)
{
    ++m_uses;
    if (m_lastBlock < m_blocks.size() && m_blocks[m_lastBlock].index == index) {
        m_blocks[m_lastBlock].lastUse = m_uses;
        return m_blocks[m_lastBlock];
    }
    auto found = std::find_if(m_blocks.begin(), m_blocks.end(), [&](const Block& block) { return block.index == index; });
    if (found == m_blocks.end()) {
        if (m_blocks.size() < kCachedBlocks) {
            found = m_blocks.emplace(m_blocks.end());
            found->bytes.resize(kBlockSize);
        } else {
            found = std::min_element(m_blocks.begin(), m_blocks.end(),
                                     [](const Block& a, const Block& b) { return a.lastUse < b.lastUse; });
        }
        found->index = index;
        found->length = m_source.ReadAt(index * kBlockSize, found->bytes);
    }
    found->lastUse = m_uses;
    m_lastBlock = static_cast<std::size_t>(found - m_blocks.begin());
    return *found;
}

std::optional<RawRecord> RecordReader::ReadRecord(std::uint64_t offset)
{
    if (offset + m_layout.recordSize > m_source.Size())
        return std::nullopt;
    // Most records lie inside one block and are decoded where they stand.
    const Block& first = BlockAt(offset / kBlockSize);
    const std::size_t firstStart = static_cast<std::size_t>(offset % kBlockSize);
    if (firstStart + m_layout.recordSize <= first.length)
        return DecodeRecord(first.bytes.data() + firstStart, m_layout, m_names);

    static_assert(kPckLayout.recordSize >= kDirLayout.recordSize);
    unsigned char record[kPckLayout.recordSize];
    std::size_t copied = 0;
    while (copied < m_layout.recordSize) {
        const std::uint64_t at = offset + copied;
        const Block& block = BlockAt(at / kBlockSize);
        const std::size_t start = static_cast<std::size_t>(at % kBlockSize);
        if (start >= block.length)
            return std::nullopt;  // the file shrank under us
        const std::size_t count = std::min(m_layout.recordSize - copied, block.length - start);
        std::memcpy(record + copied, block.bytes.data() + start, count);
        copied += count;
    }
    return DecodeRecord(record, m_layout, m_names);
}

}  // namespace vorn
