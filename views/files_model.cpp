#include "views/files_model.h"

#include "archive/archive_file.h"
#include "edit/pending_archive.h"
#include "res/images.h"
#include "res/resource_ids.h"
#include "res/strings.h"
#include "views/figures.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>
#include <queue>

namespace vorn {
namespace {

bool IsRightAligned(int column)
{
    return column == SizeColumn || column == BytesColumn || column == OffsetColumn;
}

}  // namespace

QString SizeText(std::uint32_t size, const QString& suffix)
{
    const std::uint32_t kilobytes = size >> 10;
    return GroupedNumber(size > 0 && kilobytes == 0 ? 1 : kilobytes) + suffix;
}

CFilesModel::CFilesModel(QObject* parent)
    : QAbstractTableModel(parent),
      m_folderIcon(res::ListFolderIcon()),
      m_fileIcon(res::ListFileIcon()),
      m_warningIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)),
      m_changedIcon(QApplication::style()->standardIcon(QStyle::SP_DialogSaveButton)),
      m_folderType(res::LoadString(res::IDS_FILE_FOLDER)),
      m_sizeSuffix(res::LoadString(res::IDS_SIZE_SUFFIX))
{
}

void CFilesModel::SetArchive(const PendingArchive* archive)
{
    beginResetModel();
    m_archive = archive;
    m_rows = Share({});
    m_findings.reset();
    endResetModel();
}

void CFilesModel::SetFindings(std::shared_ptr<const RowFindings> findings)
{
    m_findings = std::move(findings);
    if (rowCount() > 0)
        emit dataChanged(index(0, NameColumn), index(rowCount() - 1, NameColumn),
                         {Qt::DecorationRole, Qt::ToolTipRole});
}

QString CFilesModel::FindingsAbout(const CDirNode* folder, const FileEntry* entry) const
{
    if (!m_findings)
        return {};
    return folder ? m_findings->About(folder->m_parent, folder->m_name)
                  : m_findings->About(entry->m_folder, entry->m_name);
}

QString CFilesModel::ChangeText(int row) const
{
    const PendingItem item = PendingItemAt(row);
    const PendingMark mark = m_archive->MarkOf(item);
    QStringList lines;
    const QString source = mark.source ? QString::fromStdString(mark.source->path) : QString();
    if (mark.added)
        lines << (mark.source ? tr("Added from %1").arg(source) : tr("Added"));
    else if (mark.source)
        lines << tr("Replaced by %1, %2 → %3 bytes")
                     .arg(source, GroupedNumber(mark.savedSize), GroupedNumber(mark.source->size));
    if (mark.renamed)
        lines << tr("Renamed from %1").arg(QString::fromStdString(std::string(mark.savedName)));
    return lines.join(QLatin1Char('\n'));
}

QString CFilesModel::ToolTip(int row, const CDirNode* folder, const FileEntry* entry) const
{
    QStringList lines;
    for (const QString& part : {ChangeText(row), FindingsAbout(folder, entry)})
        if (!part.isEmpty())
            lines << part;
    if (entry && !m_archive->IsAdded(PendingItemAt(row)))
        lines << tr("Size: %1\nOffset: %2").arg(CountedBytes(entry->m_size), GroupedNumber(entry->m_offset));
    return lines.join(QLatin1Char('\n'));
}

void CFilesModel::SetRows(SharedRows rows)
{
    beginResetModel();
    m_rows = m_archive && rows.files ? std::move(rows) : Share({});
    endResetModel();
}

void CFilesModel::Clear()
{
    SetRows({});
}

bool CFilesModel::IsFolderRow(int row) const
{
    return row >= 0 && row < FolderCount();
}

const CDirNode* CFilesModel::FolderAt(int row) const
{
    return IsFolderRow(row) ? (*m_rows.folders)[static_cast<std::size_t>(row)] : nullptr;
}

std::optional<std::uint32_t> CFilesModel::EntryAt(int row) const
{
    if (row < FolderCount() || row >= rowCount())
        return std::nullopt;
    return (*m_rows.files)[static_cast<std::size_t>(row - FolderCount())];
}

ExtractionItem CFilesModel::ExtractionItemAt(int row) const
{
    if (const CDirNode* folder = FolderAt(row))
        return ExtractionItem::Folder(*folder);
    return ExtractionItem::File(EntryAt(row).value_or(0));
}

