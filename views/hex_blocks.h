#pragma once

#include "archive/file_entry.h"
#include "framework/background_worker.h"
#include "framework/block_cache.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vorn {

class ByteSource;

// The bytes a hex dump of one entry shows, read block by block on a worker
// thread as the rows come into view and kept in a small cache, so an entry of
// 4 GiB scrolls as a 4 KiB one does: nothing is read that is not shown, and
// memory stays at the cache's size.
class CHexBlocks final : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t kRowBytes = 16;
    static constexpr std::size_t kBlockBytes = 16 << 10;
    static constexpr std::size_t kCachedBlocks = 64;

    // One row as far as it is known: its bytes once read; fewer than the row
    // should hold where the archive could not be read.
    struct Row {
        std::uint64_t offset = 0;
        std::size_t length = 0;  // the bytes the row should hold
        bool read = false;
        std::span<const unsigned char> bytes;
    };

    explicit CHexBlocks(QObject* parent = nullptr);

    // Shows the first `size` bytes of the entry (what source holds of it);
    // null for nothing.
    void SetEntry(std::shared_ptr<const ByteSource> source, const FileEntry& entry, std::uint64_t size);

    std::uint64_t Size() const { return m_size; }
    std::uint64_t RowCount() const { return (m_size + kRowBytes - 1) / kRowBytes; }
    // The row as far as it is read, without asking for it.
    Row RowAt(std::uint64_t row) const;
    // Asks for the blocks that hold rows first to last, the rows in view:
    // BlocksArrived follows once those missing are read. Requests for rows no
    // longer in view are dropped.
    void Want(std::uint64_t firstRow, std::uint64_t lastRow);
    std::size_t CachedBlocks() const { return m_blocks.Size(); }

signals:
    void BlocksArrived();

private:
    void Store(std::uint64_t generation, std::vector<BlockCache::Block> arrived);

    std::shared_ptr<const ByteSource> m_source;
    FileEntry m_entry;
    std::uint64_t m_size = 0;
    std::uint64_t m_generation = 0;  // changes with the entry, so late blocks of another are dropped
    BlockCache m_blocks{kCachedBlocks};
    std::vector<std::uint64_t> m_pending;  // the blocks asked for last, until they arrive
    CBackgroundWorker m_worker;  // every answer counts: blocks of rows since scrolled past are kept too
};

// "0001A2F0  48 65 6C 6C 6F 2C 20 77  6F 72 6C 64 21 0A 00 FF  Hello, world!..."
// with "??" for bytes that could not be read and blanks past the row's length.
QString HexRowText(const CHexBlocks::Row& row);

}  // namespace vorn
