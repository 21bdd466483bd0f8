#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// U+FFFD: what a name decoder puts in place of bytes its encoding does not
// define. A name holding it is not the name the archive stores.
inline constexpr std::string_view kUndecodable = "\xEF\xBF\xBD";

// Why a catalogue name cannot be used as a single file or folder name on disk
// without escaping its folder or misleading whoever reads it.
enum class UnsafeName {
    Empty,
    FolderItself,  // "." or ".."
    PathSeparator,
    Drive,  // "C:..."
    ControlCharacter,
    Undecodable,  // bytes the chosen name encoding does not define, shown as U+FFFD
};

// Nothing when the name is safe.
std::optional<UnsafeName> UnsafeNameReason(std::string_view name);

// "the name is empty", ...
const char* DescribeUnsafeName(UnsafeName reason);

}  // namespace vorn