PendingItem CFilesModel::PendingItemAt(int row) const
{
    if (const CDirNode* folder = FolderAt(row))
        return PendingItem::Folder(*folder);
    return PendingItem::File(EntryAt(row).value_or(0));
}

int CFilesModel::RowOf(const ExtractionItem& item) const
{
    if (item.kind == ExtractionItem::Kind::Folder) {
        const auto found = std::find(m_rows.folders->begin(), m_rows.folders->end(), item.folder);
        return found == m_rows.folders->end() ? -1 : static_cast<int>(found - m_rows.folders->begin());
    }
    if (item.kind == ExtractionItem::Kind::File) {
        const auto found = std::find(m_rows.files->begin(), m_rows.files->end(), item.entry);
        return found == m_rows.files->end() ? -1 : FolderCount() + static_cast<int>(found - m_rows.files->begin());
    }
    return -1;
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
    if (m_archive && count > 0) {
        for (const CDirNode* folder : *m_rows.folders)
            consider(m_archive->FolderName(*folder).size(), row++);
        for (std::uint32_t entry : *m_rows.files)
            consider(m_archive->File(entry).m_name.size(), row++);
    }
    std::vector<int> result;
    result.reserve(longest.size());
    for (; !longest.empty(); longest.pop())
        result.push_back(longest.top().second);
    std::sort(result.begin(), result.end());
    return result;
}

int CFilesModel::RowWithLargestFile() const
{
    if (!m_archive || m_rows.files->empty())
        return -1;
    const auto largest = std::max_element(m_rows.files->begin(), m_rows.files->end(),
                                          [this](std::uint32_t a, std::uint32_t b) {
                                              return m_archive->File(a).m_size < m_archive->File(b).m_size;
                                          });
    return FolderCount() + static_cast<int>(largest - m_rows.files->begin());
}

int CFilesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.Size());
}

int CFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kListColumnCount;
}

QVariant CFilesModel::DisplayText(int column, const CDirNode* folder, const FileEntry* entry) const
{
    switch (column) {
    case NameColumn:
        return QString::fromStdString(std::string(folder ? m_archive->FolderName(*folder) : entry->m_name));
    case SizeColumn:
        return folder ? QString() : SizeText(entry->m_size, m_sizeSuffix);
    case TypeColumn:
        return folder ? m_folderType : QString();
    case FolderColumn:
        return FolderPathText(folder ? folder->m_parent : entry->m_folder);
    case BytesColumn:
        return folder ? QString() : GroupedNumber(entry->m_size);
    case OffsetColumn:
        return folder ? QString() : GroupedNumber(entry->m_offset);
    default:
        return {};
    }
}

QVariant CFilesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    const CDirNode* folder = FolderAt(row);
    const FileEntry* entry = folder ? nullptr : &m_archive->File(*EntryAt(row));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return DisplayText(role == Qt::EditRole ? NameColumn : index.column(), folder, entry);
    case Qt::DecorationRole:
        if (index.column() != NameColumn)
            break;
        if (m_archive->MarkOf(PendingItemAt(row)).Any())
            return m_changedIcon;
        return !FindingsAbout(folder, entry).isEmpty() ? m_warningIcon : folder ? m_folderIcon : m_fileIcon;
    case Qt::ToolTipRole: {
        const QString tip = ToolTip(row, folder, entry);
        if (!tip.isEmpty())
            return tip;
        break;
    }
    case Qt::TextAlignmentRole:
        if (IsRightAligned(index.column()))
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
        static constexpr int kHeaders[kListColumnCount] = {res::IDS_COLUMN_NAME,   res::IDS_COLUMN_SIZE,
                                                           res::IDS_COLUMN_TYPE,   res::IDS_COLUMN_FOLDER,
                                                           res::IDS_COLUMN_BYTES, res::IDS_COLUMN_OFFSET};
        if (section >= 0 && section < kListColumnCount)
            return res::LoadString(kHeaders[section]);
    }
    if (role == Qt::TextAlignmentRole && IsRightAligned(section))
        return (Qt::AlignRight | Qt::AlignVCenter).toInt();
    return {};
}

Qt::ItemFlags CFilesModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                                Qt::ItemNeverHasChildren;
    return index.column() == NameColumn ? flags | Qt::ItemIsEditable : flags;
}

bool CFilesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || index.column() != NameColumn || !checkIndex(index))
        return false;
    emit RenameRequested(index.row(), value.toString());
    return false;  // the rename, once made, refreshes the rows
}

}  // namespace vorn
