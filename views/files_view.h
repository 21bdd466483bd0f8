#pragma once

#include "extract/extract_request.h"
#include "views/files_model.h"

#include <QTableView>

#include <memory>
#include <vector>

namespace vorn {

class CArchiveFile;
class CDirNode;

// The right pane: a report-style list of the folder selected in the tree,
// sub-folders first, then files. Double-clicking a folder row asks to open
// that folder. A table view, because it keeps no per-row state: a folder of
// 100,000 files is shown as quickly as one of ten.
class CFilesView final : public QTableView {
    Q_OBJECT

public:
    static constexpr int kNameWidth = 125;
    static constexpr int kSizeWidth = 60;
    static constexpr int kTypeWidth = 100;

    explicit CFilesView(QWidget* parent = nullptr);

    // Empties the list; it fills again when a folder is shown.
    void SetArchive(std::shared_ptr<const CArchiveFile> archive);
    // Lists folder's content, or the archive's top level for null.
    void ShowFolder(const CDirNode* folder);
    void DeleteAllItems();

    // The selected rows, in row order: folders by their node, files by their entry.
    std::vector<ExtractionItem> SelectedItems() const;
    const CFilesModel& Model() const { return m_model; }

    // The Extract command while this pane is active: asks for the selected rows.
    void OnExtract();

signals:
    // A folder row was double-clicked.
    void FolderOpened(const vorn::CDirNode& folder);
    void ExtractRequested(const vorn::ExtractRequest& request);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OnLButtonDblClk(const QPoint& point);
    void AutoSizeNameColumn();
    int RowHeight();

    std::shared_ptr<const CArchiveFile> m_archive;
    CFilesModel m_model;
};

}  // namespace vorn
