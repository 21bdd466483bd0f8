#include "browse/name_pattern.h"

#include <string>

namespace vorn {
namespace {

// The text as a glob pattern matching names that contain it: its brackets
// and separators become sets of themselves alone.
std::string ContainingGlob(std::string_view text)
{
    std::string glob = "*";
    for (const char c : text) {
        if (c == '[' || c == '/' || c == '\\')
            glob += std::string("[") + c + ']';
        else
            glob += c;
    }
    return glob + '*';
}

}  // namespace

NamePattern::NamePattern(std::string_view text)
    : m_empty(text.find_first_not_of('*') == std::string_view::npos),
      m_glob(ContainingGlob(text), LetterCase::Ignored)
{
}

}  // namespace vorn
