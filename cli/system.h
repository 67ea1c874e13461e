// What differs between the systems agenda runs on: the console's character set, binary
// standard output and folder tests. system_posix.cpp and system_win.cpp; the build picks one.
#pragma once
#include <string>

namespace cli {

// A Windows-1252 text in the console's character set: UTF-8 on POSIX; on Windows the
// console's output code page (UTF-8 when there is no console).
std::string ConsoleText(const std::string &text);

// A text of the system's (a path, a command-line word, a failure's reason) in the console's
// character set: unchanged on POSIX; on Windows from the ANSI code page.
std::string ConsoleMessage(const std::string &text);

// Standard output passes bytes unchanged, so the CR LF of an export stays CR LF.
void UseBinaryStandardOutput();

// True when path names an existing folder.
bool IsFolder(const std::string &path);

} // namespace cli
