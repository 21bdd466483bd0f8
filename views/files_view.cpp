#include "views/files_view.h"

#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "views/files_view_accessible.h"
#include "res/images.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>
#include <unordered_set>

namespace vorn {
namespace {

// Names measured when sizing the name column: the longest ones by length, so a
// folder of 100,000 files is sized as cheaply as one of a hundred.
constexpr std::size_t kMeasuredNames = 64;

constexpr int kFolderWidth = 160;
constexpr int kFigureWidth = 90;

// Columns the header's menu shows and hides; both start hidden.
constexpr ListColumn kOptionalColumns[] = {BytesColumn, OffsetColumn};

// Consecutive rows as one range each, so that selecting 100,000 rows costs
// as little as selecting one.
QItemSelection RowRanges(const QAbstractItemModel& model, std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    QItemSelection selection;
    const int lastColumn = model.columnCount() - 1;
    for (std::size_t first = 0; first < rows.size();) {
        std::size_t last = first;
        while (last + 1 < rows.size() && rows[last + 1] <= rows[last] + 1)
            ++last;
        selection.select(model.index(rows[first], 0), model.index(rows[last], lastColumn));
        first = last + 1;
    }
    return selection;
}

}  // namespace

CFilesView::CFilesView(QWidget* parent) : QTableView(parent)
{
    InstallFilesViewAccessible();
    setObjectName(QStringLiteral("CFilesView"));
    setAccessibleName(tr("Files"));
    setModel(&m_model);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(RowHeight());
    QHeaderView* columns = horizontalHeader();
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setHighlightSections(false);
    columns->setSectionsMovable(false);
    columns->setStretchLastSection(false);
    columns->resizeSection(NameColumn, kNameWidth);
    columns->resizeSection(SizeColumn, kSizeWidth);
    columns->resizeSection(TypeColumn, kTypeWidth);
    columns->resizeSection(FolderColumn, kFolderWidth);
    columns->hideSection(FolderColumn);
    for (const ListColumn column : kOptionalColumns) {
        columns->resizeSection(column, kFigureWidth);
        columns->hideSection(column);
    }
    // Ascending, descending, then catalogue order again.
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(true);
    columns->setSortIndicatorClearable(true);
    columns->setSortIndicator(ListSort::kCatalogueOrder, Qt::AscendingOrder);
    connect(columns, &QHeaderView::sortIndicatorChanged, this, [this] { emit SortChanged(Sort()); });
    columns->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(columns, &QHeaderView::customContextMenuRequested, this, &CFilesView::ShowHeaderMenu);
}

void CFilesView::SetArchive(std::shared_ptr<const PendingArchive> archive)
{
    m_pending = std::move(archive);
    m_archive = m_pending ? m_pending->Saved() : nullptr;
    m_model.SetArchive(m_pending.get());
    // Only the check holds the archive, and not past its end: the archive's
    // file closes as soon as the window lets it go. A check that has not
    // started yet is dropped, and one about another archive never shows.
    m_findingsCheck.Post([this, archive = m_archive](
                             const CBackgroundWorker::Ticket&) mutable -> CBackgroundWorker::Delivery {
        if (!archive)
            return {};
        auto findings = std::make_shared<const RowFindings>(RowFindings::Of(archive->GetCatalogue()));
        archive.reset();
        return [this, findings = std::move(findings)] { m_model.SetFindings(findings); };
    });
}

void CFilesView::ShowRows(SharedRows rows, const std::vector<ExtractionItem>& keep)
{
    m_model.SetRows(std::move(rows));
    AutoSizeNameColumn();
    WidenSizeColumnToFit();
    scrollToTop();
    SelectItems(keep);
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

ListSort CFilesView::Sort() const
{
    const QHeaderView* columns = horizontalHeader();
    return {columns->sortIndicatorSection(), columns->sortIndicatorOrder() == Qt::DescendingOrder};
}

void CFilesView::SetSort(const ListSort& sort)
{
    const int column = sort.column >= 0 && sort.column < kListColumnCount ? sort.column : ListSort::kCatalogueOrder;
    horizontalHeader()->setSortIndicator(column, sort.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CFilesView::SortBy(int column)
{
    const ListSort sort = Sort();
    if (sort.column != column)
        SetSort({column, false});
    else if (!sort.descending)
        SetSort({column, true});
    else
        SetSort({});
}

void CFilesView::ShowOptionalColumn(ListColumn column, bool shown)
{
    setColumnHidden(column, !shown);
    if (shown && columnWidth(column) <= 0)
        setColumnWidth(column, kFigureWidth);
    emit OptionalColumnsChanged();
}

void CFilesView::ShowFolderColumn(bool shown)
{
    setColumnHidden(FolderColumn, !shown);
}

QByteArray CFilesView::SaveHeaderState() const
{
    return horizontalHeader()->saveState();
}

void CFilesView::RestoreHeaderState(const QByteArray& state)
{
    // The sort and the Folder column belong to the rows shown now, not to the saved layout.
    const ListSort sort = Sort();
    const bool folderShown = !isColumnHidden(FolderColumn);
    if (!horizontalHeader()->restoreState(state))
        return;
    ShowFolderColumn(folderShown);
    SetSort(sort);
    emit OptionalColumnsChanged();
}

PaneSelection CFilesView::CurrentSelection() const
{
    // Commands act on the saved archive, which does not hold what was added since.
    std::vector<ExtractionItem> items = SelectedItems();
    std::erase_if(items, [this](const ExtractionItem& item) {
        return m_pending->IsAdded(item.folder ? PendingItem::Folder(*item.folder) : PendingItem::File(item.entry));
    });
    return {PaneSelection::Pane::List, m_archive, std::move(items)};
}

void CFilesView::OnExtract()
{
    emit ExtractRequested(CurrentSelection());
}

void CFilesView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit RowActivated(index.row());
}

void CFilesView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The Enter that ends a name edited in place comes here too, from the editor.
        if (modifiers == Qt::NoModifier && currentIndex().isValid() && state() != EditingState) {
            emit RowActivated(currentIndex().row());
            return;
        }
        break;
    case Qt::Key_Backspace:
        if (modifiers == Qt::NoModifier) {
            emit UpRequested();
            return;
        }
        break;
    case Qt::Key_Home:
    case Qt::Key_End:
        // Ctrl+Home and Ctrl+End select the row they go to, as Home and End do.
        if (modifiers == Qt::ControlModifier) {
            QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text());
            QTableView::keyPressEvent(&plain);
            return;
        }
        break;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex CFilesView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    // Home and End go to the first and last row, not to the first and last column.
    if ((cursorAction == MoveHome || cursorAction == MoveEnd) && m_model.rowCount() > 0) {
        const int row = cursorAction == MoveHome ? 0 : m_model.rowCount() - 1;
        return m_model.index(row, currentIndex().isValid() ? currentIndex().column() : NameColumn);
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void CFilesView::startDrag(Qt::DropActions)
{
    // Handing the rows over runs the event loop, which may bring mouse moves
    // that would start the drag again.
    const PaneSelection request = CurrentSelection();
    if (m_dragging || request.items.empty())
        return;
    m_dragging = true;
    emit DragRequested(request);
    m_dragging = false;
}

void CFilesView::ShowHeaderMenu(const QPoint& position)
{
    QMenu menu(this);
    for (const ListColumn column : kOptionalColumns) {
        QAction* action = menu.addAction(m_model.headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!isColumnHidden(column));
        connect(action, &QAction::toggled, this, [this, column](bool shown) { ShowOptionalColumn(column, shown); });
    }
    menu.exec(horizontalHeader()->viewport()->mapToGlobal(position));
}

void CFilesView::SelectItems(const std::vector<ExtractionItem>& items)
{
    if (items.empty())
        return;
    std::unordered_set<const CDirNode*> folders;
    std::unordered_set<std::uint32_t> files;
    for (const ExtractionItem& item : items) {
        if (item.kind == ExtractionItem::Kind::Folder)
            folders.insert(item.folder);
        else if (item.kind == ExtractionItem::Kind::File)
            files.insert(item.entry);
    }
    const std::vector<const CDirNode*>& shownFolders = *m_model.Rows().folders;
    const std::vector<std::uint32_t>& shownFiles = *m_model.Rows().files;
    std::vector<int> rows;
    for (std::size_t index = 0; index < shownFolders.size(); ++index)
        if (folders.count(shownFolders[index]))
            rows.push_back(static_cast<int>(index));
    for (std::size_t index = 0; index < shownFiles.size(); ++index)
        if (files.count(shownFiles[index]))
            rows.push_back(static_cast<int>(shownFolders.size() + index));
    if (rows.empty())
        return;
    const int current = std::max(m_model.RowOf(items.front()), 0);
    selectionModel()->setCurrentIndex(m_model.index(current, NameColumn), QItemSelectionModel::NoUpdate);
    selectionModel()->select(RowRanges(m_model, rows), QItemSelectionModel::ClearAndSelect);
    scrollTo(currentIndex());
}

void CFilesView::AutoSizeNameColumn()
{
    // Never narrower than the column's header, so "Name" stays readable over an empty list.
    int width = horizontalHeader()->sectionSizeHint(NameColumn);
    for (int row : m_model.RowsWithLongestNames(kMeasuredNames))
        width = std::max(width, sizeHintForIndex(m_model.index(row, NameColumn)).width());
    horizontalHeader()->resizeSection(NameColumn, width);
}

void CFilesView::WidenSizeColumnToFit()
{
    // Digits are as wide as each other, so the largest file has the widest size;
    // a column the user made wider stays so.
    const int row = m_model.RowWithLargestFile();
    if (row < 0)
        return;
    const int needed = sizeHintForIndex(m_model.index(row, SizeColumn)).width();
    if (horizontalHeader()->sectionSize(SizeColumn) < needed)
        horizontalHeader()->resizeSection(SizeColumn, needed);
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
