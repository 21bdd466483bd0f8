#include "views/dir_view.h"

#include "app/morvath_doc.h"
#include "views/files_view.h"

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

CDirView::CDirView(CMorvathDoc& document, QWidget* parent) : QTreeView(parent), m_document(document)
{
    setObjectName(QStringLiteral("CDirView"));
    setModel(&m_model);
    setHeaderHidden(true);
    // No expand button on the archive item: it is the only top-level item.
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformRowHeights(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_document.RegisterView(this);
}

void CDirView::SetArchive(const CArchiveFile* archive)
{
    m_archive = archive;
    m_model.SetArchive(nullptr);
}

void CDirView::RebuildTree()
{
    const WaitCursor waitCursor;
    m_model.SetArchive(m_archive);
    expand(m_model.ArchiveIndex());
}

void CDirView::SelectFolder(const CDirNode& folder)
{
    const QModelIndex index = m_model.IndexOf(folder);
    scrollTo(index);
    setCurrentIndex(index);
}

void CDirView::OnExtract()
{
    ExtractRequest request{ExtractRequest::Pane::Tree, m_archive, {}};
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        const QModelIndex item = selected.front();
        if (const CDirNode* folder = m_model.FolderAt(item))
            request.items.push_back(ExtractionItem::Folder(*folder));
        else
            request.items.push_back(ExtractionItem::TopLevel(item.data().toString().toStdString()));
    }
    emit ExtractRequested(request);
}

void CDirView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeView::selectionChanged(selected, deselected);
    OnSelchanged();
}

void CDirView::OnSelchanged()
{
    CFilesView* list = m_document.ListView();
    if (!list)
        return;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        list->DeleteAllItems();
    else
        list->ShowFolder(m_model.FolderAt(selected.front()));
}

}  // namespace vorn
