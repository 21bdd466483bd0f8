#pragma once

#include "write/edit_tree.h"
#include "write/write_problem.h"

#include <string>

namespace vorn {

struct [[nodiscard]] ScannedFolder {
    EditFolder folder;  // named after the folder on disk; its files and sub-folders in no set order
    WriteProblems problems;
};

// Reads the folder at path with everything below it, its files to be taken
// from disk. Symbolic links are never followed, and like FIFOs, devices and
// sockets they are refused; so are files of 4 GiB or more, and folders nested
// more than maxDepth below path.
ScannedFolder ScanFolder(const std::string& path, std::size_t maxDepth);

// The last name of a path on disk, trailing slashes aside: "b" of "/a/b/".
std::string LastPathName(const std::string& path);

}  // namespace vorn
