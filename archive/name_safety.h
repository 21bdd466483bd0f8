#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// Why a catalogue name cannot be used as a single file or folder name on disk
// without escaping its folder or misleading whoever reads it: empty, "." or
// "..", holding a path separator, starting with a drive ("C:"), or holding a
// control character. Nothing when the name is safe.
std::optional<std::string> UnsafeNameReason(std::string_view name);

}  // namespace vorn
