#pragma once

#include "extract/pane_selection.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>

class QAbstractItemView;
class QAction;
class QLabel;
class QSplitter;
class QToolBar;

namespace vorn {

class CDirView;
class CFilesPane;
class CFilesView;
class CPreviewPane;
class CLockKeyIndicators;
class CMorvathDoc;
class CBusyState;
class CEditCommands;
class CFrameCommands;
class CStatusPanes;

// The main window: menu, tool bar and status bar around a splitter with the
// folder tree on the left and the file list on the right. Its title is always
// the window title, whatever archive is open.
class CMainFrame final : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kTreeWidth = 175;

    explicit CMainFrame(CMorvathDoc& document, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The action of a command (ids from res/resource_ids.h); null for an unknown id.
    QAction* CommandAction(int commandId) const;

    // The window's one busy state: the commands that would replace the archive
    // or start another job are disabled while a job goes on.
    CBusyState& Busy() const { return *m_busy; }

    CDirView* DirView() const { return m_dirView; }
    CFilesView* FilesView() const { return m_filesView; }
    CFilesPane* FilesPane() const { return m_filesPane; }
    CPreviewPane* PreviewPane() const { return m_previewPane; }
    QSplitter* Splitter() const { return m_wndSplitter; }
    QToolBar* ToolBar() const { return m_wndToolBar; }

    // The pane that receives the Extract command: the one the user last
    // activated by clicking, by F6 / Shift+F6 or by giving it the focus (the
    // filter bar belongs to the list). Only its selection is drawn highlighted.
    QWidget* GetActiveView() const { return m_activeView; }
    void SetActiveView(QWidget* view);
    // What the commands would act on: the active pane's selection.
    PaneSelection ActiveSelection() const;

    // Extract to Default Folder writes into the default extraction folder, when there is one.
    void SetExtractHereAvailable(bool available);
    // The message pane of the status bar: what a run came to, until the list
    // changes; why an archive shows nothing, while it is open ("" for none).
    void ShowRunOutcome(const QString& outcome);
    void ShowArchiveNotice(const QString& notice);
    QString StatusMessage() const;

    // Checks the encoding in View > Name Encoding.
    void SetNameEncoding(const QString& encoding);

    // Fills the File menu's recent-file entries, newest first; the greyed
    // placeholder stands in for an empty list.
    void SetRecentFiles(const QStringList& paths);
    // Asked before the window closes (when no run is going on): false keeps it open.
    void SetCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }
    CEditCommands& Edits() const { return *m_edits; }

signals:
    // The Extract command reached the active pane, which says what to extract.
    // The extraction itself is carried out by whoever connects here.
    void ExtractRequested(const vorn::PaneSelection& request);
    // Extract to Default Folder: the same into the default extraction folder.
    void ExtractHereRequested(const vorn::PaneSelection& request);
    // A recent-file entry was chosen (0 is the newest).
    void RecentFileRequested(int index);
    // An encoding was chosen in View > Name Encoding.
    void NameEncodingRequested(const QString& encoding);
    // A file of the list is to be opened with the desktop.
    void FileOpenRequested(std::shared_ptr<const vorn::CArchiveFile> archive, std::uint32_t entry);
    // Rows are dragged out of the list; whoever connects hands them over.
    void DragRequested(const vorn::PaneSelection& request);
    // A DIR or PCK file from another program was dropped on the window.
    void ArchiveDropped(const QString& path);

protected:
    // Closing while busy asks whether to stop the run and quit; the window
    // closes once the run has ended.
    void closeEvent(QCloseEvent* event) override;
    // The preview goes beside the list in a wide window, below it in a narrow one.
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommands();
    void WaitWhileBusy();
    void CreateStatusBar();
    void OnCreateClient(CMorvathDoc& document);
    void CreatePreview();
    void MarkActiveView(QWidget* view);
    void UpdateCommandStates();
    void OnListChanged();
    void OnContextMenu(QAbstractItemView& view, const QPoint& position);
    void OnProperties();
    void OnCompareWith();
    void OnCopyPath();

    void OnFileExtract();
    void ActivateNeighbourPane(int step);
    void OnFocusChanged(QWidget* now);

    QMetaObject::Connection m_focusTracking;
    CBusyState* m_busy;
    bool m_closeWhenIdle = false;
    CFrameCommands* m_commands = nullptr;
    QSplitter* m_wndSplitter = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    CStatusPanes* m_statusPanes = nullptr;
    CLockKeyIndicators* m_indicators = nullptr;
    CDirView* m_dirView = nullptr;
    CFilesPane* m_filesPane = nullptr;
    CFilesView* m_filesView = nullptr;
    QSplitter* m_listSplitter = nullptr;  // the list and the preview
    CPreviewPane* m_previewPane = nullptr;
    QWidget* m_activeView = nullptr;
    CEditCommands* m_edits = nullptr;
    std::function<bool()> m_closeGuard;
    bool m_extractHereAvailable = false;
};

}  // namespace vorn
