// File and folder tests, deletion, paths as the programs show them, the program's own name
// and a file's year.
// A path given as text is in the ANSI code page and cut to its first 255 characters before the
// system sees it; a SystemPath reaches it whole. A relative path is taken from the current
// directory.
#pragma once
#include <string>
#include <string_view>
#include "shared/util/file_io.h"
#include "shared/util/system_path.h"

namespace util {

// True when path (wildcards allowed) names a file: hidden and read-only files count,
// folders, system files and volume labels do not.
bool FileExists(std::string_view path);
bool FileExists(const SystemPath &path);
// True when path names a folder that is neither hidden nor system. An ordinary file at the
// path counts too; a path ending in a backslash, or a bare drive root, does not.
bool DirectoryExists(std::string_view path);
bool DirectoryExists(const SystemPath &path);

// Deletes the file; when that fails (missing, read-only, in use) says why, and nothing changes.
WriteResult EraseFile(const SystemPath &path);

// A path as the programs show it: in the ANSI code page, letters outside it best-fit.
std::string DisplayPath(const SystemPath &path);
// A path typed or shown in the ANSI code page, cut to 255 characters, as the wide calls take it.
SystemPath PathFromAnsi(std::string_view path);
// path with each part by its short (8.3) name where it has one; path itself when the system
// gives none (a volume without short names, a path that does not exist).
SystemPath ShortPath(const SystemPath &path);

// The running program's file, its full path.
SystemPath ProgramFilePath();
// The running program's file name without folder and extension ("Tarvela" for
// C:\x\Tarvela.exe), as it is on disk.
std::string ProgramBaseName();
// The local year in which the first plain file matching path was last written, as decimal
// text; "" when no such file exists.
std::string FileYearText(std::string_view path);

} // namespace util
