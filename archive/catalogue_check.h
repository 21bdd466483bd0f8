#pragma once

#include "archive/catalogue.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace vorn {

// What a check found: the first Catalogue::kMaxAnomalies findings and how many
// there are in all.
struct [[nodiscard]] CatalogueFindings {
    std::vector<CatalogueAnomaly> anomalies;
    std::size_t count = 0;
    bool stopped = false;  // the progress callback asked to stop: the findings are partial

    void Add(CatalogueAnomaly anomaly);
};

// Told how many of total steps a check has done, now and then; returning false
// stops the check.
using CheckProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Everything questionable about a loaded catalogue: what the walk itself found,
// then files sharing data bytes, names met twice in one folder, names that
// differ only in case there and names that cannot be written to disk as they stand.
CatalogueFindings CheckCatalogue(const Catalogue& catalogue, const CheckProgress& progress = {});

}  // namespace vorn
