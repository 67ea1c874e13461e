// Paths in the system's own form: UTF-16 on Windows, so that a folder named with letters
// outside the ANSI code page (Łódź) is kept exactly and reached through the wide calls; the
// bytes the system gives (UTF-8) elsewhere.
#pragma once
#include <string>
#include <string_view>

namespace util {

#ifdef _WIN32
using SystemPath = std::wstring;
inline constexpr wchar_t PathSeparator = L'\\';
#else
using SystemPath = std::string;
inline constexpr char PathSeparator = '/';
#endif

// folder, the separator (unless folder ends in one) and name, a plain ASCII file name.
SystemPath JoinPath(const SystemPath &folder, std::string_view name);
// path followed by an ASCII suffix (".bak").
SystemPath WithSuffix(const SystemPath &path, std::string_view suffix);

// From and to UTF-8, the terminal's text: nothing changes on POSIX. A text that is not UTF-8
// converts with U+FFFD in place of the bad bytes.
SystemPath PathFromUtf8(std::string_view text);
std::string PathToUtf8(const SystemPath &path);

#ifdef _WIN32
// A text in a code page (CP_UTF8, CP_ACP, 1252...) as UTF-16, and UTF-16 in a code page, where
// letters it lacks become its best fit or its default character.
SystemPath WideFromCodePage(unsigned codePage, std::string_view text);
std::string WideToCodePage(unsigned codePage, const SystemPath &wide);
#endif

// The current directory, or "" when the system cannot say.
SystemPath CurrentFolder();

} // namespace util
