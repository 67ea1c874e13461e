#include "shared/convert/convert.h"

#include <gtest/gtest.h>

using namespace convert;

TEST(Convert, NumberTextCharacterSearchAndRepeats) {
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(-5), "-5");
    EXPECT_EQ(NumberToText(INT32_MAX), "2147483647");
    EXPECT_EQ(NumberToText(INT32_MIN), "-2147483648");
    EXPECT_EQ(LastCharPos('\\', "C:\\a\\b.txt"), 5);
    EXPECT_EQ(LastCharPos('x', "xyz"), 1); // positions count from 1
    EXPECT_EQ(LastCharPos('.', "C:\\a\\b"), 0);
    EXPECT_EQ(LastCharPos('.', ""), 0);
    EXPECT_EQ(RepeatChar('*', 3), "***");
    EXPECT_EQ(RepeatChar('*', 0), "");
}

TEST(Convert, TrimBlanksRemovesOnlyOuterSpaces) {
    const struct {
        const char *text, *both, *leading, *trailing;
    } cases[] = {
        {"  ab c  ", "ab c", "ab c  ", "  ab c"}, {"   ", "", "", ""}, {"\tx ", "\tx", "\tx ", "\tx"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TrimBlanks(c.text), c.both);
        EXPECT_EQ(TrimLeadingBlanks(c.text), c.leading);
        EXPECT_EQ(TrimTrailingBlanks(c.text), c.trailing);
    }
}

TEST(Convert, TextToIntegerReadsWholeDecimalHexadecimalOrBinaryNumbers) {
    const struct {
        const char *text;
        int32_t value;
    } numbers[] = {{"42", 42},    {" -7", -7},       {"+7", 7},   {"$1f", 31},
                   {"-$1F", -31}, {"$FFFFFFFF", -1}, {"%101", 5}, {"-2147483648", INT32_MIN}};
    for (const auto &n : numbers) {
        int32_t value = 12345;
        EXPECT_TRUE(TextToInteger(n.text, value)) << '"' << n.text << '"';
        EXPECT_EQ(value, n.value) << '"' << n.text << '"';
    }
    for (const char *text :
         {"2147483648", "-2147483649", "$100000000", "", "4x", "42 ", "$", "%102", "1F", "--4"}) {
        int32_t value = 12345;
        EXPECT_FALSE(TextToInteger(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 12345) << '"' << text << '"'; // left alone
    }
}
