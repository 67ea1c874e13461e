// What differs between the systems agenda runs on: the console's character set, standard
// output, folder tests and how a path's file is named. system_posix.cpp and system_win.cpp; the
// build picks one.
#pragma once
#include <string>
#include <string_view>
#include "shared/util/system_path.h"

namespace cli {

// A UTF-8 text (a message with its paths and command-line words, a note made readable) in the
// console's character set: unchanged on POSIX; on Windows in the console's output code page
// (UTF-8 when there is no console).
std::string ConsoleMessage(const std::string &text);

// Writes a UTF-8 text to standard output, in the console's character set (main tells a failed
// write from standard output's error flag).
void WriteConsoleText(std::string_view text);

// A failure's reason in the system's words, as UTF-8: unchanged on POSIX; on Windows from the
// ANSI code page.
std::string ReasonText(const std::string &reason);

// Standard output passes bytes unchanged, so the CR LF of an export stays CR LF.
void UseBinaryStandardOutput();

// True when path (UTF-8) names an existing folder.
bool IsFolder(const std::string &path);

// The name of the file path stands for, as the system takes it: links followed, and on Windows
// without the trailing dots and blanks the system drops ("agenda.dat." is agenda.dat).
util::SystemPath ResolvedName(const util::SystemPath &path);

// True when path leads to what standard output already writes to (/dev/stdout, or the file
// standard output was sent to), so that an export there goes through standard output.
bool IsStandardOutput(const util::SystemPath &path);

} // namespace cli
