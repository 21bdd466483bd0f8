#include "views/hex_view.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace vorn {
namespace {

constexpr int kMargin = 4;

}  // namespace

CHexView::CHexView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("CHexView"));
    setAccessibleName(tr("Hex dump"));
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    connect(&m_blocks, &CHexBlocks::BlocksArrived, viewport(), qOverload<>(&QWidget::update));
}

void CHexView::SetEntry(std::shared_ptr<const ByteSource> source, const FileEntry& entry, std::uint64_t size)
{
    m_blocks.SetEntry(std::move(source), entry, size);
    UpdateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
}

int CHexView::LineHeight() const
{
    return fontMetrics().lineSpacing();
}

std::uint64_t CHexView::FirstVisibleRow() const
{
    return static_cast<std::uint64_t>(verticalScrollBar()->value());
}

int CHexView::VisibleRows() const
{
    return std::max(1, (viewport()->height() - kMargin) / LineHeight());
}

QStringList CHexView::VisibleText() const
{
    QStringList lines;
    const std::uint64_t end = std::min(m_blocks.RowCount(), FirstVisibleRow() + static_cast<std::uint64_t>(VisibleRows()));
    for (std::uint64_t row = FirstVisibleRow(); row < end; ++row)
        lines << HexRowText(m_blocks.RowAt(row));
    return lines;
}

void CHexView::UpdateScrollBars()
{
    // Rows up to 2^28 for the largest entry: the scroll bar's int holds them.
    const auto rows = static_cast<int>(m_blocks.RowCount());
    verticalScrollBar()->setRange(0, std::max(0, rows - VisibleRows()));
    verticalScrollBar()->setPageStep(VisibleRows());
    verticalScrollBar()->setSingleStep(1);
    const int textWidth = fontMetrics().horizontalAdvance(HexRowText({})) + 2 * kMargin;
    horizontalScrollBar()->setRange(0, std::max(0, textWidth - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void CHexView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int line = LineHeight();
    const std::uint64_t first = FirstVisibleRow();
    // The row cut off at the bottom is drawn too.
    const std::uint64_t end = std::min(m_blocks.RowCount(), first + static_cast<std::uint64_t>(VisibleRows()) + 1);
    if (end <= first)
        return;
    m_blocks.Want(first, end - 1);
    const int x = kMargin - horizontalScrollBar()->value();
    int y = kMargin + fontMetrics().ascent();
    for (std::uint64_t row = first; row < end; ++row, y += line)
        painter.drawText(x, y, HexRowText(m_blocks.RowAt(row)));
}

void CHexView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CHexView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar& bar = *verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Home:
        bar.triggerAction(QAbstractSlider::SliderToMinimum);
        break;
    case Qt::Key_End:
        bar.triggerAction(QAbstractSlider::SliderToMaximum);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void CHexView::scrollContentsBy(int, int)
{
    viewport()->update();
}

}  // namespace vorn
