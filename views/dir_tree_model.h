#pragma once

#include <QAbstractItemModel>
#include <QIcon>

#include <unordered_map>
#include <vector>

namespace vorn {

class CDirNode;
class PendingArchive;

// The folder tree of an archive, as its pending changes make it: one archive
// item on top, labelled with the archive's file name in upper case, holding
// every top-level folder, each with its sub-folders in catalogue order (added
// ones last). Folder items point at their CDirNode; the archive item carries
// a null internal pointer.
class CDirTreeModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit CDirTreeModel(QObject* parent = nullptr);

    // Null for no archive (an empty model). Resets the model, as a change
    // to the archive does.
    void SetArchive(const PendingArchive* archive);

    QModelIndex ArchiveIndex() const;
    QModelIndex IndexOf(const CDirNode& folder) const;
    // The folder of a folder item; null for the archive item.
    const CDirNode* FolderAt(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    // A folder's sub-folders as shown, worked out once per reset.
    const std::vector<const CDirNode*>& Children(const CDirNode* folder) const;

    const PendingArchive* m_archive = nullptr;
    mutable std::unordered_map<const CDirNode*, std::vector<const CDirNode*>> m_children;
    mutable std::unordered_map<const CDirNode*, int> m_rows;
    QString m_archiveLabel;
    QIcon m_archiveIcon;
    QIcon m_folderIcon;
};

}  // namespace vorn
