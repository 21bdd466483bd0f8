#pragma once

#include "app/recent_file_list.h"
#include "framework/message_box.h"
#include "framework/private_temp_dir.h"
#include "extract/pane_selection.h"

#include <QMimeData>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace vorn {

class CMainFrame;
class CMorvathDoc;
class MessageReporter;

// The application: start-up, the one setting (the default extraction folder),
// the recent-file list and the application-wide commands. It runs on the
// QApplication that main() creates; several may be made one after the other
// (tests), each reading the settings afresh.
class CVornApp final : public QObject {
    Q_OBJECT

public:
    // Chooses the archive for File > Open; an empty string means cancelled.
    using OpenFileChooser = std::function<QString(QWidget* parent)>;
    // Answers whether to save pending changes before the archive is let go:
    // Save, Discard or Cancel.
    using UnsavedQuestion = std::function<QMessageBox::StandardButton(QWidget* parent, const QString& archive)>;
    // Chooses where File > Save As writes; an empty string means cancelled.
    using SaveAsChooser = std::function<QString(QWidget* parent, const QString& current)>;
    // Chooses the folder to make a new archive of, then the archive's path;
    // an empty one means cancelled.
    struct NewArchivePaths {
        QString folder;
        QString archive;
    };
    using NewArchiveChooser = std::function<NewArchivePaths(QWidget* parent)>;
    // Drags the files of rows dragged out of the list from source.
    using DragHandOver = std::function<void(QWidget* source, std::unique_ptr<QMimeData> data)>;

    // Messages go to reporter, or to message boxes over the main window when it is null.
    explicit CVornApp(MessageReporter* reporter = nullptr);
    ~CVornApp() override;

    // Start-up. arguments are the program's (as QCoreApplication::arguments()):
    // an archive path after the program name is opened. False ends the program:
    // the path could not be opened (after its message) or the arguments are wrong.
    bool InitInstance(const QStringList& arguments);

    // Prints "vorn VERSION" when the arguments ask for --version, and returns the
    // exit status; nothing otherwise. main() asks before the window system
    // starts, so that no display is needed.
    static std::optional<int> AnswerVersion(const QStringList& arguments);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CMorvathDoc* Document() const { return m_document.get(); }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }
    // Where files handed to other programs are extracted; removed with the application.
    CPrivateTempDir& PrivateTemp() { return m_temporary; }

    // The default extraction folder: read at start-up, stored at once when set.
    const QString& GetExtractDir() const { return m_strExtractDir; }
    void SetExtractDir(const QString& folder);

    // Opens path as the document's archive and puts it first in the recent-file list.
    bool OpenDocumentFile(const QString& path);
    void SetOpenFileChooser(OpenFileChooser chooser) { m_openFileChooser = std::move(chooser); }
    void SetDragHandOver(DragHandOver handOver) { m_dragHandOver = std::move(handOver); }
    void SetUnsavedQuestion(UnsavedQuestion question) { m_unsavedQuestion = std::move(question); }
    void SetSaveAsChooser(SaveAsChooser chooser) { m_saveAsChooser = std::move(chooser); }
    void SetNewArchiveChooser(NewArchiveChooser chooser) { m_newArchiveChooser = std::move(chooser); }

public slots:
    void OnAppAbout();
    void OnOptions();
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    // Writes the pending changes over the archive, or to another file; the
    // document then reads what was written, with the folder shown kept.
    void OnFileSave();
    void OnFileSaveAs();
    // File > New Archive from Folder: the folder packed as a job, what was
    // refused reported all at once, and the new archive opened.
    void OnNewArchiveFromFolder();
    // View > Name Encoding: the names read again in encoding, off the
    // user-interface thread, the folder shown kept; remembered for the archive.
    void OnNameEncoding(const QString& encoding);
    // The active pane's Extract command: the extraction and its report.
    void OnExtract(const PaneSelection& request);
    void OnExtractHere(const PaneSelection& request);
    // Extracts a file privately and opens it with the desktop's application for it.
    void OnOpenFile(std::shared_ptr<const CArchiveFile> archive, std::uint32_t entry);
    // Rows dragged out of the list: extracted into a new private temporary
    // folder, then handed over; a cancelled or failed extraction drags nothing.
    void OnDragOut(const PaneSelection& request);
    // An archive dropped on the window opens as File > Open would open it.
    void OnArchiveDropped(const QString& path);

private:
    void CreateDocumentAndFrame();
    void UpdateRecentFileMenu();
    // The window follows the archive just put in the document: its commands,
    // name encoding and notice, and the recent files.
    void ShowOpened(const QString& path);
    // Whether the archive may be let go: nothing is pending, or the user
    // saved (and the save succeeded) or discarded the changes.
    bool MayLeaveArchive();
    // Saves as a job and waits for it, the window responsive meanwhile.
    bool SaveTo(const QString& path, ArchiveFormat format);

    QString m_strExtractDir;
    CRecentFileList m_recentFiles;
    MessageBoxReporter m_messageBoxes;
    MessageReporter& m_reporter;
    OpenFileChooser m_openFileChooser;
    DragHandOver m_dragHandOver;
    UnsavedQuestion m_unsavedQuestion;
    SaveAsChooser m_saveAsChooser;
    NewArchiveChooser m_newArchiveChooser;
    // Removed, with whatever was handed over from it, after the window has gone.
    CPrivateTempDir m_temporary;
    // The frame goes first: the document it was made with outlives its views.
    std::unique_ptr<CMorvathDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
};

}  // namespace vorn
