#pragma once

class QMainWindow;
class QSplitter;

namespace vorn {

class CFilesView;

// The window's layout between runs: geometry and tool bar, the splitter, the
// list's column widths and sort, kept in the settings beside the others.
void SaveWindowLayout(const QMainWindow& window, const QSplitter& splitter, const CFilesView& list);
// Puts back what was saved; a window saved on a screen that no longer exists
// comes back centred on the primary screen. The window never comes out larger
// than its screen's available area.
void RestoreWindowLayout(QMainWindow& window, QSplitter& splitter, CFilesView& list);

}  // namespace vorn
