#pragma once

#include "extract/extraction_plan.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <cstdint>
#include <memory>
#include <vector>

namespace vorn {

class CArchiveFile;
class CDirNode;

// The content of one folder, straight from the catalogue: its sub-folders,
// then its files, both in catalogue order. Showing another folder resets the
// model once; no row is copied.
class CFilesModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, SizeColumn, TypeColumn, ColumnCount };

    explicit CFilesModel(QObject* parent = nullptr);

    // Forgets the shown folder. Null for no archive.
    void SetArchive(const CArchiveFile* archive);
    // Shows folder's content, or the archive's top level when folder is null.
    void ShowFolder(const CDirNode* folder);
    // Shows nothing.
    void Clear();

    bool IsFolderRow(int row) const;
    // The folder of a folder row; null for a file row.
    const CDirNode* FolderAt(int row) const;
    // What extracting the row means: its folder, or its file's own entry.
    ExtractionItem ExtractionItemAt(int row) const;
    // Up to count rows with the longest names, for sizing the name column.
    std::vector<int> RowsWithLongestNames(std::size_t count) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int FolderCount() const;
    std::uint32_t EntryAt(int row) const;

    const CArchiveFile* m_archive = nullptr;
    const std::vector<std::unique_ptr<CDirNode>>* m_folders = nullptr;
    const std::vector<std::uint32_t>* m_files = nullptr;
    QIcon m_folderIcon;
    QIcon m_fileIcon;
    QString m_folderType;
    QString m_sizeSuffix;
};

// "NKB": the size in whole kilobytes, rounded down.
QString SizeText(std::uint32_t size, const QString& suffix);

}  // namespace vorn
