// What differs between the systems agenda runs on: the console's character set, binary
// standard output and folder tests. system_posix.cpp and system_win.cpp; the build picks one.
#pragma once
#include <string>

namespace cli {

// A Windows-1252 text in the console's character set: UTF-8 on POSIX; on Windows the
// console's output code page (UTF-8 when there is no console).
std::string ConsoleText(const std::string &text);

// A UTF-8 text (a message with its paths and command-line words) in the console's character
// set: unchanged on POSIX; on Windows in the console's output code page.
std::string ConsoleMessage(const std::string &text);

// A failure's reason in the system's words, as UTF-8: unchanged on POSIX; on Windows from the
// ANSI code page.
std::string ReasonText(const std::string &reason);

// Standard output passes bytes unchanged, so the CR LF of an export stays CR LF.
void UseBinaryStandardOutput();

// True when path (UTF-8) names an existing folder.
bool IsFolder(const std::string &path);

} // namespace cli
