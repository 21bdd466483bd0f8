#include "archive/text_detection.h"

#include <cstdint>

namespace vorn {
namespace {

bool IsControl(char32_t c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F);
}

// The length of the UTF-8 sequence that lead starts; 0 for a byte that starts none.
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

// Valid UTF-8 without controls; for a head, the last sequence may be cut.
bool IsUtf8Text(std::string_view bytes, bool complete)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0)
            return false;
        if (i + length > bytes.size()) {
            if (complete)
                return false;
            // A cut sequence: what is there must still be continuation bytes.
            for (std::size_t k = i + 1; k < bytes.size(); ++k)
                if ((static_cast<std::uint8_t>(bytes[k]) & 0xC0) != 0x80)
                    return false;
            return true;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = c << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF || IsControl(c))
            return false;
        i += length;
    }
    return true;
}

bool IsWindows1252Text(std::string_view bytes)
{
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        if (undefined || (b < 0x80 && IsControl(b)))
            return false;
    }
    return true;
}

}  // namespace

const char* TextEncodingName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Ascii:
        return "ASCII";
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Windows1252:
        return "Windows-1252";
    }
    return "";
}

std::optional<TextEncoding> DetectText(std::string_view bytes, bool complete)
{
    if (bytes.empty())
        return std::nullopt;
    if (IsUtf8Text(bytes, complete)) {
        for (const char byte : bytes)
            if (static_cast<std::uint8_t>(byte) >= 0x80)
                return TextEncoding::Utf8;
        return TextEncoding::Ascii;
    }
    if (IsWindows1252Text(bytes))
        return TextEncoding::Windows1252;
    return std::nullopt;
}

}  // namespace vorn
