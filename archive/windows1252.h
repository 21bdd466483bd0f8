#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// Catalogue names are stored in the game's Windows code page. Bytes that
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control of the same value, as Windows itself does.
std::string DecodeWindows1252(std::string_view bytes);

// Whether every byte is ASCII, which reads the same in UTF-8 and in every code
// page names are offered in.
bool IsAscii(std::string_view bytes);

// The inverse, for tools that write archives: nothing when the UTF-8 text holds
// a character the code page cannot store.
std::optional<std::string> EncodeWindows1252(std::string_view utf8);

// The UTF-8 text with every capital letter of the code page made small (A-Z,
// À-Þ, Š, Œ, Ž, Ÿ): two names that a case-insensitive disk takes for one fold
// to the same text.
std::string FoldCase(std::string_view utf8);

}  // namespace vorn
