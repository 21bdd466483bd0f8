#pragma once

#include "archive/archive_format.h"
#include "archive/name_encoding.h"
#include "write/edit_tree.h"
#include "write/write_problem.h"

#include <optional>
#include <string>

namespace vorn {

// What a format can store: name bytes before the NUL that ends them, and
// folders nested below the top level.
struct FormatLimits {
    std::size_t nameBytes;
    std::size_t folderDepth;
};

FormatLimits LimitsOf(ArchiveFormat format);

// Why a name new to the archive cannot be stored (unsafe, not encodable, too
// long for the field), or nothing; itemPath names it in the problem.
std::optional<WriteProblem> CheckNewName(const std::string& name, const std::string& itemPath, FormatLimits limits,
                                         NameEncoder& names);

enum class ChildOrder { Keep, Canonical };

// Checks every name the archive does not already hold: it must encode (and
// read back as itself), fit the name field, be safe to extract, and differ
// from every other name of its folder, in case too; and the folders must not
// nest deeper than the format allows. Returns every problem, not only the
// first. Canonical sorts each folder's files, then its sub-folders, in
// ascending order of their stored bytes.
WriteProblems CheckNames(EditFolder& top, ArchiveFormat format, NameEncoder& names, ChildOrder order);

}  // namespace vorn
