// What agenda reads from outside: UTF-8 into Windows-1252.
#include <gtest/gtest.h>
#include "cli/utf8.h"

namespace {

TEST(Windows1252FromUtf8, KeepsWhatItHasAndGivesTheRestItsNearestLetter) {
    struct Case {
        const char *utf8;
        const char *windows1252;
        size_t replaced;
        const char *first;
    };
    const Case cases[] = {
        {"Caf\xC3\xA9 \xE2\x82\xAC \xC5\x93 \xE2\x80\x9C", "Caf\xE9 \x80 \x9C \x93", 0, ""}, // é € œ “
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA",
         "L\xF3"
         "dz",
         2, "'\xC5\x81' (U+0141)"}, // Łódź
        {"e\xCC\x81 \xC8\x98 \xE2\x80\x90\xE2\x80\x89|", "e S - |", 4,
         "'\xCC\x81' (U+0301)"},                                                // accent, Ș, dash, space
        {"\xE6\x9D\xB1 \xF0\x9F\x98\x80", "? ?", 2, "'\xE6\x9D\xB1' (U+6771)"}, // 東, an emoji
        {"\xC2\x81\xC2\x80", "\x81?", 1, "'\xC2\x80' (U+0080)"}, // U+0081 is byte 0x81; U+0080 has no byte
        {"a\xC0\xAF"
         "b\xED\xA0\x80"
         "c\xE2\x82",
         "a??b???c??", 7, "'\xEF\xBF\xBD' (U+FFFD)"}, // overlong, surrogate, cut
    };
    for (const Case &c : cases) {
        const cli::Windows1252Text text = cli::Windows1252FromUtf8(c.utf8);
        EXPECT_EQ(text.text, c.windows1252) << c.utf8;
        EXPECT_EQ(text.replaced, c.replaced) << c.utf8;
        EXPECT_EQ(text.firstReplaced, c.first) << c.utf8;
        if (c.replaced == 0) {
            EXPECT_EQ(cli::Utf8FromWindows1252(text.text), c.utf8); // and back
        }
    }
    EXPECT_EQ(cli::WithCrLf("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
}

} // namespace
