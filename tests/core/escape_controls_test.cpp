#include "framework/escape_controls.h"

#include <gtest/gtest.h>

namespace vorn::testing {
namespace {

TEST(EscapeControls, WritesControlCharactersAsEscapesAndKeepsTheRest)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\\DATA\\CAF\xC3\x89.TXT", "\\DATA\\CAF\xC3\x89.TXT"},
        {"A\nB\r\tC", "A\\nB\\r\\tC"},
        {std::string("\x1b[2J\0\x1f", 6), "\\x1b[2J\\x00\\x1f"},
        {"\x7f \xC2\x80 \xC2\x9D \xC2\x9F", "\\u007f \\u0080 \\u009d \\u009f"},
        {"\xC2\xA0\xC2\xA9 \xE2\x82\xAC \xC2", "\xC2\xA0\xC2\xA9 \xE2\x82\xAC \xC2"},  // not controls; cut short
    };
    for (const auto& [text, escaped] : cases)
        EXPECT_EQ(EscapeControls(text), escaped) << text;
}

}  // namespace
}  // namespace vorn::testing
