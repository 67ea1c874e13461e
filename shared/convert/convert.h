// Decimal text of integers, blank trimming and character search.
// Texts are Windows-1252 bytes; positions are 1-based, 0 means "not found".
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace convert {

// Decimal text of value: digits without leading zeros, a minus sign when negative.
std::string NumberToText(int32_t value);

// Position (1-based) of the last occurrence of c in text; 0 when it does not occur.
uint16_t LastCharPos(char c, std::string_view text);

// Only the blank (32) is trimmed; tabs, CR, LF and 160 are ordinary characters.
std::string TrimBlanks(std::string_view text);
std::string TrimLeadingBlanks(std::string_view text);
std::string TrimTrailingBlanks(std::string_view text);

// The first 255 characters of text: what a short string holds and what reaches the system.
std::string ShortString(std::string_view text);

// Reads a whole text as a signed 32-bit integer: optional leading blanks or tabs, an
// optional sign, then decimal digits, or "$" and hexadecimal digits, or "%" and binary
// digits. Hexadecimal and binary values may use all 32 bits ("$FFFFFFFF" is -1).
// Returns false (value untouched) when the text is not such a number or does not fit.
bool TextToInteger(std::string_view text, int32_t &value);

} // namespace convert
