#pragma once

#include "extract/pane_selection.h"
#include "framework/background_worker.h"
#include "views/files_model.h"

#include <QTableView>

#include <memory>
#include <vector>

namespace vorn {

class CArchiveFile;
class PendingArchive;

// The file list: a report-style table of the rows it is given. A header click
// sorts by that column (again: descending; a third time: catalogue order);
// what the rows are and in which order is decided by whoever listens to it. A
// table view, because it keeps no per-row state: a folder of 100,000 files is
// shown as quickly as one of ten.
class CFilesView final : public QTableView {
    Q_OBJECT

public:
    static constexpr int kNameWidth = 125;
    static constexpr int kSizeWidth = 60;
    static constexpr int kTypeWidth = 100;

    explicit CFilesView(QWidget* parent = nullptr);

    // Empties the list, and checks the archive's catalogue on a worker thread
    // for the findings its rows are marked with.
    void SetArchive(std::shared_ptr<const PendingArchive> archive);
    // Shows rows, scrolled to the top with the name column sized to fit and the
    // size column widened to fit, and selects keep (with its first item
    // current) where they are among them.
    void ShowRows(SharedRows rows, const std::vector<ExtractionItem>& keep = {});
    void DeleteAllItems();

    // The selected rows, in row order: folders by their node, files by their entry.
    std::vector<ExtractionItem> SelectedItems() const;
    // What the Extract command would extract: the selected rows.
    PaneSelection CurrentSelection() const;
    const CFilesModel& Model() const { return m_model; }

    ListSort Sort() const;
    void SetSort(const ListSort& sort);
    // What a click on column's header does: ascending, descending, then catalogue order.
    void SortBy(int column);
    // The columns "Size (bytes)" and "Offset", hidden at first.
    void ShowOptionalColumn(ListColumn column, bool shown);
    // Whole-archive results show the folder each row is in.
    void ShowFolderColumn(bool shown);

    // The header's layout (widths, the optional columns) as saved between runs.
    QByteArray SaveHeaderState() const;
    void RestoreHeaderState(const QByteArray& state);

    // The Extract command while this pane is active: asks for the selected rows.
    void OnExtract();

signals:
    // A row was opened: double-clicked with the left button, or Enter.
    void RowActivated(int row);
    // Backspace: the parent folder.
    void UpRequested();
    void SortChanged(const vorn::ListSort& sort);
    // An optional column was shown or hidden.
    void OptionalColumnsChanged();
    void ExtractRequested(const vorn::PaneSelection& request);
    // Selected rows are dragged out: whoever listens hands them over while it runs.
    void DragRequested(const vorn::PaneSelection& request);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void ShowHeaderMenu(const QPoint& position);
    void SelectItems(const std::vector<ExtractionItem>& items);
    void AutoSizeNameColumn();
    void WidenSizeColumnToFit();
    int RowHeight();

    std::shared_ptr<const PendingArchive> m_pending;
    std::shared_ptr<const CArchiveFile> m_archive;  // the saved one
    CFilesModel m_model;
    bool m_dragging = false;
    // Last: its delivery must not outlive what it touches.
    CBackgroundWorker m_findingsCheck{CBackgroundWorker::Results::NewestOnly};
};

}  // namespace vorn
