#include <windows.h>

// The Windows side of file_io.h: wide calls, so a path outside the ANSI code page reaches the
// file it names.
#include "shared/util/file_io.h"
#include "shared/util/system_reason.h"

#include <algorithm>

namespace util {

std::string SystemReason(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        error, 0, text, sizeof text, nullptr);
    std::string reason(text, length);
    while (!reason.empty() &&
           (reason.back() == '\r' || reason.back() == '\n' || reason.back() == '.' || reason.back() == ' '))
        reason.pop_back();
    if (reason.empty()) reason = "Windows error " + std::to_string(error);
    return reason;
}

namespace {

// Closes the handle when the scope ends, whichever way it ends.
struct HandleCloser {
    HANDLE handle;
    explicit HandleCloser(HANDLE opened) : handle(opened) {}
    HandleCloser(const HandleCloser &) = delete; // a copy would close the handle twice
    HandleCloser &operator=(const HandleCloser &) = delete;
    HandleCloser(HandleCloser &&) = delete;
    HandleCloser &operator=(HandleCloser &&) = delete;
    ~HandleCloser() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

// What stands at path, links followed, opened without access so that nothing is read or
// waited on: a folder opens only with backup semantics, a pipe or a device without blocking.
struct Probe {
    DWORD error = ERROR_SUCCESS; // the open's error, when nothing could be opened
    FileKind kind = FileKind::File;
    std::optional<FileIdentity> identity; // a file's or a folder's
};

Probe ProbePath(const SystemPath &path, SystemPath *final = nullptr) {
    HandleCloser entry{CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)};
    if (entry.handle == INVALID_HANDLE_VALUE) return {GetLastError(), FileKind::File, std::nullopt};
    Probe probe;
    BY_HANDLE_FILE_INFORMATION info{};
    switch (GetFileType(entry.handle)) {
    case FILE_TYPE_DISK:
        if (!GetFileInformationByHandle(entry.handle, &info)) break;
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) probe.kind = FileKind::Folder;
        probe.identity = {info.dwVolumeSerialNumber,
                          uint64_t{info.nFileIndexHigh} << 32 | info.nFileIndexLow};
        break;
    case FILE_TYPE_PIPE: probe.kind = FileKind::Pipe; break;
    default: probe.kind = FileKind::Device; break;
    }
    if (final != nullptr) {
        // The first call tells the length, terminator included; the second fills all but that.
        SystemPath name(GetFinalPathNameByHandleW(entry.handle, nullptr, 0, FILE_NAME_NORMALIZED), L'\0');
        if (!name.empty() &&
            GetFinalPathNameByHandleW(entry.handle, name.data(), static_cast<DWORD>(name.size()),
                                      FILE_NAME_NORMALIZED) == name.size() - 1) {
            name.pop_back();
            // "\\?\C:\x" back to "C:\x"; a network path keeps its long form.
            if (name.starts_with(L"\\\\?\\") && name.size() > 6 && name[5] == L':') name.erase(0, 4);
            *final = name;
        }
    }
    return probe;
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

bool WriteAll(HANDLE file, const std::vector<uint8_t> &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        done += written;
    }
    return true;
}

// Puts temporary in path's place; with KeepAsBackup an existing path's file becomes path + ".bak"
// (an older one replaced). The backup is a second link to the old file, made before the one rename,
// so path names a whole file at every moment: ReplaceFileW moves the old file away first and the
// new one in after, and a program killed in between (measured under Wine) leaves no path at all.
// ReplaceFileW serves where links cannot be made. The error, or ERROR_SUCCESS.
DWORD ReplaceWith(const SystemPath &temporary, const SystemPath &path, OldFile old, bool exists) {
    const SystemPath backup = BackupPathFor(path);
    if (old == OldFile::KeepAsBackup && exists) {
        if (!DeleteFileW(backup.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return GetLastError();
        if (!CreateHardLinkW(backup.c_str(), path.c_str(), nullptr)) {
            if (ReplaceFileW(path.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                             nullptr, nullptr))
                return ERROR_SUCCESS;
            const DWORD error = GetLastError();
            // The old file went to the backup's name but the new one never took its place: it comes back.
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
                MoveFileExW(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
            return error;
        }
    }
    return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : GetLastError();
}

} // namespace

SystemPath FinalPath(const SystemPath &path) {
    SystemPath final = path;
    ProbePath(path, &final);
    return final;
}

std::optional<FileIdentity> IdentityOf(const SystemPath &path) { return ProbePath(path).identity; }

WriteResult WriteInPlace(const SystemPath &path, const std::vector<uint8_t> &bytes) {
    HandleCloser target{CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (target.handle == INVALID_HANDLE_VALUE || !WriteAll(target.handle, bytes))
        return {false, FileKind::File, SystemReason(GetLastError())};
    return {true, FileKind::File, {}};
}

ReadResult ReadWholeFile(const SystemPath &path) {
    ReadResult result;
    const Probe probe = ProbePath(path);
    if (probe.error == ERROR_SUCCESS && probe.kind != FileKind::File) {
        result.status = ReadStatus::NotAFile;
        result.kind = probe.kind;
        return result;
    }
    HandleCloser file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        // A missing file or folder means "nothing stored yet"; anything else is a real fault.
        const DWORD error = GetLastError();
        result.status = IsMissing(error) ? ReadStatus::Missing : ReadStatus::Unreadable;
        if (result.status == ReadStatus::Unreadable) result.reason = SystemReason(error);
        return result;
    }
    // Straight into the result, sized by the file's length; a file that grows meanwhile is read to its end.
    LARGE_INTEGER length{};
    const size_t expected =
        GetFileSizeEx(file.handle, &length) && length.QuadPart > 0 ? static_cast<size_t>(length.QuadPart) : 0;
    std::vector<uint8_t> &bytes = result.bytes;
    bytes.resize(expected + 1);
    size_t used = 0;
    for (;;) {
        if (used == bytes.size()) bytes.resize(bytes.size() * 2);
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - used, 1u << 20));
        DWORD got = 0;
        if (!ReadFile(file.handle, bytes.data() + used, chunk, &got, nullptr)) {
            bytes.clear();
            result.status = ReadStatus::Unreadable;
            result.reason = SystemReason(GetLastError());
            return result;
        }
        if (got == 0) break;
        used += got;
    }
    bytes.resize(used);
    result.status = ReadStatus::Read;
    return result;
}

WriteResult WriteFileSafely(const SystemPath &path, const std::vector<uint8_t> &bytes, OldFile old) {
    SystemPath target = path;
    const Probe probe = ProbePath(path, &target);
    if (probe.error == ERROR_SUCCESS && probe.kind != FileKind::File) return {false, probe.kind, {}};

    const SystemPath temporary = TemporaryPathFor(target);
    DeleteFileW(temporary.c_str()); // a stale one from a save that was cut short
    HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, FileKind::File, SystemReason(GetLastError())};

    DWORD error = ERROR_SUCCESS;
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    if (error == ERROR_SUCCESS) error = ReplaceWith(temporary, target, old, probe.error == ERROR_SUCCESS);
    if (error != ERROR_SUCCESS) {
        DeleteFileW(temporary.c_str());
        return {false, FileKind::File, SystemReason(error)};
    }
    return {true, FileKind::File, {}};
}

} // namespace util
