#include "views/dir_tree_model.h"

#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "res/images.h"

#include <QFile>

namespace vorn {

CDirTreeModel::CDirTreeModel(QObject* parent)
    : QAbstractItemModel(parent), m_archiveIcon(res::TreeArchiveIcon()), m_folderIcon(res::TreeFolderIcon())
{
}

void CDirTreeModel::SetArchive(const PendingArchive* archive)
{
    beginResetModel();
    m_archive = archive;
    m_children.clear();
    m_rows.clear();
    m_archiveLabel =
        archive ? QFile::decodeName(QByteArray::fromStdString(archive->Saved()->GetFileName())).toUpper() : QString();
    endResetModel();
}

const std::vector<const CDirNode*>& CDirTreeModel::Children(const CDirNode* folder) const
{
    const auto [found, made] = m_children.try_emplace(folder);
    if (made) {
        found->second = m_archive->FoldersOf(folder);
        for (std::size_t row = 0; row < found->second.size(); ++row)
            m_rows[found->second[row]] = static_cast<int>(row);
    }
    return found->second;
}

QModelIndex CDirTreeModel::ArchiveIndex() const
{
    return m_archive ? createIndex(0, 0, nullptr) : QModelIndex();
}

QModelIndex CDirTreeModel::IndexOf(const CDirNode& folder) const
{
    Children(folder.m_parent);
    return createIndex(m_rows.at(&folder), 0, const_cast<CDirNode*>(&folder));
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
    return IndexOf(*Children(FolderAt(parent))[static_cast<std::size_t>(row)]);
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
    return static_cast<int>(Children(FolderAt(parent)).size());
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
        return folder ? QString::fromStdString(std::string(m_archive->FolderName(*folder))) : m_archiveLabel;
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
