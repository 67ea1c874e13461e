// File and folder tests, text files, deletion, the program's own name and a file's year,
// through the system's ANSI calls. Every path is cut to its first 255 characters before the
// system sees it; a relative path is taken from the current directory.
#pragma once
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include "shared/util/file_io.h"

namespace util {

struct TextFileCloser {
    // A deleter has no one to report a failed close to.
    void operator()(std::FILE *stream) const { static_cast<void>(std::fclose(stream)); }
};
// A text file read or written line by line (text mode: CR LF on disk); closes itself.
using TextFile = std::unique_ptr<std::FILE, TextFileCloser>;

// True when path (wildcards allowed) names a file: hidden and read-only files count,
// folders, system files and volume labels do not.
bool FileExists(std::string_view path);
// True when path names a folder that is neither hidden nor system. An ordinary file at the
// path counts too; a path ending in a backslash, or a bare drive root, does not.
bool DirectoryExists(std::string_view path);

// Opens an existing file for reading from its start. False, with file left as it was, when
// the file does not exist or cannot be opened (locked, no rights).
bool OpenTextForReading(std::string_view path, TextFile &file);
// Creates the file, or cuts an existing one to length zero, and opens it for writing.
// False, with file left as it was, when that fails (missing folder, bad name, no rights).
bool CreateTextFile(std::string_view path, TextFile &file);
// Deletes the file; when that fails (missing, read-only, in use) says why, and nothing changes.
WriteResult EraseFile(std::string_view path);

// The running program's file name without folder and extension ("Tarvela" for
// C:\x\Tarvela.exe), as it is on disk.
std::string ProgramBaseName();
// The local year in which the first plain file matching path was last written, as decimal
// text; "" when no such file exists.
std::string FileYearText(std::string_view path);

} // namespace util
