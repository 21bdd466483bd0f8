#pragma once

#include "browse/glob_pattern.h"

#include <string_view>

namespace vorn {

// What the filter box holds: a name matches when it contains the text,
// ignoring the case of A-Z, where '*' stands for any run of characters and
// '?' for any one character. An empty pattern matches every name.
class NamePattern {
public:
    NamePattern() = default;
    explicit NamePattern(std::string_view text);

    bool IsEmpty() const { return m_empty; }
    bool Matches(std::string_view name) const { return m_empty || m_glob.Matches({}, name); }

private:
    bool m_empty = true;
    // "*text*", every other character of the text standing for itself.
    GlobPattern m_glob{"", LetterCase::Ignored};
};

}  // namespace vorn
