#pragma once

#include "extract/pane_selection.h"
#include "views/dir_tree_model.h"

#include <QTreeView>

#include <memory>

namespace vorn {

class CDirNode;
class PendingArchive;

// The left pane: the folder tree of the open archive. Selecting an item says
// which folder (or, for the archive item, the archive's top level) to list.
class CDirView final : public QTreeView {
    Q_OBJECT

public:
    explicit CDirView(QWidget* parent = nullptr);

    // Called by the document before it lets the previous archive go: the tree
    // forgets it at once and shows the new one at the next RebuildTree.
    void SetArchive(std::shared_ptr<const PendingArchive> archive);
    // The archive item, expanded (and selected, unless the archive is of
    // neither kind), with every top-level folder under it, collapsed.
    void RebuildTree();
    // Shows the tree anew after a pending change, with the folders that were
    // open and the one selected (or the nearest above it still there), and
    // without announcing the selection again.
    void Refresh();
    // Selects folder's item (the archive item for null), scrolled into view
    // and expanded with its parents.
    void SelectFolder(const CDirNode* folder);
    // What the Extract command would extract: the selected item, if any.
    PaneSelection CurrentSelection() const;

    const CDirTreeModel& Model() const { return m_model; }

    // The Extract command while this pane is active: asks for the selected item.
    void OnExtract();

signals:
    // An item was selected: its folder, or null for the archive item.
    void FolderSelected(const vorn::CDirNode* folder);
    // No item is selected any more.
    void SelectionCleared();
    void ExtractRequested(const vorn::PaneSelection& request);

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    std::shared_ptr<const PendingArchive> m_archive;  // null while none is open
    CDirTreeModel m_model;
    bool m_refreshing = false;
};

}  // namespace vorn
