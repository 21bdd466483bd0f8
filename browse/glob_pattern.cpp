#include "browse/glob_pattern.h"

#include <algorithm>
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
    if (m_tokens.size() < kShortTokens)
        MakeMasks();
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

bool GlobPattern::IsSkippable(const Token& token)
{
    return token.kind == Token::Kind::AnyInName || token.kind == Token::Kind::AnyRun ||
           token.kind == Token::Kind::AnyFolders;
}

bool GlobPattern::Stays(const Token& token, char32_t c)
{
    return token.kind == Token::Kind::AnyRun || token.kind == Token::Kind::AnyFolders ||
           (token.kind == Token::Kind::AnyInName && c != kSeparator);
}

bool GlobPattern::Advances(const Token& token, char32_t c) const
{
    return token.kind == Token::Kind::AnyFolders ? c == kSeparator : Accepts(token, c);
}

void GlobPattern::MakeMasks()
{
    std::size_t run = 0;
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        const Token& token = m_tokens[i];
        const std::uint64_t bit = std::uint64_t{1} << i;
        for (char32_t c = 0; c < kAsciiCount; ++c)
            if (Advances(token, c))
                m_asciiAdvance[c] |= bit;
        if (Advances(token, kSeparator))
            m_separatorAdvance |= bit;
        if (IsSkippable(token)) {
            m_skippable |= bit;
            run = run + 1;
            m_longestSkippableRun = std::max(m_longestSkippableRun, run);
        } else {
            run = 0;
        }
        if (Stays(token, U'x'))
            m_staysInName |= bit;
        if (Stays(token, kSeparator))
            m_staysAcross |= bit;
    }
}

// The states of a pattern of up to 63 tokens as the bits of one word, all
// stepped at once.
class GlobPattern::ShortStates {
public:
    explicit ShortStates(const GlobPattern& pattern) : m_pattern(pattern), m_active(Closed(1)) {}

    bool Step(char32_t c)
    {
        std::uint64_t advance = 0;
        if (c == kSeparator) {
            advance = m_pattern.m_separatorAdvance;
        } else if (c < kAsciiCount) {
            advance = m_pattern.m_asciiAdvance[c];
        } else {
            for (std::size_t i = 0; i < m_pattern.m_tokens.size(); ++i)
                if (m_pattern.Advances(m_pattern.m_tokens[i], c))
                    advance |= std::uint64_t{1} << i;
        }
        const std::uint64_t stay = c == kSeparator ? m_pattern.m_staysAcross : m_pattern.m_staysInName;
        m_active = Closed(((m_active & advance) << 1) | (m_active & stay));
        return m_active != 0;
    }
    bool Accepted() const { return (m_active >> m_pattern.m_tokens.size()) & 1; }

private:
    // A token that may stand for nothing passes its state on to the next.
    std::uint64_t Closed(std::uint64_t states) const
    {
        for (std::size_t i = 0; i < m_pattern.m_longestSkippableRun; ++i)
            states |= (states & m_pattern.m_skippable) << 1;
        return states;
    }

    const GlobPattern& m_pattern;
    std::uint64_t m_active;
};

// The states of a longer pattern, one flag each.
class GlobPattern::LongStates {
public:
    explicit LongStates(const GlobPattern& pattern)
        : m_pattern(pattern), m_active(pattern.m_tokens.size() + 1, 0), m_next(m_active.size(), 0)
    {
        m_active[0] = 1;
        Close(m_active);
    }

    bool Step(char32_t c)
    {
        std::fill(m_next.begin(), m_next.end(), 0);
        bool alive = false;
        for (std::size_t i = 0; i + 1 < m_active.size(); ++i) {
            if (!m_active[i])
                continue;
            const bool stay = Stays(m_pattern.m_tokens[i], c);
            const bool advance = m_pattern.Advances(m_pattern.m_tokens[i], c);
            m_next[i] |= stay;
            m_next[i + 1] |= advance;
            alive = alive || stay || advance;
        }
        Close(m_next);
        m_active.swap(m_next);
        return alive;
    }
    bool Accepted() const { return m_active.back(); }

private:
    void Close(std::vector<char>& states) const
    {
        for (std::size_t i = 0; i + 1 < states.size(); ++i)
            if (states[i] && IsSkippable(m_pattern.m_tokens[i]))
                states[i + 1] = 1;
    }

    const GlobPattern& m_pattern;
    std::vector<char> m_active;
    std::vector<char> m_next;
};

// Runs the pattern as a set of states, one for each position in it, over the
// characters of the path once: no backtracking, whatever the stars.
template <typename States>
bool GlobPattern::Run(std::string_view folderPath, std::string_view name) const
{
    States states(*this);
    if (!m_nameOnly && folderPath.size() > 1) {
        for (std::size_t at = 1; at < folderPath.size();) {
            const char32_t c = NextChar(folderPath, at);
            if (!states.Step(c == U'\\' ? kSeparator : c))
                return false;
        }
        if (!states.Step(kSeparator))
            return false;
    }
    for (std::size_t at = 0; at < name.size();)
        if (!states.Step(NextChar(name, at)))
            return false;
    return states.Accepted();
}

bool GlobPattern::Matches(std::string_view folderPath, std::string_view name) const
{
    return m_tokens.size() < kShortTokens ? Run<ShortStates>(folderPath, name) : Run<LongStates>(folderPath, name);
}

}  // namespace vorn
