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
bool FindEntry(const SystemPath &path, DWORD admitted, WIN32_FIND_DATAW &entry) {
    const DWORD skipped = ~admitted & (Hidden | System | VolumeLabel | Directory);
    const HANDLE search = FindFirstFileW(path.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool found = true;
    while (found && (entry.dwFileAttributes & skipped) != 0)
        found = FindNextFileW(search, &entry) != 0;
    FindClose(search);
    return found;
}

} // namespace

bool FileExists(const SystemPath &path) {
    WIN32_FIND_DATAW entry;
    return FindEntry(path, Hidden | Archive, entry);
}
bool FileExists(std::string_view path) { return FileExists(PathFromAnsi(path)); }

bool DirectoryExists(const SystemPath &path) {
    WIN32_FIND_DATAW entry;
    return FindEntry(path, Directory, entry);
}
bool DirectoryExists(std::string_view path) { return DirectoryExists(PathFromAnsi(path)); }

WriteResult EraseFile(const SystemPath &path) {
    if (DeleteFileW(path.c_str())) return {true, FileKind::File, {}};
    return {false, FileKind::File, SystemReason(GetLastError())};
}

SystemPath PathFromAnsi(std::string_view path) { return WideFromCodePage(CP_ACP, ShortString(path)); }

std::string DisplayPath(const SystemPath &path) { return WideToCodePage(CP_ACP, path); }

SystemPath ShortPath(const SystemPath &path) {
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    SystemPath shortPath(size, L'\0');
    const DWORD length = size == 0 ? 0 : GetShortPathNameW(path.c_str(), shortPath.data(), size);
    if (length == 0 || length >= size) return path;
    shortPath.resize(length);
    return shortPath;
}

SystemPath ProgramFilePath() {
    // A path that fills the buffer may have been cut: ask again with room for a longer one.
    SystemPath path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramBaseName() {
    const SystemPath path = ProgramFilePath();
    const size_t separator = path.rfind(L'\\');
    // Only the name goes through the ANSI code page, so a folder outside it does not matter.
    return ExtractBaseName(DisplayPath(separator == SystemPath::npos ? path : path.substr(separator + 1)));
}

std::string FileYearText(std::string_view path) {
    WIN32_FIND_DATAW entry;
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    if (!FindEntry(PathFromAnsi(path), Archive, entry) ||
        !FileTimeToLocalFileTime(&entry.ftLastWriteTime, &local) ||
        !FileTimeToDosDateTime(&local, &date, &time))
        return {};
    return convert::NumberToText(DosYear(static_cast<uint32_t>(date) << 16 | time));
}

} // namespace util
