#pragma once

#include <QAbstractItemModel>
#include <QIcon>

namespace vorn {

class CArchiveFile;
class CDirNode;

// The folder tree of an archive: one archive item on top, labelled with the
// archive's file name in upper case, holding every top-level folder, each with
// its sub-folders in catalogue order. Folder items point at their CDirNode;
// the archive item carries a null internal pointer.
class CDirTreeModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit CDirTreeModel(QObject* parent = nullptr);

    // Null for no archive (an empty model). Resets the model.
    void SetArchive(const CArchiveFile* archive);

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
    const CArchiveFile* m_archive = nullptr;
    QString m_archiveLabel;
    QIcon m_archiveIcon;
    QIcon m_folderIcon;
};

}  // namespace vorn
