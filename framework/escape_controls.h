#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorn {

// Writes the control characters of UTF-8 text as escapes, so that a name shown
// on a terminal or in a log can neither drive the terminal nor split one line
// into two: "\n", "\r" and "\t", "\x1b" for the other C0 controls, "\u007f" for
// DEL and "\u0085" for the C1 controls. The last two are valid JSON escapes, so
// JSON text stays valid and means the same. Everything else is kept as it is.
void AppendEscapingControls(std::string& out, std::string_view text);
std::string EscapeControls(std::string_view text);
// How many bytes at the start of text certainly need no escape, for callers
// that copy clean text straight through and escape only the rest.
std::size_t CleanPrefixLength(std::string_view text);

}  // namespace vorn
