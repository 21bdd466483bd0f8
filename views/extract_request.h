#pragma once

#include "extract/extraction_plan.h"

#include <vector>

namespace vorn {

class CArchiveFile;

// What the Extract command of the active pane asks for. The panes fill it in;
// the extraction itself (dialog, engine, progress) is carried out by whoever
// listens to CMainFrame::ExtractRequested.
struct ExtractRequest {
    enum class Pane { Tree, List };

    Pane pane;
    const CArchiveFile* archive;        // null while no archive is open
    std::vector<ExtractionItem> items;  // tree: its selected item; list: the selected rows in row order
};

}  // namespace vorn
