#pragma once

#include "archive/catalogue.h"
#include "archive/name_encoding.h"
#include "write/edit_tree.h"
#include "write/tree_changes.h"
#include "write/write_problem.h"

#include <span>

namespace vorn {

// Whether the load found damage: what it could not read, a rewrite would lose for good.
bool HasDamage(const Catalogue& catalogue);

struct [[nodiscard]] UpdatedTree {
    EditTree tree;
    WriteProblems problems;  // of the changes, then of the names; the tree is not to be written unless empty
};

// The catalogue's tree with the changes applied in their order, the names
// they bring in checked against the format's rules.
UpdatedTree TreeWithChanges(const Catalogue& catalogue, std::span<const TreeChange> changes, ArchiveFormat format,
                            NameEncoder& names);

}  // namespace vorn
