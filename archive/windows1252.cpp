#include "archive/windows1252.h"

#include "archive/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace vorn {
namespace {

// Code points of 0x80..0x9F; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The small letter of a capital of the code page, or the character itself.
char32_t LowerCase(char32_t codePoint)
{
    if ((codePoint >= 'A' && codePoint <= 'Z') || (codePoint >= 0xC0 && codePoint <= 0xDE && codePoint != 0xD7))
        return codePoint + 0x20;  // A-Z, and À-Þ but for the multiplication sign
    if (codePoint == 0x0160 || codePoint == 0x0152 || codePoint == 0x017D)
        return codePoint + 1;  // Š, Œ, Ž
    if (codePoint == 0x0178)
        return 0xFF;  // Ÿ
    return codePoint;
}

}  // namespace

std::string FoldCase(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Sequence sequence = ReadUtf8(utf8, i);
        const bool valid = sequence.status == Utf8Sequence::Status::Valid;
        const char32_t lower = valid ? LowerCase(sequence.codePoint) : 0;
        if (valid && lower != sequence.codePoint)
            AppendUtf8(out, lower);
        else
            out.append(utf8.substr(i, sequence.length));
        i += sequence.length;
    }
    return out;
}

std::optional<std::string> EncodeWindows1252(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Sequence sequence = ReadUtf8(utf8, i);
        if (sequence.status != Utf8Sequence::Status::Valid)
            return std::nullopt;
        i += sequence.length;
        const char32_t codePoint = sequence.codePoint;
        if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
            out += static_cast<char>(codePoint);
            continue;
        }
        std::size_t index = 0;
        while (index < kHighControls.size() && kHighControls[index] != codePoint)
            ++index;
        if (index == kHighControls.size())
            return std::nullopt;
        out += static_cast<char>(0x80 + index);
    }
    return out;
}

// Eight bytes at a time: every name of every load passes through here.
bool IsAscii(std::string_view bytes)
{
    std::size_t at = 0;
    for (; bytes.size() - at >= 8; at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        if ((word & 0x8080808080808080) != 0)
            return false;
    }
    return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(),
                       [](char c) { return static_cast<std::uint8_t>(c) < 0x80; });
}

std::string DecodeWindows1252(std::string_view bytes)
{
    // Most names are plain ASCII.
    if (IsAscii(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < 0x80)
            out += c;
        else if (byte < 0xA0)
            AppendUtf8(out, kHighControls[byte - 0x80]);
        else
            AppendUtf8(out, byte);
    }
    return out;
}

}  // namespace vorn
