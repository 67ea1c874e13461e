#include "shared/convert/convert.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NumberToText, CoversTheWholeRange) {
    const struct {
        int32_t value;
        const char *text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {-5, "-5"},
        {2026, "2026"},
        {2147483647, "2147483647"},
        {-2147483647 - 1, "-2147483648"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(convert::NumberToText(c.value), c.text) << c.value;
    }
}

TEST(LastCharPos, FindsTheLastOccurrenceCountingFromOne) {
    const struct {
        char c;
        std::string text;
        uint16_t pos;
    } cases[] = {
        {'\\', "C:\\a\\b.txt", 5},
        {'.', "C:\\a\\b", 0},
        {'.', "", 0},
        {'x', "x", 1},
        {'x', "xyz", 1},
        {'z', "xyz", 3},
        {'.', "a.b.c", 4},
        {'\xE9', "caf\xE9", 4},
        {'\0', std::string("a\0b", 3), 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(convert::LastCharPos(c.c, c.text), c.pos) << c.text;
    }
}

TEST(LastCharPos, OnlyNamesPositionsThatFitSixteenBits) {
    std::string text(70000, 'a');
    text[65534] = '\\';
    text[65535] = '\\'; // position 65536 cannot be answered
    EXPECT_EQ(convert::LastCharPos('\\', text), 65535);
}

TEST(TrimBlanks, RemovesOnlyOuterSpaces) {
    const struct {
        const char *text;
        const char *both;
        const char *leading;
        const char *trailing;
    } cases[] = {
        {"  ab c  ", "ab c", "ab c  ", "  ab c"},
        {"   ", "", "", ""},
        {"", "", "", ""},
        {"x", "x", "x", "x"},
        {"\tx ", "\tx", "\tx ", "\tx"},
        {" x\r\n", "x\r\n", "x\r\n", " x\r\n"},
        {"\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0", "\xA0x\xA0"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(convert::TrimBlanks(c.text), c.both) << '"' << c.text << '"';
        EXPECT_EQ(convert::TrimLeadingBlanks(c.text), c.leading) << '"' << c.text << '"';
        EXPECT_EQ(convert::TrimTrailingBlanks(c.text), c.trailing) << '"' << c.text << '"';
    }
}

TEST(RepeatChar, GivesExactlyCountCopies) {
    EXPECT_EQ(convert::RepeatChar('*', 3), "***");
    EXPECT_EQ(convert::RepeatChar('*', 0), "");
    EXPECT_EQ(convert::Blanks(2), "  ");
    EXPECT_EQ(convert::Blanks(65535), std::string(65535, ' '));
}

TEST(TextToInteger, ReadsDecimalHexadecimalAndBinary) {
    const struct {
        const char *text;
        int32_t value;
    } cases[] = {
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"007", 7},
        {" \t 42", 42},
        {"$1F", 31},
        {"$1f", 31},
        {"-$1F", -31},
        {"%101", 5},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"$000000000FFFFFFFF", -1},
        {"%11111111111111111111111111111111", -1},
        {"0", 0},
        {"-0", 0},
    };
    for (const auto &c : cases) {
        int32_t value = 12345;
        EXPECT_TRUE(convert::TextToInteger(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(TextToInteger, RejectsPartialOrOversizedNumbersAndLeavesTheValue) {
    const char *const cases[] = {
        "",
        " ",
        "4x",
        "42 ",
        "- 4",
        "+",
        "-",
        "$",
        "%",
        "%102",
        "$1G",
        "1F",
        "12345678901",
        "2147483648",
        "-2147483649",
        "$100000000",
        "4.0",
        "--4",
        "$-1",
        "\xA0+4",
        "0x1F",
        "%111111111111111111111111111111111",
    };
    for (const char *text : cases) {
        int32_t value = 12345;
        EXPECT_FALSE(convert::TextToInteger(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 12345) << '"' << text << '"';
    }
}

} // namespace
