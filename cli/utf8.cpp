#include "cli/utf8.h"

#include <cstdint>
#include <cstdio>

namespace cli {
namespace {

// The characters of bytes 0x80..0x9F; the others are the Latin-1 characters of the same number.
constexpr char16_t High1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// U+0100..U+017F (Latin Extended-A) without their marks; those Windows-1252 has never get here.
constexpr std::string_view LatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(LatinExtendedA.size() == 0x80);

// Writes the UTF-8 form of code at out, which has room for four bytes; returns how many it wrote.
size_t PutCodePoint(char32_t code, char *out) {
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    const size_t length = code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
    constexpr uint8_t Lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    for (size_t i = length - 1; i > 0; --i, code >>= 6)
        out[i] = static_cast<char>(0x80 | (code & 0x3F));
    out[0] = static_cast<char>(Lead[length] | code);
    return length;
}

void AppendCodePoint(std::string &out, char32_t code) {
    char bytes[4];
    out.append(bytes, PutCodePoint(code, bytes));
}

// The character starting at text[at], at moved past it; U+FFFD, one byte on, for a byte that
// starts no well-formed character (a stray or missing continuation, an overlong form, a surrogate).
char32_t NextCodePoint(std::string_view text, size_t &at) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(at);
    const size_t length = lead < 0x80   ? 1
                          : lead < 0xC2 ? 0
                          : lead < 0xE0 ? 2
                          : lead < 0xF0 ? 3
                          : lead < 0xF5 ? 4
                                        : 0;
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    char32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
    bool wellFormed = length > 0 && at + length <= text.size();
    for (size_t i = 1; wellFormed && i < length; ++i) {
        wellFormed = (byte(at + i) & 0xC0) == 0x80;
        code = code << 6 | (byte(at + i) & 0x3Fu);
    }
    if (!wellFormed || code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
        ++at;
        return 0xFFFD;
    }
    at += length;
    return code;
}

// The byte of code in Windows-1252, or -1 when it has none.
int Windows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (High1252[i] == code) return 0x80 + i;
    return -1;
}

// What stands for a character Windows-1252 lacks.
std::string_view Nearest(char32_t code) {
    if (code >= 0x100 && code < 0x180) return LatinExtendedA.substr(code - 0x100, 1);
    if (code >= 0x218 && code < 0x21C) return std::string_view("SsTt").substr(code - 0x218, 1); // Ș ș Ț ț
    if ((code >= 0x300 && code < 0x370) || (code >= 0x200B && code <= 0x200D) || code == 0xFEFF)
        return ""; // combining accents, zero-width characters
    if ((code >= 0x2010 && code <= 0x2015) || code == 0x2212) return "-";
    if ((code >= 0x2000 && code <= 0x200A) || code == 0x202F || code == 0x205F || code == 0x3000) return " ";
    return "?";
}

} // namespace

size_t PutUtf8(char c, char *out) {
    const auto byte = static_cast<uint8_t>(c);
    return PutCodePoint(byte >= 0x80 && byte < 0xA0 ? High1252[byte - 0x80] : byte, out);
}

void AppendUtf8(std::string &out, char c) {
    char bytes[3];
    out.append(bytes, PutUtf8(c, bytes));
}

std::string Utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (const char c : text)
        AppendUtf8(out, c);
    return out;
}

Windows1252Text Windows1252FromUtf8(std::string_view utf8) {
    Windows1252Text result;
    result.text.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const char32_t code = NextCodePoint(utf8, at);
        if (const int byte = Windows1252Byte(code); byte >= 0) {
            result.text += static_cast<char>(byte);
            continue;
        }
        if (result.replaced++ == 0) {
            std::string character;
            AppendCodePoint(character, code);
            char named[32]; // at most four bytes and six hex digits: never cut short
            static_cast<void>(std::snprintf(named, sizeof named, "'%s' (U+%04X)", character.c_str(),
                                            static_cast<unsigned>(code)));
            result.firstReplaced = named;
        }
        result.text += Nearest(code);
    }
    return result;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace cli
