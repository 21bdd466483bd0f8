#pragma once

#include "extract/extraction_plan.h"
#include "views/archive_search.h"
#include "browse/folder_history.h"
#include "browse/list_rows.h"

#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QLineEdit;

namespace vorn {

class CArchiveFile;
class CDirNode;
class CFilesView;
class PendingArchive;

// The right pane: a filter bar above the file list. It decides what the list
// shows: the folder selected in the tree, or with "Whole archive" every
// folder and file of the archive; either in the order the header asks for
// and cut down to the names the filter box matches. It also keeps the
// folders visited, for Back and Forward.
class CFilesPane final : public QWidget {
    Q_OBJECT

public:
    explicit CFilesPane(QWidget* parent = nullptr);

    CFilesView* List() const { return m_list; }
    QLineEdit* FilterBox() const { return m_filter; }
    QCheckBox* WholeArchiveSwitch() const { return m_wholeArchive; }

    // The status bar's texts: "5 folders, 2 files, 82 bytes" for the rows
    // shown and "3 selected, 1.2 MiB"; empty when there is nothing to tell.
    QString ContentSummary() const;
    QString SelectionSummary() const;

    // Empties the list and forgets the folders visited.
    void SetArchive(std::shared_ptr<const PendingArchive> archive);
    // Shows the archive anew after a pending change, keeping the folder
    // (or the nearest one above that is still there) and the selection. A
    // whole-archive search, which reads the saved archive, waits until no
    // change is pending.
    void Refresh();
    // Lists folder's content (the top level for null); the filter ends.
    void ShowFolder(const CDirNode* folder);
    // Nothing is selected in the tree.
    void DeleteAllItems();

    void FocusFilter();
    // Opens the one selected row as Enter would: a folder, or a result's folder.
    void OpenSelected();
    void GoUp();
    void GoBack();
    void GoForward();
    // Shows the folder an item is in, with the item selected.
    void Reveal(const ExtractionItem& item);

signals:
    // Navigation asks the tree to select folder (null: the archive item).
    void FolderRequested(const vorn::CDirNode* folder);
    // The rows shown or the selection changed.
    void ListChanged();
    // A file row was opened (Enter or double-click) outside a search.
    void FileOpenRequested(std::shared_ptr<const vorn::CArchiveFile> archive, std::uint32_t entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InSearch() const;
    void OnFilterChanged();
    void OnSortChanged();
    void OnRowActivated(int row);
    void OnFound();
    void StartSearch();
    // The shown folder's content, in the list's order.
    void LoadFolderRows();
    void ShowFolderRows(const std::vector<ExtractionItem>& keep);
    void EndFilter();
    void NavigateTo(const CDirNode* folder, std::optional<ExtractionItem> select);

    std::shared_ptr<const PendingArchive> m_pending;
    std::shared_ptr<const CArchiveFile> m_archive;  // the saved one
    std::optional<const CDirNode*> m_folder;  // the folder shown, while there is one
    SharedRows m_folderRows = Share({});      // its content in the list's order
    FolderHistory m_history;
    std::optional<ExtractionItem> m_pendingSelection;  // selected once the folder asked for is shown
    CArchiveSearch m_search;
    bool m_endingFilter = false;
    QLineEdit* m_filter;
    QCheckBox* m_wholeArchive;
    CFilesView* m_list;
};

}  // namespace vorn
