#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// One UTF-8 sequence read from text.
struct Utf8Sequence {
    enum class Status {
        Valid,
        Invalid,   // a stray byte, an overlong form, a surrogate or a code point past U+10FFFF
        CutShort,  // a valid start that text ends inside
    };

    Status status;
    char32_t codePoint;  // Valid only
    std::size_t length;  // bytes it takes; 1 unless Valid
};

// The sequence that starts at text[at], which must be in range.
Utf8Sequence ReadUtf8(std::string_view text, std::size_t at);

void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace vorn
