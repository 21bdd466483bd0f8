#pragma once

#include "archive/catalogue.h"

#include <vector>

namespace vorn {

// Everything questionable about a loaded catalogue: what the walk itself found,
// then files sharing data bytes, names met twice in one folder and names that
// cannot be written to disk as they stand.
std::vector<CatalogueAnomaly> CheckCatalogue(const Catalogue& catalogue);

}  // namespace vorn
