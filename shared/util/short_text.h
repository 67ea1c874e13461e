// A text of at most 255 characters kept in place, the way the data files and the list boxes
// hold a note: tables of them are one block, with no allocation per record or per list line.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace util {

class ShortText {
public:
    static constexpr size_t Capacity = 255;

    // Only chars[0 .. size()] are ever read: the rest is left as it is, not cleared.
    ShortText() { chars[0] = '\0'; } // NOLINT(cppcoreguidelines-pro-type-member-init)
    // Longer texts are cut to Capacity, as a record field or a list line cuts them. Implicit,
    // so that a short text compares with and is made from any text.
    ShortText(std::string_view text) : ShortText() { assign(text); }
    ShortText(const char *text) : ShortText(std::string_view(text)) {}
    ShortText(const std::string &text) : ShortText(std::string_view(text)) {}

    void assign(std::string_view text) {
        length = 0;
        append(text);
    }
    // Appends what still fits.
    ShortText &append(std::string_view text) {
        const size_t room = Capacity - length;
        const size_t taken = text.size() < room ? text.size() : room;
        if (taken > 0) std::memcpy(chars + length, text.data(), taken);
        length = static_cast<uint8_t>(length + taken);
        chars[length] = '\0';
        return *this;
    }

    [[nodiscard]] size_t size() const { return length; }
    [[nodiscard]] const char *c_str() const { return chars; }
    [[nodiscard]] std::string_view view() const { return {chars, length}; }
    [[nodiscard]] std::string str() const { return std::string(chars, length); }
    operator std::string_view() const { return view(); }

    friend bool operator==(const ShortText &a, const ShortText &b) { return a.view() == b.view(); }

private:
    uint8_t length = 0;
    char chars[Capacity + 1]; // NUL-terminated for the ANSI Win32 calls
};

} // namespace util
