// Windows-1252 text, as the data files hold it, in UTF-8; and UTF-8 (the terminal's, an
// iCalendar file's) in Windows-1252.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// Appends the UTF-8 form of one Windows-1252 character (one to three bytes). The five bytes
// Windows-1252 leaves undefined stand for the control characters of the same number, as the
// system's own conversion takes them.
void AppendUtf8(std::string &out, char c);
// The same written at out, which has room for three bytes; returns how many it wrote.
size_t PutUtf8(char c, char *out);

std::string Utf8FromWindows1252(std::string_view text);

// UTF-8 read as Windows-1252: a character Windows-1252 lacks becomes the plain letter nearest to
// it (ł l, ș s), a plain dash or blank, or "?"; a combining accent is dropped, its letter
// standing for both. A byte that starts no well-formed UTF-8 character reads as U+FFFD, a "?".
struct Windows1252Text {
    std::string text;
    size_t replaced = 0;       // characters given another form, or dropped
    std::string firstReplaced; // the first of them, in UTF-8 with its number: "'ł' (U+0142)"
};
Windows1252Text Windows1252FromUtf8(std::string_view utf8);

// Each line break (LF, or CR LF already) as CR LF, the one Tarvela's editor writes.
std::string WithCrLf(std::string_view text);

} // namespace cli
