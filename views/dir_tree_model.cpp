#include "views/dir_tree_model.h"

#include "archive/archive_file.h"
#include "res/images.h"

#include <QFile>

namespace vorn {

CDirTreeModel::CDirTreeModel(QObject* parent)
    : QAbstractItemModel(parent), m_archiveIcon(res::TreeArchiveIcon()), m_folderIcon(res::TreeFolderIcon())
{
}

void CDirTreeModel::SetArchive(const CArchiveFile* archive)
{
    beginResetModel();
    m_archive = archive;
    m_archiveLabel = archive ? QFile::decodeName(QByteArray::fromStdString(archive->GetFileName())).toUpper()
                             : QString();
    endResetModel();
}

QModelIndex CDirTreeModel::ArchiveIndex() const
{
    return m_archive ? createIndex(0, 0, nullptr) : QModelIndex();
}

QModelIndex CDirTreeModel::IndexOf(const CDirNode& folder) const
{
    return createIndex(static_cast<int>(folder.m_row), 0, const_cast<CDirNode*>(&folder));
}

const CDirNode* CDirTreeModel::FolderAt(const QModelIndex& index) const
{
    return static_cast<const CDirNode*>(index.internalPointer());
}

QModelIndex CDirTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return ArchiveIndex();
    const auto& folders = m_archive->GetCatalogue().FoldersOf(FolderAt(parent));
    return IndexOf(*folders[static_cast<std::size_t>(row)]);
}

QModelIndex CDirTreeModel::parent(const QModelIndex& child) const
{
    const CDirNode* folder = FolderAt(child);
    if (!folder)
        return {};
    return folder->m_parent ? IndexOf(*folder->m_parent) : ArchiveIndex();
}

int CDirTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!m_archive || parent.column() > 0)
        return 0;
    if (!parent.isValid())
        return 1;
    return static_cast<int>(m_archive->GetCatalogue().FoldersOf(FolderAt(parent)).size());
}

int CDirTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant CDirTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const CDirNode* folder = FolderAt(index);
    switch (role) {
    case Qt::DisplayRole:
        return folder ? QString::fromStdString(folder->m_name) : m_archiveLabel;
    case Qt::DecorationRole:
        return folder ? m_folderIcon : m_archiveIcon;
    default:
        return {};
    }
}

Qt::ItemFlags CDirTreeModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace vorn
