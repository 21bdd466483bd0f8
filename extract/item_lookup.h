#pragma once

#include "archive/catalogue.h"
#include "extract/extraction_plan.h"

#include <optional>
#include <string_view>

namespace vorn {

// Finds a folder or file by its path inside the archive: "\DATA\SUB", "DATA/SUB"
// or "/DATA/SUB/A.BIN" (either separator, leading separator optional, names
// compared exactly). A folder wins over a file of the same name; of several files
// of one name in a folder, the last is the one extraction leaves on disk.
std::optional<ExtractionItem> FindItem(const Catalogue& catalogue, std::string_view path);

}  // namespace vorn
