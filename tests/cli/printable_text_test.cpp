// Text from the user quoted safely in messages on a terminal.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/printable_text.h"

TEST(PrintableText, ControlCharactersAndStrayBytesAreEscapedAndUtf8Kept)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain text, \xc5\xa1 \xe2\x82\xac \xf0\x9f\x8e\xb5",
         "plain text, \xc5\xa1 \xe2\x82\xac \xf0\x9f\x8e\xb5"},
        {"\x1b[2K\rnew\tline\n", "\\x1b[2K\\x0dnew\\x09line\\x0a"},
        {"del\x7f c1\x9b utf8-c1\xc2\x9b\xc2\x80 nel\xc2\x85",
         "del\\x7f c1\\x9b utf8-c1\\xc2\\x9b\\xc2\\x80 nel\\xc2\\x85"},
        // Overlong forms, a surrogate, past U+10FFFF, cut short, a stray
        // continuation byte: one escape per byte.
        {"\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80", "\\xc0\\xaf\\xed\\xa0\\x80\\xf4\\x90\\x80\\x80"},
        // Either side of the surrogates and U+10FFFF: kept. The last
        // surrogate, and the largest 2- and 3-byte values written a byte
        // longer: escaped.
        {"\xed\x9f\xbf \xee\x80\x80 \xf4\x8f\xbf\xbf",
         "\xed\x9f\xbf \xee\x80\x80 \xf4\x8f\xbf\xbf"},
        {"\xed\xbf\xbf", "\\xed\\xbf\\xbf"},
        {"\xe0\x9f\xbf \xf0\x8f\xbf\xbf", "\\xe0\\x9f\\xbf \\xf0\\x8f\\xbf\\xbf"},
        {"end\xe2\x82", "end\\xe2\\x82"},
        {"\x80x", "\\x80x"},
        {std::string("nul\0", 4), "nul\\x00"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(shown, EscapeControlCharacters(text));
    }
}
