#include "browse/glob_pattern.h"

#include <string>

namespace vorn {
namespace {

// Between the folders of a path; no character of a name, even a backslash.
constexpr char32_t kSeparator = 0x110000;

char32_t Lowered(char32_t c)
{
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

char32_t Raised(char32_t c)
{
    return c >= U'a' && c <= U'z' ? c - U'a' + U'A' : c;
}

// The character at text[at], moving at past it. Names are UTF-8; a byte that
// starts no valid sequence stands for itself.
char32_t NextChar(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        c = (c << 6) | (next & 0x3F);
    }
    at += length;
    return c;
}

bool IsSeparator(char32_t c)
{
    return c == U'/' || c == U'\\';
}

}  // namespace

GlobPattern::GlobPattern(std::string_view text, LetterCase letterCase) : m_ignoreCase(letterCase == LetterCase::Ignored)
{
    std::size_t at = 0;
    if (!text.empty() && IsSeparator(static_cast<unsigned char>(text[0])))
        ++at;
    while (at < text.size()) {
        const std::size_t start = at;
        const char32_t c = NextChar(text, at);
        if (c == U'*' && at < text.size() && text[at] == '*') {
            ++at;
            if (at < text.size() && IsSeparator(static_cast<unsigned char>(text[at]))) {
                ++at;
                m_tokens.emplace_back(Token::Kind::AnyFolders);
                m_nameOnly = false;
            } else {
                m_tokens.emplace_back(Token::Kind::AnyRun);
            }
        } else if (c == U'*') {
            m_tokens.emplace_back(Token::Kind::AnyInName);
        } else if (c == U'?') {
            m_tokens.emplace_back(Token::Kind::AnyChar);
        } else if (IsSeparator(c)) {
            m_tokens.emplace_back(Token::Kind::Separator);
            m_nameOnly = false;
        } else if (c == U'[' && text.find(']', at + 1) != std::string_view::npos) {
            // A ']' first in the set belongs to it.
            Token set(Token::Kind::Set);
            if (text[at] == '!' || text[at] == '^') {
                set.negated = true;
                ++at;
            }
            bool first = true;
            while (at < text.size() && (first || text[at] != ']')) {
                first = false;
                const char32_t low = NextChar(text, at);
                char32_t high = low;
                if (at + 1 < text.size() && text[at] == '-' && text[at + 1] != ']') {
                    ++at;
                    high = NextChar(text, at);
                }
                set.ranges.emplace_back(low, high);
            }
            if (at < text.size()) {
                ++at;  // the closing ']'
                m_tokens.push_back(std::move(set));
            } else {
                at = start + 1;  // no closing ']' after all: a plain '['
                m_tokens.emplace_back(Token::Kind::Char, c);
            }
        } else {
            m_tokens.emplace_back(Token::Kind::Char, c);
        }
    }
}

bool GlobPattern::InSet(const Token& token, char32_t c) const
{
    for (const auto& [low, high] : token.ranges)
        if (c >= low && c <= high)
            return true;
    return false;
}

bool GlobPattern::Accepts(const Token& token, char32_t c) const
{
    switch (token.kind) {
    case Token::Kind::Char:
        return m_ignoreCase ? Lowered(c) == Lowered(token.c) : c == token.c;
    case Token::Kind::AnyChar:
        return c != kSeparator;
    case Token::Kind::Set: {
        const bool in = InSet(token, c) || (m_ignoreCase && (InSet(token, Lowered(c)) || InSet(token, Raised(c))));
        return c != kSeparator && in != token.negated;
    }
    case Token::Kind::Separator:
        return c == kSeparator;
    case Token::Kind::AnyInName:
    case Token::Kind::AnyRun:
    case Token::Kind::AnyFolders:
        break;
    }
    return false;
}

// Runs the pattern as a set of states, one for each position in it, over the
// characters of the path once: no backtracking, whatever the stars.
bool GlobPattern::Matches(std::string_view folderPath, std::string_view name) const
{
    const std::size_t count = m_tokens.size();
    std::vector<char> active(count + 1, 0);
    std::vector<char> next(count + 1, 0);
    // A star may stand for nothing: where it is active, so is what follows.
    const auto closeOver = [&](std::vector<char>& states) {
        for (std::size_t i = 0; i < count; ++i)
            if (states[i] && m_tokens[i].kind >= Token::Kind::AnyInName)
                states[i + 1] = 1;
    };
    active[0] = 1;
    closeOver(active);
    bool alive = true;
    const auto step = [&](char32_t c) {
        std::fill(next.begin(), next.end(), 0);
        alive = false;
        for (std::size_t i = 0; i < count; ++i) {
            if (!active[i])
                continue;
            const Token& token = m_tokens[i];
            bool stay = false;
            bool advance = false;
            switch (token.kind) {
            case Token::Kind::AnyInName:
                stay = c != kSeparator;
                break;
            case Token::Kind::AnyRun:
                stay = true;
                break;
            case Token::Kind::AnyFolders:
                stay = true;
                advance = c == kSeparator;
                break;
            default:
                advance = Accepts(token, c);
            }
            next[i] |= stay;
            next[i + 1] |= advance;
            alive = alive || stay || advance;
        }
        closeOver(next);
        active.swap(next);
    };
    if (!m_nameOnly && folderPath.size() > 1) {
        for (std::size_t at = 1; alive && at < folderPath.size();) {
            const char32_t c = NextChar(folderPath, at);
            step(c == U'\\' ? kSeparator : c);
        }
        if (alive)
            step(kSeparator);
    }
    for (std::size_t at = 0; alive && at < name.size();)
        step(NextChar(name, at));
    return alive && active[count];
}

}  // namespace vorn
