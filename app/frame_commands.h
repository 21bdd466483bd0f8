#pragma once

#include "extract/pane_selection.h"

#include <QHash>
#include <QObject>
#include <QStringList>

class QAction;
class QActionGroup;
class QMainWindow;
class QToolBar;

namespace vorn {

class CBusyState;
class CFilesPane;
class CFilesView;

// The main window's commands: an action for each command id, with the texts,
// shortcuts, icons and prompts of the resource tables, placed in the window's
// menu bar and tool bar; the recent-file entries and the Name Encoding
// sub-menu; the commands that wait while the window is busy, and the states of
// those that act on the active pane's selection. What the window's own
// commands do is connected by the window; the browsing commands go straight to
// the list.
class CFrameCommands final : public QObject {
    Q_OBJECT

public:
    // Adds every action to window, so that shortcuts work whether or not a
    // command has a menu item, and fills its menu bar and toolBar.
    CFrameCommands(QMainWindow& window, QToolBar& toolBar, CBusyState& busy);

    // The action of a command (ids from res/resource_ids.h); null for an unknown id.
    QAction* Action(int commandId) const { return m_actions.value(commandId, nullptr); }

    // Back, Forward, Up, Find, Open and the View menu's sorts and optional columns act on the list.
    void ConnectBrowsing(CFilesPane& pane, CFilesView& list);
    // Enables what can act on request; Extract's status prompt says what it would extract.
    void UpdateStates(const PaneSelection& request, bool extractHereAvailable);
    // Fills the File menu's recent-file entries, newest first; the greyed
    // placeholder stands in for an empty list.
    void SetRecentFiles(const QStringList& paths);
    // Checks the encoding in View > Name Encoding.
    void SetNameEncoding(const QString& encoding);

signals:
    // A recent-file entry was chosen (0 is the newest).
    void RecentFileRequested(int index);
    // An encoding was chosen in View > Name Encoding.
    void NameEncodingRequested(const QString& encoding);

private:
    void CreateActions(QMainWindow& window, QToolBar& toolBar);
    void CreateNameEncodingMenu(QMainWindow& window);
    void CreateMenus(QMainWindow& window);
    void FillToolBar(QToolBar& toolBar);

    QHash<int, QAction*> m_actions;
    QActionGroup* m_nameEncodings = nullptr;
    QString m_recentFilePlaceholder;
};

}  // namespace vorn
