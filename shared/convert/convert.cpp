#include "shared/convert/convert.h"

#include <limits>

namespace convert {

namespace {

constexpr char Blank = ' ';

// Positions are 16-bit, so only the first 65535 characters of a longer text can be named.
constexpr std::size_t MaxPositions = std::numeric_limits<uint16_t>::max();

// Value of c as a digit of the given base, or -1.
int DigitValue(char c, uint32_t base) {
    int digit = -1;
    if (c >= '0' && c <= '9') {
        digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
    }
    return digit >= 0 && static_cast<uint32_t>(digit) < base ? digit : -1;
}

} // namespace

std::string NumberToText(int32_t value) { return std::to_string(value); }

uint16_t LastCharPos(char c, std::string_view text) {
    const std::size_t searched = text.size() < MaxPositions ? text.size() : MaxPositions;
    for (std::size_t i = searched; i > 0; --i) {
        if (text[i - 1] == c) {
            return static_cast<uint16_t>(i);
        }
    }
    return 0;
}

std::string TrimLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(Blank);
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(Blank);
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string TrimBlanks(std::string_view text) { return TrimLeadingBlanks(TrimTrailingBlanks(text)); }

bool TextToInteger(std::string_view text, int32_t &value) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    uint32_t base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (pos < text.size() && text[pos] == '%') {
        base = 2;
        ++pos;
    }
    if (pos == text.size()) {
        return false;
    }

    // Decimal is limited by its sign; hexadecimal and binary may fill all 32 bits.
    const uint64_t limit = base != 10 ? std::numeric_limits<uint32_t>::max()
                           : negative ? uint64_t{1} << 31
                                      : std::numeric_limits<int32_t>::max();
    uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = DigitValue(text[pos], base);
        if (digit < 0) {
            return false;
        }
        magnitude = magnitude * base + static_cast<uint32_t>(digit);
        if (magnitude > limit) {
            return false;
        }
    }

    // Negate in unsigned arithmetic so that -2147483648 and "-$80000000" do not overflow.
    auto bits = static_cast<uint32_t>(magnitude);
    if (negative) {
        bits = 0u - bits;
    }
    value = static_cast<int32_t>(bits);
    return true;
}

std::string ShortString(std::string_view text) { return std::string(text.substr(0, 255)); }

} // namespace convert
