// Windows-1252 text, as the data files hold it, in UTF-8.
#pragma once
#include <string>
#include <string_view>

namespace cli {

// Appends the UTF-8 form of one Windows-1252 character (one to three bytes). The five bytes
// Windows-1252 leaves undefined stand for the control characters of the same number, as the
// system's own conversion takes them.
void AppendUtf8(std::string &out, char c);

std::string Utf8FromWindows1252(std::string_view text);

} // namespace cli
