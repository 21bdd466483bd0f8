#include "views/hex_blocks.h"

#include "archive/byte_source.h"
#include "archive/entry_range.h"

#include <algorithm>

namespace vorn {

CHexBlocks::CHexBlocks(QObject* parent) : QObject(parent)
{
}

void CHexBlocks::SetEntry(std::shared_ptr<const ByteSource> source, const FileEntry& entry, std::uint64_t size)
{
    m_source = std::move(source);
    m_entry = entry;
    m_size = m_source ? size : 0;
    ++m_generation;
    m_blocks.Clear();
    m_pending.clear();
}

CHexBlocks::Row CHexBlocks::RowAt(std::uint64_t row) const
{
    Row result;
    result.offset = row * kRowBytes;
    if (result.offset >= m_size)
        return result;
    result.length = static_cast<std::size_t>(std::min<std::uint64_t>(kRowBytes, m_size - result.offset));
    if (const BlockCache::Block* block = m_blocks.Find(result.offset / kBlockBytes)) {
        result.read = true;
        const std::size_t start = static_cast<std::size_t>(result.offset % kBlockBytes);
        if (start < block->bytes.size())
            result.bytes = std::span(block->bytes).subspan(start, std::min(result.length, block->bytes.size() - start));
    }
    return result;
}

void CHexBlocks::Want(std::uint64_t firstRow, std::uint64_t lastRow)
{
    if (m_size == 0)
        return;
    lastRow = std::min(lastRow, RowCount() - 1);
    std::vector<std::uint64_t> missing;
    for (std::uint64_t index = firstRow * kRowBytes / kBlockBytes; index <= lastRow * kRowBytes / kBlockBytes; ++index) {
        if (!m_blocks.Use(index))
            missing.push_back(index);
    }
    if (missing.empty() || missing == m_pending)
        return;
    m_pending = missing;
    m_worker.Post([this, source = m_source, entry = m_entry, size = m_size, generation = m_generation,
                   missing = std::move(missing)](const CBackgroundWorker::Ticket&) -> CBackgroundWorker::Delivery {
        std::vector<BlockCache::Block> arrived;
        for (const std::uint64_t index : missing) {
            BlockCache::Block& block = arrived.emplace_back();
            block.index = index;
            const std::uint64_t start = index * kBlockBytes;
            block.bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBlockBytes, size - start)));
            block.bytes.resize(ReadEntryRange(*source, entry, start, block.bytes));
        }
        return [this, generation, arrived = std::move(arrived)]() mutable { Store(generation, std::move(arrived)); };
    });
}

void CHexBlocks::Store(std::uint64_t generation, std::vector<BlockCache::Block> arrived)
{
    if (generation != m_generation)
        return;
    for (BlockCache::Block& block : arrived) {
        std::erase(m_pending, block.index);
        if (!m_blocks.Find(block.index))
            m_blocks.Add(block.index).bytes = std::move(block.bytes);
    }
    emit BlocksArrived();
}

QString HexRowText(const CHexBlocks::Row& row)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    QString text = QStringLiteral("%1  ").arg(row.offset, 8, 16, QLatin1Char('0')).toUpper();
    QString ascii;
    for (std::size_t i = 0; i < CHexBlocks::kRowBytes; ++i) {
        if (i == CHexBlocks::kRowBytes / 2)
            text += QLatin1Char(' ');
        if (i >= row.length || !row.read) {
            text += QLatin1String("   ");
            ascii += QLatin1Char(' ');
        } else if (i >= row.bytes.size()) {
            text += QLatin1String("?? ");
            ascii += QLatin1Char('?');
        } else {
            const unsigned char byte = row.bytes[i];
            text += QLatin1Char(kDigits[byte >> 4]);
            text += QLatin1Char(kDigits[byte & 0xF]);
            text += QLatin1Char(' ');
            ascii += byte >= 0x20 && byte < 0x7F ? QLatin1Char(static_cast<char>(byte)) : QLatin1Char('.');
        }
    }
    return text + QLatin1Char(' ') + ascii;
}

}  // namespace vorn
