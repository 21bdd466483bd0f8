#pragma once

#include "archive/catalogue.h"
#include "extract/extraction_plan.h"

namespace vorn::fuzz {

// Checks that every planned path stays inside the target (relative, made of
// single safe components joined by '/', ending in the step's name) and that
// the plan is a well-formed tree: depths follow the open folders, each
// folder's subtreeEnd closes its content in range, no name of a folder is
// both a file and a folder, totals match the steps.
void CheckPlan(const Catalogue& catalogue, const ExtractionPlan& plan);

// The plan of one item: the item itself comes first and, when it is a folder,
// spans the whole plan; an unsafe item name yields nothing but a refusal.
void CheckFolderPlan(const ExtractionPlan& plan, const std::string& folderName);
void CheckFilePlan(const Catalogue& catalogue, const ExtractionPlan& plan, std::uint32_t entry);

}  // namespace vorn::fuzz
