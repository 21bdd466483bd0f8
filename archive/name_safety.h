#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// Why a catalogue name cannot be used as a single file or folder name on disk
// without escaping its folder: empty, "." or "..", holding a path separator,
// or starting with a drive ("C:"). Nothing when the name is safe.
std::optional<std::string> UnsafeNameReason(std::string_view name);

}  // namespace vorn
