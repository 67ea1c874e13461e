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

    // Only chars_[0 .. size()] are ever read: the rest is left as it is, not cleared.
    ShortText() { chars_[0] = '\0'; } // NOLINT(cppcoreguidelines-pro-type-member-init)
    // Longer texts are cut to Capacity, as a record field or a list line cuts them. Implicit,
    // so that a short text compares with and is made from any text.
    ShortText(std::string_view text) : ShortText() { assign(text); }
    ShortText(const char *text) : ShortText(std::string_view(text)) {}
    ShortText(const std::string &text) : ShortText(std::string_view(text)) {}

    void assign(std::string_view text) {
        length_ = 0;
        append(text);
    }
    // Appends what still fits.
    ShortText &append(std::string_view text) {
        const size_t room = Capacity - length_;
        const size_t taken = text.size() < room ? text.size() : room;
        // In blocks of 16, then byte by byte: gcc turns a memcpy or copy_n whose length it knows
        // to be at most 255 into rep movsq, slow to start for the few dozen characters of a
        // line piece; this is a few vector moves.
        char *out = chars_ + length_;
        const char *in = text.data();
        size_t done = 0;
        for (; done + 16 <= taken; done += 16)
            std::memcpy(out + done, in + done, 16);
        for (; done < taken; ++done)
            out[done] = in[done];
        length_ = static_cast<uint8_t>(length_ + taken);
        chars_[length_] = '\0';
        return *this;
    }

    // Appends what put writes in place: put gets where the text ends and returns the end of
    // what it wrote, at most `most` characters. Nothing is written when they might not fit.
    // Writing a number or a date here, rather than copying it from a buffer just written,
    // spares the processor a stall that costs more than the whole copy.
    template <typename Put> ShortText &append_put(size_t most, Put put) {
        if (most > Capacity - length_) return *this;
        const char *end = put(chars_ + length_);
        length_ = static_cast<uint8_t>(end - chars_);
        chars_[length_] = '\0';
        return *this;
    }

    [[nodiscard]] size_t size() const { return length_; }
    [[nodiscard]] const char *c_str() const { return chars_; }
    [[nodiscard]] std::string_view view() const { return {chars_, length_}; }
    [[nodiscard]] std::string str() const { return std::string(chars_, length_); }
    operator std::string_view() const { return view(); }

    friend bool operator==(const ShortText &a, const ShortText &b) { return a.view() == b.view(); }

  private:
    uint8_t length_ = 0;
    char chars_[Capacity + 1]; // NUL-terminated for the ANSI Win32 calls
};

} // namespace util
