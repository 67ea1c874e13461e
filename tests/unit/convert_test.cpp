#include "shared/convert/convert.h"

#include <gtest/gtest.h>
#include <optional>

using namespace convert;

TEST(Convert, NumberTextHasNoLeadingZerosAndAMinusWhenNegative) {
    EXPECT_EQ(NumberToText(INT32_MIN) + NumberToText(0) + NumberToText(2026), "-214748364802026");
}

TEST(Convert, LastCharPosCountsFromOneAndIsZeroWhenAbsent) {
    EXPECT_EQ(LastCharPos('\\', "C:\\a\\b.txt"), 5); // the last one, counted from 1
    EXPECT_EQ(LastCharPos('x', "xyz"), 1);
    EXPECT_EQ(LastCharPos('.', "C:\\a\\b"), 0);
}

TEST(Convert, TrimBlanksRemovesOnlyOuterSpaces) {
    const std::tuple<const char *, const char *, const char *, const char *> cases[] = {
        {"  ab c  ", "ab c", "ab c  ", "  ab c"}, {"   ", "", "", ""}, {"\tx ", "\tx", "\tx ", "\tx"}};
    for (const auto &[text, both, leading, trailing] : cases) {
        EXPECT_EQ(TrimBlanks(text), both) << '"' << text << '"';
        EXPECT_EQ(TrimLeadingBlanks(text), leading) << '"' << text << '"';
        EXPECT_EQ(TrimTrailingBlanks(text), trailing) << '"' << text << '"';
    }
}

TEST(Convert, TextToIntegerReadsWholeDecimalHexadecimalOrBinaryNumbers) {
    // The value read, or none when the text is refused and the value left alone.
    const std::pair<const char *, std::optional<int32_t>> cases[] = {
        {" \t+42", 42},     {"-$1f", -31},       {"$FFFFFFFF", -1},  {"%101", 5}, {"-2147483648", INT32_MIN},
        {"2147483648", {}}, {"-2147483649", {}}, {"$100000000", {}}, {"", {}},    {"$", {}},
        {"42 ", {}},        {"%102", {}}};
    for (const auto &[text, expected] : cases) {
        int32_t value = 12345;
        EXPECT_EQ(TextToInteger(text, value), expected.has_value()) << '"' << text << '"';
        EXPECT_EQ(value, expected.value_or(12345)) << '"' << text << '"';
    }
}
