#include "views/files_model.h"

#include "archive/archive_file.h"
#include "res/images.h"
#include "res/resource_ids.h"
#include "res/strings.h"

#include <algorithm>
#include <queue>

namespace vorn {

QString SizeText(std::uint32_t size, const QString& suffix)
{
    return QString::number(size >> 10) + suffix;
}

CFilesModel::CFilesModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_folderIcon(res::ListFolderIcon()),
      m_fileIcon(res::ListFileIcon()),
      m_folderType(res::LoadString(res::IDS_FILE_FOLDER)),
      m_sizeSuffix(res::LoadString(res::IDS_SIZE_SUFFIX))
{
}

void CFilesModel::SetArchive(const CArchiveFile* archive)
{
    beginResetModel();
    m_archive = archive;
    m_folders = nullptr;
    m_files = nullptr;
    endResetModel();
}

void CFilesModel::ShowFolder(const CDirNode* folder)
{
    if (!m_archive)
        return;
    beginResetModel();
    m_folders = &m_archive->GetCatalogue().FoldersOf(folder);
    m_files = &m_archive->GetCatalogue().FilesOf(folder);
    endResetModel();
}

void CFilesModel::Clear()
{
    beginResetModel();
    m_folders = nullptr;
    m_files = nullptr;
    endResetModel();
}

int CFilesModel::FolderCount() const
{
    return m_folders ? static_cast<int>(m_folders->size()) : 0;
}

bool CFilesModel::IsFolderRow(int row) const
{
    return row >= 0 && row < FolderCount();
}

const CDirNode* CFilesModel::FolderAt(int row) const
{
    return IsFolderRow(row) ? (*m_folders)[static_cast<std::size_t>(row)].get() : nullptr;
}

std::uint32_t CFilesModel::EntryAt(int row) const
{
    return (*m_files)[static_cast<std::size_t>(row - FolderCount())];
}

ExtractionItem CFilesModel::ExtractionItemAt(int row) const
{
    if (const CDirNode* folder = FolderAt(row))
        return ExtractionItem::Folder(*folder);
    return ExtractionItem::File(EntryAt(row));
}

std::vector<int> CFilesModel::RowsWithLongestNames(std::size_t count) const
{
    // A min-heap of (length, row) keeps the longest names seen so far.
    using Candidate = std::pair<std::size_t, int>;
    std::priority_queue<Candidate, std::vector<Candidate>, std::greater<>> longest;
    const auto consider = [&longest, count](std::size_t length, int row) {
        if (longest.size() < count) {
            longest.emplace(length, row);
        } else if (length > longest.top().first) {
            longest.pop();
            longest.emplace(length, row);
        }
    };
    int row = 0;
    if (m_folders && count > 0) {
        for (const auto& folder : *m_folders)
            consider(folder->m_name.size(), row++);
        const std::vector<FileEntry>& entries = m_archive->Entries();
        for (std::uint32_t entry : *m_files)
            consider(entries[entry].m_name.size(), row++);
    }
    std::vector<int> result;
    result.reserve(longest.size());
    for (; !longest.empty(); longest.pop())
        result.push_back(longest.top().second);
    std::sort(result.begin(), result.end());
    return result;
}

int CFilesModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_folders)
        return 0;
    return FolderCount() + static_cast<int>(m_files->size());
}

int CFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CFilesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const CDirNode* folder = FolderAt(row);
    const FileEntry* entry = folder ? nullptr : &m_archive->Entries()[EntryAt(row)];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return QString::fromStdString(folder ? folder->m_name : entry->m_name);
        case SizeColumn:
            return folder ? QString() : SizeText(entry->m_size, m_sizeSuffix);
        case TypeColumn:
            return folder ? m_folderType : QString();
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == NameColumn)
            return folder ? m_folderIcon : m_fileIcon;
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn)
            return (Qt::AlignRight | Qt::AlignVCenter).toInt();
        break;
    }
    return {};
}

QVariant CFilesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        static constexpr int kHeaders[ColumnCount] = {res::IDS_COLUMN_NAME, res::IDS_COLUMN_SIZE,
                                                       res::IDS_COLUMN_TYPE};
        if (section >= 0 && section < ColumnCount)
            return res::LoadString(kHeaders[section]);
    }
    if (role == Qt::TextAlignmentRole && section == SizeColumn)
        return (Qt::AlignRight | Qt::AlignVCenter).toInt();
    return {};
}

Qt::ItemFlags CFilesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace vorn
