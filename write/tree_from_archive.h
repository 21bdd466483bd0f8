#pragma once

#include "archive/catalogue.h"
#include "write/edit_tree.h"

namespace vorn {

// The loaded catalogue as a tree to write: every file's bytes from the
// archive, the catalogue's order kept. Records are kept (and with them the
// bytes that carry nothing) when the catalogue was loaded with its file
// records' offsets.
EditTree EditTreeOf(const Catalogue& catalogue);

}  // namespace vorn
