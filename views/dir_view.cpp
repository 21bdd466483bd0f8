#include "views/dir_view.h"

#include "archive/archive_file.h"
#include "edit/pending_archive.h"

#include <QApplication>
#include <QHeaderView>

namespace vorn {
namespace {

// The wait cursor for the length of a scope.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CDirView::CDirView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("CDirView"));
    setAccessibleName(tr("Folders"));
    setModel(&m_model);
    setHeaderHidden(true);
    // No expand button on the archive item: it is the only top-level item.
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void CDirView::SetArchive(std::shared_ptr<const PendingArchive> archive)
{
    m_archive = std::move(archive);
    m_model.SetArchive(nullptr);
}

void CDirView::RebuildTree()
{
    const WaitCursor waitCursor;
    m_model.SetArchive(m_archive.get());
    // Selected, so that the list shows the top level at once; an archive of
    // neither kind has nothing to show or extract.
    if (m_archive && m_archive->Saved()->GetFormat() == ArchiveFormat::None)
        expand(m_model.ArchiveIndex());
    else
        SelectFolder(nullptr);
}

void CDirView::Refresh()
{
    if (!m_archive)
        return;
    std::vector<const CDirNode*> expanded;
    const auto collect = [&](const auto& self, const QModelIndex& parent) -> void {
        for (int row = 0; row < m_model.rowCount(parent); ++row) {
            const QModelIndex child = m_model.index(row, 0, parent);
            if (isExpanded(child)) {
                expanded.push_back(m_model.FolderAt(child));
                self(self, child);
            }
        }
    };
    collect(collect, m_model.ArchiveIndex());
    const QModelIndex current = currentIndex();
    const CDirNode* selected = current.isValid() ? m_model.FolderAt(current) : nullptr;
    while (!m_archive->IsShown(selected))
        selected = selected->m_parent;

    m_refreshing = true;
    m_model.SetArchive(m_archive.get());
    expand(m_model.ArchiveIndex());
    for (const CDirNode* folder : expanded)
        if (m_archive->IsShown(folder))
            expand(m_model.IndexOf(*folder));
    if (current.isValid())
        SelectFolder(selected);
    m_refreshing = false;
}

void CDirView::SelectFolder(const CDirNode* folder)
{
    const QModelIndex index = folder ? m_model.IndexOf(*folder) : m_model.ArchiveIndex();
    setCurrentIndex(index);
    expand(index);
    scrollTo(index);
}

PaneSelection CDirView::CurrentSelection() const
{
    // Commands act on the saved archive, which does not hold what was added since.
    PaneSelection request{PaneSelection::Pane::Tree, m_archive ? m_archive->Saved() : nullptr, {}};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        const QModelIndex item = selected.front();
        if (const CDirNode* folder = m_model.FolderAt(item)) {
            if (!m_archive->IsAdded(PendingItem::Folder(*folder)))
                request.items.push_back(ExtractionItem::Folder(*folder));
        } else {
            request.items.push_back(ExtractionItem::TopLevel(item.data().toString().toStdString()));
        }
    }
    return request;
}

void CDirView::OnExtract()
{
    emit ExtractRequested(CurrentSelection());
}

void CDirView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    if (m_refreshing)
        return;
    const QModelIndexList items = selectionModel()->selectedIndexes();
    if (items.isEmpty())
        emit SelectionCleared();
    else
        emit FolderSelected(m_model.FolderAt(items.front()));
}

}  // namespace vorn
