#pragma once

namespace vorn {

class CMainFrame;

// The window's layout between runs: geometry and tool bar, the splitter, the
// list's column widths and sort, kept in the settings beside the others.
void SaveWindowLayout(const CMainFrame& frame);
// Puts back what was saved; a window saved on a screen that no longer exists
// comes back centred on the primary screen. The window never comes out larger
// than its screen's available area.
void RestoreWindowLayout(CMainFrame& frame);

}  // namespace vorn
