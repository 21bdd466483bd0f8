#include "disk/name_safety.h"

#include <algorithm>

namespace vorn {
namespace {

// U+0000-U+001F and U+007F-U+009F in UTF-8; the C1 controls come from the bytes
// that Windows-1252 leaves undefined.
bool HoldsControlCharacter(std::string_view name)
{
    const auto c1 = [](char lead, char next) {
        return lead == '\xC2' && (static_cast<unsigned char>(next) & 0xE0) == 0x80;
    };
    return std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }) ||
           std::ranges::adjacent_find(name, c1) != name.end();
}

}  // namespace

std::optional<UnsafeName> UnsafeNameReason(std::string_view name)
{
    if (name.empty())
        return UnsafeName::Empty;
    if (name == "." || name == "..")
        return UnsafeName::FolderItself;
    if (name.find_first_of("/\\") != std::string_view::npos)
        return UnsafeName::PathSeparator;
    const char first = name[0];
    if (name.size() >= 2 && name[1] == ':' && ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')))
        return UnsafeName::Drive;
    // Most names are printable ASCII: one pass clears them of the rest.
    if (std::ranges::all_of(name, [](char c) { return c >= 0x20 && c < 0x7F; }))
        return std::nullopt;
    if (HoldsControlCharacter(name))
        return UnsafeName::ControlCharacter;
    if (name.find(kUndecodable) != std::string_view::npos)
        return UnsafeName::Undecodable;
    return std::nullopt;
}

const char* DescribeUnsafeName(UnsafeName reason)
{
    switch (reason) {
    case UnsafeName::Empty:
        return "the name is empty";
    case UnsafeName::FolderItself:
        return "the name refers to a folder itself";
    case UnsafeName::PathSeparator:
        return "the name holds a path separator";
    case UnsafeName::Drive:
        return "the name starts with a drive";
    case UnsafeName::Undecodable:
        return "the name does not decode in the chosen name encoding";
    case UnsafeName::ControlCharacter:
        break;
    }
    return "the name holds a control character";
}

}  // namespace vorn
