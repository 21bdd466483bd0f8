#pragma once

#include "archive/catalogue_finding.h"

#include <string>

namespace vorn {

// The user's sentence for a catalogue finding, with its item and figures:
// "The data of \DATA\A.BIN overlaps that of \DATA\B.BIN."
std::string DescribeFinding(const CatalogueAnomaly& finding);

}  // namespace vorn
