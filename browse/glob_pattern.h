#pragma once

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

    bool Accepts(const Token& token, char32_t c) const;
    bool InSet(const Token& token, char32_t c) const;

    std::vector<Token> m_tokens;
    bool m_ignoreCase;
    bool m_nameOnly = true;  // no separator in the pattern
};

}  // namespace vorn
