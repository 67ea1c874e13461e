// convert::TextToInteger, the integer reader of GetControlInteger, on any text, raw and trimmed
// as GetControlInteger trims it, against a reader built on std::from_chars; a decimal value
// reads back from its own NumberToText.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "shared/convert/convert.h"

namespace {

// Blanks or tabs, a sign, "$" (hexadecimal) or "%" (binary) or nothing, then only digits of
// that base; decimal within the signed range, the other bases within 32 bits.
std::optional<int32_t> Expected(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(" \t"), text.size()));
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (!text.empty() && (text[0] == '$' || text[0] == '%')) {
        base = text[0] == '$' ? 16 : 2;
        text.remove_prefix(1);
    }
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (base == 10) {
        if (magnitude > (negative ? 2147483648u : 2147483647u)) return std::nullopt;
        return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                             : static_cast<int64_t>(magnitude));
    }
    if (magnitude > UINT32_MAX) return std::nullopt;
    const uint32_t bits = negative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
    return static_cast<int32_t>(bits);
}

void CheckReader(std::string_view text) {
    int32_t value = 12345; // left alone when the text is no number
    const bool read = convert::TextToInteger(text, value);
    const std::optional<int32_t> expected = Expected(text);
    FUZZ_CHECK(read == expected.has_value());
    FUZZ_CHECK(value == (read ? *expected : 12345));
    if (read) {
        int32_t again = 0;
        FUZZ_CHECK(convert::TextToInteger(convert::NumberToText(value), again) && again == value);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    CheckReader(text);
    const std::string trimmed = convert::TrimBlanks(text);
    FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
    CheckReader(trimmed);
    return 0;
}
