#include "views/files_view.h"

#include "res/images.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <algorithm>

namespace vorn {
namespace {

// Names measured when sizing the name column: the longest ones by length, so a
// folder of 100,000 files is sized as cheaply as one of a hundred.
constexpr std::size_t kMeasuredNames = 64;

}  // namespace

CFilesView::CFilesView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("CFilesView"));
    setModel(&m_model);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(RowHeight());
    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setSectionsClickable(false);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->resizeSection(CFilesModel::NameColumn, kNameWidth);
    columns->resizeSection(CFilesModel::SizeColumn, kSizeWidth);
    columns->resizeSection(CFilesModel::TypeColumn, kTypeWidth);
}

void CFilesView::SetArchive(std::shared_ptr<const CArchiveFile> archive)
{
    m_archive = std::move(archive);
    m_model.SetArchive(m_archive.get());
}

void CFilesView::ShowFolder(const CDirNode* folder)
{
    m_model.ShowFolder(folder);
    AutoSizeNameColumn();
}

void CFilesView::DeleteAllItems()
{
    m_model.Clear();
}

std::vector<ExtractionItem> CFilesView::SelectedItems() const
{
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<ExtractionItem> items;
    items.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& row : rows)
        items.push_back(m_model.ExtractionItemAt(row.row()));
    return items;
}

void CFilesView::OnExtract()
{
    emit ExtractRequested({ExtractRequest::Pane::List, m_archive, SelectedItems()});
}

void CFilesView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(event->position().toPoint());
}

void CFilesView::OnLButtonDblClk(const QPoint& point)
{
    const QModelIndex index = indexAt(point);
    if (const CDirNode* folder = index.isValid() ? m_model.FolderAt(index.row()) : nullptr)
        emit FolderOpened(*folder);
}

void CFilesView::AutoSizeNameColumn()
{
    // Never narrower than the column's header, so "Name" stays readable over an empty list.
    int width = horizontalHeader()->sectionSizeHint(CFilesModel::NameColumn);
    for (int row : m_model.RowsWithLongestNames(kMeasuredNames))
        width = std::max(width, sizeHintForIndex(m_model.index(row, CFilesModel::NameColumn)).width());
    horizontalHeader()->resizeSection(CFilesModel::NameColumn, width);
}

int CFilesView::RowHeight()
{
    // The height of a row with an icon and a line of text, as the style draws it.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.text = QStringLiteral("Xg");
    option.icon = res::ListFileIcon();
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
}

}  // namespace vorn
