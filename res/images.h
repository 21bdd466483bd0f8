#pragma once

#include <QIcon>
#include <QPixmap>

namespace vorn::res {

// One of the IDB_* pictures; a null pixmap for an unknown id.
QPixmap LoadBitmap(int bitmapId);

// A folder of the tree: closed, and open while it is the selected item.
QIcon TreeFolderIcon();
// The archive item of the tree (the same picture selected or not).
QIcon TreeArchiveIcon();
// Rows of the file list: the same picture selected or not.
QIcon ListFolderIcon();
QIcon ListFileIcon();
// The tool bar button of a command; a null icon for a command without one.
QIcon ToolBarIcon(int commandId);
// The main window's icon at 16, 32 and 48 pixels.
QIcon ApplicationIcon();

}  // namespace vorn::res
