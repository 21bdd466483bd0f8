#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace vorn {

enum class LetterCase { Ignored, Exact };

// A wildcard pattern for archive paths: '*' stands for any run of characters
// within a name, '?' for any one character, "[...]" for one of a set ("[a-z]",
// "[!...]" or "[^...]" for none of it), "**" for any run across folders ("**/"
// for none or several whole folders). '/' and '\' both separate folders. A
// pattern without a separator is matched against the name alone, in any
// folder. Ignoring case compares A-Z as a-z.
class GlobPattern {
public:
    GlobPattern(std::string_view text, LetterCase letterCase);

    // folderPath as the catalogue spells it: "\DATA\SUB", empty at the top level.
    bool Matches(std::string_view folderPath, std::string_view name) const;

private:
    struct Token {
        // The last three may stand for nothing.
        enum class Kind { Char, AnyChar, Set, Separator, AnyInName, AnyRun, AnyFolders };
        explicit Token(Kind tokenKind, char32_t character = 0) : kind(tokenKind), c(character) {}

        Kind kind;
        char32_t c = 0;  // Char
        bool negated = false;  // Set
        std::vector<std::pair<char32_t, char32_t>> ranges;  // Set
    };

    class ShortStates;
    class LongStates;
    static constexpr std::size_t kShortTokens = 64;  // fewer: each state a bit of one word
    static constexpr char32_t kAsciiCount = 128;

    static bool IsSkippable(const Token& token);
    static bool Stays(const Token& token, char32_t c);
    bool Advances(const Token& token, char32_t c) const;
    bool Accepts(const Token& token, char32_t c) const;
    bool InSet(const Token& token, char32_t c) const;
    void MakeMasks();
    template <typename States>
    bool Run(std::string_view folderPath, std::string_view name) const;

    std::vector<Token> m_tokens;
    bool m_ignoreCase;
    bool m_nameOnly = true;  // no separator in the pattern
    // For short patterns, the tokens as bits: those that take each ASCII
    // character or a separator and move on, those that take one and stay,
    // those that may stand for nothing.
    std::array<std::uint64_t, kAsciiCount> m_asciiAdvance{};
    std::uint64_t m_separatorAdvance = 0;
    std::uint64_t m_staysInName = 0;
    std::uint64_t m_staysAcross = 0;
    std::uint64_t m_skippable = 0;
    std::size_t m_longestSkippableRun = 0;  // how far one state passes on at most
};

}  // namespace vorn
