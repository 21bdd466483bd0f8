#include "views/files_pane.h"

#include "archive/archive_file.h"
#include "browse/name_pattern.h"
#include "edit/pending_archive.h"
#include "views/figures.h"
#include "views/files_view.h"
#include "views/item_facts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vorn {

CFilesPane::CFilesPane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CFilesPane"));
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Filter names (Ctrl+F)"));
    m_filter->setToolTip(tr("Shows only the names that contain this text; * and ? are wildcards (Ctrl+F, Esc clears)"));
    m_filter->setAccessibleName(tr("Filter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAcceptDrops(false);  // an archive dropped anywhere on the window opens
    m_filter->installEventFilter(this);
    m_wholeArchive = new QCheckBox(tr("&Whole archive"), this);
    m_wholeArchive->setObjectName(QStringLiteral("wholeArchive"));
    m_wholeArchive->setToolTip(tr("Search every folder of the archive instead of the one shown (Alt+W)"));
    m_wholeArchive->setAccessibleName(tr("Search the whole archive"));
    m_list = new CFilesView(this);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addWidget(m_filter, 1);
    bar->addWidget(m_wholeArchive);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(m_list, 1);

    connect(m_filter, &QLineEdit::textChanged, this, &CFilesPane::OnFilterChanged);
    connect(m_wholeArchive, &QCheckBox::toggled, this, &CFilesPane::OnFilterChanged);
    connect(m_list, &CFilesView::SortChanged, this, &CFilesPane::OnSortChanged);
    connect(m_list, &CFilesView::RowActivated, this, &CFilesPane::OnRowActivated);
    connect(m_list, &CFilesView::UpRequested, this, &CFilesPane::GoUp);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CFilesPane::ListChanged);
    connect(&m_search, &CArchiveSearch::Found, this, &CFilesPane::OnFound);
}

void CFilesPane::SetArchive(std::shared_ptr<const PendingArchive> archive)
{
    m_search.Stop();
    EndFilter();
    m_pending = std::move(archive);
    m_archive = m_pending ? m_pending->Saved() : nullptr;
    m_folder.reset();
    m_folderRows = Share({});
    m_history.Clear();
    m_pendingSelection.reset();
    m_list->SetArchive(m_pending);
    m_wholeArchive->setEnabled(true);
    emit ListChanged();
}

void CFilesPane::Refresh()
{
    if (!m_pending)
        return;
    const bool changed = m_pending->PendingSteps() > 0;
    m_wholeArchive->setEnabled(!changed);
    m_wholeArchive->setToolTip(changed ? tr("Save the pending changes to search the whole archive")
                                       : tr("Search every folder of the archive instead of the one shown (Alt+W)"));
    if (changed && InSearch())
        EndFilter();
    if (!m_folder)
        return;
    // Folders visited may be gone, or undone for good.
    const CDirNode* folder = *m_folder;
    while (!m_pending->IsShown(folder))
        folder = folder->m_parent;
    m_history.Clear();
    m_history.Visit(folder);
    const std::vector<ExtractionItem> keep = m_list->SelectedItems();
    if (folder != *m_folder) {
        NavigateTo(folder, std::nullopt);
        return;
    }
    LoadFolderRows();
    ShowFolderRows(keep);
}

void CFilesPane::ShowFolder(const CDirNode* folder)
{
    if (!m_archive)
        return;
    EndFilter();
    m_folder = folder;
    m_history.Visit(folder);
    LoadFolderRows();
    std::vector<ExtractionItem> keep;
    if (m_pendingSelection)
        keep.push_back(*m_pendingSelection);
    m_pendingSelection.reset();
    ShowFolderRows(keep);
}

void CFilesPane::DeleteAllItems()
{
    EndFilter();
    m_folder.reset();
    m_folderRows = Share({});
    m_list->DeleteAllItems();
    emit ListChanged();
}

void CFilesPane::FocusFilter()
{
    m_filter->setFocus(Qt::ShortcutFocusReason);
    m_filter->selectAll();
}

void CFilesPane::OpenSelected()
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (selected.size() == 1)
        OnRowActivated(selected.front().row());
}

void CFilesPane::GoUp()
{
    if (m_folder && *m_folder)
        NavigateTo((*m_folder)->m_parent, ExtractionItem::Folder(**m_folder));
}

void CFilesPane::GoBack()
{
    const std::optional<const CDirNode*> previous = m_history.Back();
    if (previous)
        NavigateTo(*previous, std::nullopt);
}

void CFilesPane::GoForward()
{
    const std::optional<const CDirNode*> next = m_history.Forward();
    if (next)
        NavigateTo(*next, std::nullopt);
}

void CFilesPane::Reveal(const ExtractionItem& item)
{
    if (!m_archive || item.kind == ExtractionItem::Kind::TopLevel)
        return;
    NavigateTo(item.folder ? item.folder->m_parent : m_pending->File(item.entry).m_folder, item);
}

