#include "archive/text_detection.h"

#include "archive/utf8.h"

#include <cstdint>

namespace vorn {
namespace {

bool IsControl(char32_t c)
{
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || (c >= 0x7F && c <= 0x9F);
}

// Valid UTF-8 without controls; for a head, the last sequence may be cut.
bool IsUtf8Text(std::string_view bytes, bool complete)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const Utf8Sequence sequence = ReadUtf8(bytes, i);
        if (sequence.status == Utf8Sequence::Status::CutShort)
            return !complete;
        if (sequence.status == Utf8Sequence::Status::Invalid || IsControl(sequence.codePoint))
            return false;
        i += sequence.length;
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
