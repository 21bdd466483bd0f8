#pragma once

#include "archive/archive_format.h"
#include "archive/name_encoding.h"
#include "write/edit_tree.h"
#include "write/write_problem.h"

#include <string>

namespace vorn {

struct [[nodiscard]] TreeToPack {
    EditTree tree;
    WriteProblems problems;  // every one found; the tree is not to be written unless empty
};

// The folder on disk as a tree to write to output in format: read with
// everything below it, its names checked and each folder's items put in
// canonical order. An output inside the folder is refused, as the pack
// would take in what it writes.
TreeToPack PackFolder(const std::string& folder, const std::string& output, ArchiveFormat format, NameEncoder& names);

}  // namespace vorn
