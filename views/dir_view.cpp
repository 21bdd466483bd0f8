#include "views/dir_view.h"

#include "archive/archive_file.h"

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

void CDirView::SetArchive(std::shared_ptr<const CArchiveFile> archive)
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
    if (m_archive && m_archive->GetFormat() == ArchiveFormat::None)
        expand(m_model.ArchiveIndex());
    else
        SelectFolder(nullptr);
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
    PaneSelection request{PaneSelection::Pane::Tree, m_archive, {}};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        const QModelIndex item = selected.front();
        if (const CDirNode* folder = m_model.FolderAt(item))
            request.items.push_back(ExtractionItem::Folder(*folder));
        else
            request.items.push_back(ExtractionItem::TopLevel(item.data().toString().toStdString()));
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
    const QModelIndexList items = selectionModel()->selectedIndexes();
    if (items.isEmpty())
        emit SelectionCleared();
    else
        emit FolderSelected(m_model.FolderAt(items.front()));
}

}  // namespace vorn
