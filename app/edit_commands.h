#pragma once

#include <QObject>
#include <QString>

#include <vector>

class QLabel;

namespace vorn {

class CDirNode;
class CMainFrame;
class CMorvathDoc;
struct PendingItem;
struct PendingStep;

// The Edit menu's changes to the open archive: Replace, Add Files, Add
// Folder, New Folder, Rename (in place in the list), Delete, Undo and Redo.
// Each is made to the document's pending changes, refused at once with the
// writer's words when it could not be saved; the views, the menu's Undo and
// Redo texts, the status bar's count and the window's modified mark follow.
class CEditCommands final : public QObject {
    Q_OBJECT

public:
    CEditCommands(CMainFrame& frame, CMorvathDoc& document);

    // After a change, or an archive opened or let go.
    void Update();

    // Adds files and folders from disk to the folder shown (a drop).
    void AddPaths(const QStringList& paths);

private:
    void Replace();
    void AddFiles();
    void AddFolder();
    void NewFolder();
    void Rename();
    void RenameRow(int row, const QString& name);
    void Delete();
    void Undo();
    void Redo();
    // The folder the list shows (null for the top level).
    const CDirNode* ShownFolder() const;
    // The items selected in the active pane, added ones included.
    std::vector<PendingItem> SelectedItems() const;
    // Shows the views anew, or says why the change was refused.
    template <typename Problems>
    void Done(const Problems& problems);
    QString StepText(const PendingStep& step) const;

    CMainFrame& m_frame;
    CMorvathDoc& m_document;
    QLabel* m_pendingCount;
    QString m_undoText;  // as the menu has them, without a step
    QString m_redoText;
};

}  // namespace vorn
