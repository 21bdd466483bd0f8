#include "archive/utf8.h"

#include <cstdint>

namespace vorn {
namespace {

// The length of the sequence that lead starts; 0 for a byte that starts none.
std::size_t SequenceLength(std::uint8_t lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC2)
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF5 ? 4 : 0;
}

bool IsContinuation(std::uint8_t byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

Utf8Sequence ReadUtf8(std::string_view text, std::size_t at)
{
    constexpr Utf8Sequence kInvalid{Utf8Sequence::Status::Invalid, 0, 1};
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0)
        return kInvalid;
    char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (at + k == text.size())
            return {Utf8Sequence::Status::CutShort, 0, 1};
        const auto next = static_cast<std::uint8_t>(text[at + k]);
        if (!IsContinuation(next))
            return kInvalid;
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
        return kInvalid;
    return {Utf8Sequence::Status::Valid, codePoint, length};
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace vorn
