#pragma once

#include "views/hex_blocks.h"

#include <QAbstractScrollArea>

namespace vorn {

// A hex dump of one entry: offset, 16 bytes and their ASCII on each row,
// drawn for the rows in view alone, whose bytes CHexBlocks reads as they come
// into view. The scroll bar counts rows, so every row of a 4 GiB entry can be
// reached; rows not read yet show their offset until their bytes arrive.
class CHexView final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit CHexView(QWidget* parent = nullptr);

    // Shows the first size bytes of entry from the top; null archive: nothing.
    void SetEntry(std::shared_ptr<const ByteSource> source, const FileEntry& entry, std::uint64_t size);
    const CHexBlocks& Blocks() const { return m_blocks; }

    std::uint64_t FirstVisibleRow() const;
    // Rows that fit whole in the view.
    int VisibleRows() const;
    // The text of the rows in view, as drawn.
    QStringList VisibleText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollBars();
    int LineHeight() const;

    CHexBlocks m_blocks;
};

}  // namespace vorn
