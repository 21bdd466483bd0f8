#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// What the filter box holds: a name matches when it contains the text,
// ignoring the case of A-Z, where '*' stands for any run of characters and
// '?' for any one character. An empty pattern matches every name.
class NamePattern {
public:
    NamePattern() = default;
    explicit NamePattern(std::string_view text);

    bool IsEmpty() const { return m_parts.empty(); }
    bool Matches(std::string_view name) const;

private:
    // The text between the stars, lower-cased, in order; a name matches when
    // each is found after the one before.
    std::vector<std::string> m_parts;
};

}  // namespace vorn
