#pragma once

#include "extract/extraction_plan.h"

#include <memory>
#include <vector>

namespace vorn {

class CArchiveFile;

// What the Extract command of the active pane asks for. The request shares
// the archive, so the archive and the items' folders outlive whatever carries
// the request out, even when the document lets the archive go meanwhile.
struct ExtractRequest {
    enum class Pane { Tree, List };

    Pane pane;
    std::shared_ptr<const CArchiveFile> archive;  // null while no archive is open
    std::vector<ExtractionItem> items;            // tree: its selected item; list: the selected rows in row order
};

}  // namespace vorn
