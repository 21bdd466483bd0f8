#pragma once

#include "archive/catalogue.h"

namespace vorn::fuzz {

// Walks every folder and entry the way the views and the CLI do and checks
// that the tree and the per-folder file lists agree with the entry list: each
// folder is reached once, each entry is listed exactly once, by its own folder.
void WalkCatalogue(const Catalogue& catalogue);

}  // namespace vorn::fuzz