QString CFilesPane::ContentSummary() const
{
    if (!m_archive || (!m_folder && !InSearch()))
        return {};
    const SharedRows& rows = m_list->Model().Rows();
    std::uint64_t bytes = 0;
    for (const std::uint32_t entry : *rows.files)
        bytes += m_pending->File(entry).m_size;
    return tr("%1, %2, %3")
        .arg(Counted(rows.folders->size(), QT_TRANSLATE_NOOP("Counted", "folder"),
                     QT_TRANSLATE_NOOP("Counted", "folders")),
             CountedFiles(rows.files->size()), ByteSize(bytes));
}

QString CFilesPane::SelectionSummary() const
{
    const std::vector<ExtractionItem> selected = m_list->SelectedItems();
    if (!m_archive || selected.empty())
        return {};
    // A file's size as it will be; a folder's content as saved.
    std::uint64_t bytes = 0;
    std::vector<ExtractionItem> folders;
    for (const ExtractionItem& item : selected) {
        if (item.kind == ExtractionItem::Kind::File)
            bytes += m_pending->File(item.entry).m_size;
        else if (!m_pending->IsAdded(PendingItem::Folder(*item.folder)))
            folders.push_back(item);
    }
    bytes += FactsOf(*m_archive, folders).bytes;
    return tr("%1 selected, %2").arg(GroupedNumber(selected.size()), ByteSize(bytes));
}

bool CFilesPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Esc clears the filter, and leaves the box once it is empty.
        if (key->key() == Qt::Key_Escape) {
            if (m_filter->text().isEmpty())
                m_list->setFocus(Qt::ShortcutFocusReason);
            else
                m_filter->clear();
            return true;
        }
        // Down and Enter go on to the rows found.
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_list->setFocus(Qt::ShortcutFocusReason);
            if (!m_list->currentIndex().isValid() && m_list->model()->rowCount() > 0)
                m_list->setCurrentIndex(m_list->model()->index(0, NameColumn));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CFilesPane::InSearch() const
{
    return m_wholeArchive->isChecked();
}

void CFilesPane::OnFilterChanged()
{
    if (m_endingFilter)
        return;
    m_list->ShowFolderColumn(InSearch());
    if (InSearch())
        StartSearch();
    else if (m_folder)
        ShowFolderRows(m_list->SelectedItems());
    else
        m_list->DeleteAllItems();
    emit ListChanged();
}

void CFilesPane::OnSortChanged()
{
    if (InSearch()) {
        StartSearch();
    } else if (m_folder && m_archive) {
        LoadFolderRows();
        ShowFolderRows(m_list->SelectedItems());
    }
}

void CFilesPane::OnRowActivated(int row)
{
    const CFilesModel& model = m_list->Model();
    const CDirNode* folder = model.FolderAt(row);
    if (InSearch()) {
        // A result opens the folder it is in, with its row selected.
        const ExtractionItem item = model.ExtractionItemAt(row);
        NavigateTo(folder ? folder->m_parent : m_pending->File(item.entry).m_folder, item);
    } else if (folder) {
        NavigateTo(folder, std::nullopt);
    } else if (const std::optional<std::uint32_t> entry = model.EntryAt(row);
               entry && !m_pending->IsAdded(PendingItem::File(*entry))) {
        emit FileOpenRequested(m_archive, *entry);
    }
}

void CFilesPane::OnFound()
{
    SharedRows found = m_search.TakeFound();
    if (!InSearch())
        return;
    m_list->ShowRows(std::move(found), m_list->SelectedItems());
    emit ListChanged();
}

void CFilesPane::StartSearch()
{
    if (m_archive)
        m_search.Start(m_archive, m_filter->text().toStdString(), m_list->Sort());
}

void CFilesPane::LoadFolderRows()
{
    ListRows rows = m_pending->ContentOf(*m_folder);
    SortRows(rows, m_archive->GetCatalogue(), *m_pending, m_list->Sort());
    m_folderRows = Share(std::move(rows));
}

void CFilesPane::ShowFolderRows(const std::vector<ExtractionItem>& keep)
{
    const NamePattern pattern(m_filter->text().toStdString());
    m_list->ShowRows(FilterSharedRows(m_folderRows, *m_pending, pattern), keep);
    emit ListChanged();
}

void CFilesPane::EndFilter()
{
    // Not by blocking the box's signals: its clear button follows them.
    m_endingFilter = true;
    m_filter->clear();
    m_wholeArchive->setChecked(false);
    m_endingFilter = false;
    m_list->ShowFolderColumn(false);
}

void CFilesPane::NavigateTo(const CDirNode* folder, std::optional<ExtractionItem> select)
{
    m_pendingSelection = std::move(select);
    // The tree says nothing when its selection stays as it is.
    if (m_folder && *m_folder == folder)
        ShowFolder(folder);
    else
        emit FolderRequested(folder);
}

}  // namespace vorn
