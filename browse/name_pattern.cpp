#include "browse/name_pattern.h"

namespace vorn {
namespace {

char Lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where part matches name from position start on, or npos; '?' takes one
// UTF-8 character.
std::size_t MatchEnd(std::string_view name, std::size_t start, std::string_view part)
{
    std::size_t at = start;
    for (const char wanted : part) {
        if (at >= name.size())
            return std::string_view::npos;
        if (wanted == '?') {
            ++at;
            while (at < name.size() && IsContinuationByte(name[at]))
                ++at;
        } else if (Lowered(name[at++]) != wanted) {
            return std::string_view::npos;
        }
    }
    return at;
}

// The end of part's first match in name at or after from, or npos. Each
// character of part takes at least one byte of name.
std::size_t FindPart(std::string_view name, std::size_t from, std::string_view part)
{
    for (std::size_t start = from; start + part.size() <= name.size(); ++start) {
        if (IsContinuationByte(name[start]))
            continue;
        const std::size_t end = MatchEnd(name, start, part);
        if (end != std::string_view::npos)
            return end;
    }
    return std::string_view::npos;
}

}  // namespace

NamePattern::NamePattern(std::string_view text)
{
    std::string part;
    for (const char c : text) {
        if (c != '*') {
            part += Lowered(c);
        } else if (!part.empty()) {
            m_parts.push_back(std::move(part));
            part.clear();
        }
    }
    if (!part.empty())
        m_parts.push_back(std::move(part));
}

bool NamePattern::Matches(std::string_view name) const
{
    std::size_t from = 0;
    for (const std::string& part : m_parts) {
        from = FindPart(name, from, part);
        if (from == std::string_view::npos)
            return false;
    }
    return true;
}

}  // namespace vorn
