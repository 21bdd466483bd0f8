#include "framework/escape_controls.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vorn {
namespace {

constexpr unsigned char kC1Lead = 0xC2;  // UTF-8 of U+0080 to U+00BF starts with it

// Whether the byte may begin a control character. Clean names never hit it, so
// they cost one scan and one append.
bool MayStartControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F || c == kC1Lead;
}

// Word-at-a-time tests ("Bit Twiddling Hacks"): whether any of the eight bytes
// is zero, or below n (n <= 128).
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

bool HasZeroByte(std::uint64_t word)
{
    return ((word - kOnes) & ~word & kHighBits) != 0;
}

bool HasByteBelow(std::uint64_t word, unsigned char n)
{
    return ((word - kOnes * n) & ~word & kHighBits) != 0;
}

// The first byte that may begin a control character, eight bytes at a time up
// to the word that holds it: listing a million names must not pay for this.
const unsigned char* FindMayStartControl(const unsigned char* bytes, const unsigned char* end)
{
    for (; end - bytes >= 8; bytes += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes, sizeof word);
        if (HasByteBelow(word, 0x20) || HasZeroByte(word ^ (kOnes * 0x7F)) || HasZeroByte(word ^ (kOnes * kC1Lead)))
            break;
    }
    return std::find_if(bytes, end, MayStartControl);
}

void AppendHex(std::string& out, const char* prefix, unsigned char c)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    out += prefix;
    out += kDigits[c >> 4];
    out += kDigits[c & 0xF];
}

}  // namespace

void AppendEscapingControls(std::string& out, std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = bytes + text.size();
    for (;;) {
        const auto* special = FindMayStartControl(bytes, end);
        out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(special - bytes));
        if (special == end)
            return;
        const unsigned char c = *special;
        bytes = special + 1;
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c < 0x20)
            AppendHex(out, "\\x", c);
        else if (c == 0x7F)
            AppendHex(out, "\\u00", c);
        else if (bytes != end && *bytes >= 0x80 && *bytes <= 0x9F)
            AppendHex(out, "\\u00", *bytes++);
        else
            out += static_cast<char>(c);
    }
}

std::string EscapeControls(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendEscapingControls(out, text);
    return out;
}

std::size_t CleanPrefixLength(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    return static_cast<std::size_t>(FindMayStartControl(bytes, bytes + text.size()) - bytes);
}

}  // namespace vorn
