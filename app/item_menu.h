#pragma once

#include "extract/extract_request.h"

#include <QPoint>

namespace vorn {

class CMainFrame;

// The context menu of list rows and tree items, made of the main window's
// commands, which act on the active pane's selection: Extract..., Extract
// Here, then Open for one folder row or Preview for one file row of the list,
// Copy Path and Properties. Shown at position (global) until it is closed.
void ShowItemMenu(const CMainFrame& frame, const ExtractRequest& request, const QPoint& position);

}  // namespace vorn
