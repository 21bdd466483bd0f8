#pragma once

#include "extract/extraction_plan.h"
#include "browse/list_rows.h"
#include "views/row_findings.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vorn {

class CDirNode;
class PendingArchive;
struct FileEntry;
struct PendingItem;

// The rows the file list shows, straight from the catalogue as the pending
// changes make it: folders, then files, in the order they are given. New rows
// reset the model once; no name is copied. Changed items carry a mark, and a
// name edited in place asks for a rename.
class CFilesModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CFilesModel(QObject* parent = nullptr);

    // Forgets the rows. Null for no archive.
    void SetArchive(const PendingArchive* archive);
    void SetRows(SharedRows rows);
    // Rows with a finding show a warning icon and name it in their tooltip.
    void SetFindings(std::shared_ptr<const RowFindings> findings);
    // Shows nothing.
    void Clear();

    const SharedRows& Rows() const { return m_rows; }
    bool IsFolderRow(int row) const;
    // The folder of a folder row; null for a file row.
    const CDirNode* FolderAt(int row) const;
    // The entry index of a file row.
    std::optional<std::uint32_t> EntryAt(int row) const;
    // What extracting the row means: its folder, or its file's own entry.
    ExtractionItem ExtractionItemAt(int row) const;
    PendingItem PendingItemAt(int row) const;
    // The row that shows item; -1 when none does.
    int RowOf(const ExtractionItem& item) const;
    // Up to count rows with the longest names, for sizing the name column.
    std::vector<int> RowsWithLongestNames(std::size_t count) const;
    // The row of the largest file, for sizing the size column; -1 without files.
    int RowWithLargestFile() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A name was edited in place; nothing changes until the rename is made.
    void RenameRequested(int row, const QString& name);

private:
    int FolderCount() const { return static_cast<int>(m_rows.folders->size()); }
    QVariant DisplayText(int column, const CDirNode* folder, const FileEntry* entry) const;
    QString FindingsAbout(const CDirNode* folder, const FileEntry* entry) const;
    QString ToolTip(int row, const CDirNode* folder, const FileEntry* entry) const;
    QString ChangeText(int row) const;

    const PendingArchive* m_archive = nullptr;
    SharedRows m_rows = Share({});  // never null
    std::shared_ptr<const RowFindings> m_findings;  // null until the check is done
    QIcon m_folderIcon;
    QIcon m_fileIcon;
    QIcon m_warningIcon;
    QIcon m_changedIcon;
    QString m_folderType;
    QString m_sizeSuffix;
};

// "1,234KB": the size in whole kilobytes, rounded down, except that a file
// holding anything shows at least 1KB.
QString SizeText(std::uint32_t size, const QString& suffix);

}  // namespace vorn
