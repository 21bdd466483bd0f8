#include "archive/name_safety.h"

namespace vorn {

std::optional<std::string> UnsafeNameReason(std::string_view name)
{
    if (name.empty())
        return "the name is empty";
    if (name == "." || name == "..")
        return "the name refers to a folder itself";
    if (name.find_first_of("/\\") != std::string_view::npos)
        return "the name holds a path separator";
    const char first = name[0];
    if (name.size() >= 2 && name[1] == ':' && ((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')))
        return "the name starts with a drive";
    return std::nullopt;
}

}  // namespace vorn
