#include "archive/record_reader.h"

namespace vorn {

RecordReader::RecordReader(const ByteSource& source, RecordLayout layout)
    : m_source(source), m_layout(layout)
{
}

std::optional<RawRecord> RecordReader::ReadRecord(std::uint64_t offset)
{
    const std::uint64_t end = offset + m_layout.recordSize;
    if (end > m_source.Size())
        return std::nullopt;
    const std::uint64_t blockEnd = m_blockStart + m_blockLength;
    if (offset < m_blockStart || end > blockEnd) {
        const bool readingOn = offset >= m_blockStart && offset <= blockEnd;
        m_block.resize(readingOn ? kBlockSize : kJumpBlockSize);
        m_blockStart = offset;
        m_blockLength = m_source.ReadAt(offset, m_block);
        if (m_blockLength < m_layout.recordSize)
            return std::nullopt;
    }
    return DecodeRecord(m_block.data() + (offset - m_blockStart), m_layout);
}

}  // namespace vorn
