#pragma once

#include "write/edit_tree.h"

#include <string>
#include <vector>

namespace vorn {

// Orders the folder read from disk as the archive was: every item both hold
// in the archive's order, then the new ones of each folder in the order they
// had (canonical, once the names were checked). Returns the archive paths of the items the disk lacks, in the
// archive's order.
std::vector<std::string> OrderAsArchive(EditFolder& scanned, const EditFolder& archive);

}  // namespace vorn
