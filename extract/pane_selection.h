#pragma once

#include "extract/extraction_plan.h"

#include <memory>
#include <vector>

namespace vorn {

class CArchiveFile;

// What a pane has selected, which its commands (Extract, Properties, Copy
// Path, a drag) act on. It shares the archive, so the archive and the items'
// folders outlive whatever acts on them, even when the document lets the
// archive go meanwhile.
struct PaneSelection {
    enum class Pane { Tree, List };

    Pane pane;
    std::shared_ptr<const CArchiveFile> archive;  // null while no archive is open
    std::vector<ExtractionItem> items;            // tree: its selected item; list: the selected rows in row order
};

}  // namespace vorn
