#pragma once

#include "extract/pane_selection.h"

#include <QPoint>

class QWidget;

namespace vorn {

class CFrameCommands;

// The context menu of list rows and tree items, made of the main window's
// commands, which act on the active pane's selection: Extract..., Extract
// Here, then for one row of the list Open (a folder in the list, a file with
// the desktop) and, for a file, Preview; Copy Path and Properties. Shown over
// window at position (global) until it is closed. A tree item's menu then
// has the commands that add to its folder.
void ShowItemMenu(const CFrameCommands& commands, QWidget* window, const PaneSelection& request,
                  const QPoint& position);
// The menu of the list where no row is: what adds to the folder shown.
void ShowFolderMenu(const CFrameCommands& commands, QWidget* window, const QPoint& position);

}  // namespace vorn
