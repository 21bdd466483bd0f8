#pragma once

#include "views/dir_tree_model.h"
#include "views/extract_request.h"

#include <QTreeView>

namespace vorn {

class CArchiveFile;
class CDirNode;
class CMorvathDoc;

// The left pane: the folder tree of the open archive. Selecting an item shows
// that folder (or, for the archive item, the archive's top level) in the list.
class CDirView final : public QTreeView {
    Q_OBJECT

public:
    // Registers itself as the document's tree view.
    explicit CDirView(CMorvathDoc& document, QWidget* parent = nullptr);

    // Called by the document before it releases the previous archive: the tree
    // forgets it at once and shows the new one at the next RebuildTree.
    void SetArchive(const CArchiveFile* archive);
    // The archive item, expanded, with every top-level folder under it, collapsed.
    void RebuildTree();
    // Selects folder's item, expanding its parents; the list then shows the folder.
    void SelectFolder(const CDirNode& folder);

    const CDirTreeModel& Model() const { return m_model; }

    // The Extract command while this pane is active: asks for the selected item.
    void OnExtract();

signals:
    void ExtractRequested(const vorn::ExtractRequest& request);

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void OnSelchanged();

    CMorvathDoc& m_document;
    const CArchiveFile* m_archive = nullptr;
    CDirTreeModel m_model;
};

}  // namespace vorn
