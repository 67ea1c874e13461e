#include <windows.h>
#include "shared/util/files.h"
#include "shared/convert/convert.h"
#include "shared/util/paths.h"
#include "shared/util/system_reason.h"

namespace util {

namespace {
using convert::ShortString;

// Entry attributes of a directory search that can make it pass over an entry.
constexpr DWORD Hidden = 0x02, System = 0x04, VolumeLabel = 0x08, Directory = 0x10, Archive = 0x20;

// The first entry matching path whose attributes hold none of hidden, system, volume label
// and directory that admitted leaves out; read-only and archive never pass an entry over.
bool FindEntry(std::string_view path, DWORD admitted, WIN32_FIND_DATAA &entry) {
    const DWORD skipped = ~admitted & (Hidden | System | VolumeLabel | Directory);
    const HANDLE search = FindFirstFileA(ShortString(path).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool found = true;
    while (found && (entry.dwFileAttributes & skipped) != 0)
        found = FindNextFileA(search, &entry) != 0;
    FindClose(search);
    return found;
}

bool Open(std::string_view path, const char *mode, TextFile &file) {
    std::FILE *stream = std::fopen(ShortString(path).c_str(), mode);
    if (stream == nullptr) return false;
    file.reset(stream);
    return true;
}
} // namespace

bool FileExists(std::string_view path) {
    WIN32_FIND_DATAA entry;
    return FindEntry(path, Hidden | Archive, entry);
}

bool DirectoryExists(std::string_view path) {
    WIN32_FIND_DATAA entry;
    return FindEntry(path, Directory, entry);
}

bool OpenTextForReading(std::string_view path, TextFile &file) {
    return FileExists(path) && Open(path, "r", file);
}

bool CreateTextFile(std::string_view path, TextFile &file) { return Open(path, "w", file); }

WriteResult EraseFile(std::string_view path) {
    if (DeleteFileA(ShortString(path).c_str())) return {true, {}};
    return {false, SystemReason(GetLastError())};
}

std::string ProgramBaseName() {
    char path[255] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return ExtractBaseName(std::string_view(path, length));
}

std::string FileYearText(std::string_view path) {
    WIN32_FIND_DATAA entry;
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    if (!FindEntry(path, Archive, entry) || !FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) ||
        !FileTimeToDosDateTime(&local, &date, &time))
        return {};
    return convert::NumberToText(DosYear(static_cast<uint32_t>(date) << 16 | time));
}

} // namespace util
