#pragma once

#include "archive/archive_format.h"
#include "write/edit_tree.h"

#include <cstdint>
#include <unordered_map>

namespace vorn {

// Where everything of a tree goes in the archive written from it: the
// catalogue from offset 0, then every file's data, contiguous, in catalogue
// order (the depth-first order of the tree). PCK's catalogue is one stream in
// that order; DIR's is the top-level run, then each folder's run in pre-order.
struct ArchiveLayout {
    struct FolderPlace {
        std::uint64_t runStart = 0;      // DIR: the first record of the folder's own run
        std::uint64_t dataStart = 0;     // the first data byte of the files below it
        std::uint64_t subtreeBytes = 0;  // data of every file below it
    };

    std::size_t recordSize = 0;
    std::uint64_t catalogueBytes = 0;
    std::uint64_t end = 0;  // the archive's size
    std::unordered_map<const EditFolder*, FolderPlace> folders;  // the top level's too
};

ArchiveLayout PlanLayout(const EditFolder& top, ArchiveFormat format);

// Offsets are 32-bit words: past this, data could not be addressed.
inline constexpr std::uint64_t kLargestArchive = std::uint64_t{1} << 32;

}  // namespace vorn
