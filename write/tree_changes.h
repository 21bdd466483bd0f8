#pragma once

#include "write/edit_tree.h"
#include "write/write_problem.h"

#include <optional>
#include <string>

namespace vorn {

// One change to an archive's tree. Items are archive paths as users spell
// them ("DATA/SUB/A.BIN", either separator); "/" alone is the top level.
struct TreeChange {
    enum class Kind {
        Replace,     // item, a file, takes the bytes of the file on disk at value
        Add,         // the file or folder (with its tree) on disk at value goes into the folder item
        Delete,      // item and, for a folder, all it holds
        Rename,      // item takes the name value, in its folder
        MakeFolder,  // item is made a folder, with its missing parents
    };
    Kind kind;
    std::string item;
    std::string value = {};
    // A file the user picked a while ago (Replace, or Add of a file): the
    // change fails when the file is no longer what it was then.
    std::optional<PickedFile> taken = {};
};

// The file on disk at path as it is now: a regular file of less than 4 GiB.
std::optional<PickedFile> PickFile(const std::string& path, WriteProblems& problems);

// Applies the change, or nothing of it when it cannot apply. The names it
// brings in are checked with the others before the tree is written.
WriteProblems ApplyChange(EditTree& tree, const TreeChange& change);

}  // namespace vorn
