#pragma once

#include <optional>
#include <string_view>

namespace vorn {

enum class TextEncoding { Ascii, Utf8, Windows1252 };

const char* TextEncodingName(TextEncoding encoding);  // "ASCII", "UTF-8", "Windows-1252"

// How bytes read as text: as UTF-8 when they are valid UTF-8 (ASCII when all
// are below 0x80), else as Windows-1252. Nothing when they hold a control
// character other than tab, CR and LF (in Windows-1252 that includes the five
// bytes the code page leaves undefined) or are empty. complete is false for
// the head of a longer file: a UTF-8 sequence cut short at its end is fine.
std::optional<TextEncoding> DetectText(std::string_view bytes, bool complete);

}  // namespace vorn
