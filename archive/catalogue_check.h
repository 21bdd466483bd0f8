#pragma once

#include "archive/catalogue.h"

#include <vector>

namespace vorn {

// What a check found: the first Catalogue::kMaxAnomalies findings and how many
// there are in all.
struct CatalogueFindings {
    std::vector<CatalogueAnomaly> anomalies;
    std::size_t count = 0;

    void Add(AnomalyKind kind, std::string text);
};

// Everything questionable about a loaded catalogue: what the walk itself found,
// then files sharing data bytes, names met twice in one folder, names that
// differ only in case there and names that cannot be written to disk as they stand.
CatalogueFindings CheckCatalogue(const Catalogue& catalogue);

}  // namespace vorn
