#include <windows.h>

// The Windows side of file_io.h: ANSI calls, so Windows-1252 names reach the system as they are.
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
// so path names a whole file at every moment: ReplaceFileA moves the old file away first and the
// new one in after, and a program killed in between (measured under Wine) leaves no path at all.
// ReplaceFileA serves where links cannot be made. The error, or ERROR_SUCCESS.
DWORD ReplaceWith(const std::string &temporary, const std::string &path, OldFile old) {
    const std::string backup = BackupPathFor(path);
    const bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (old == OldFile::KeepAsBackup && exists) {
        if (!DeleteFileA(backup.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return GetLastError();
        if (!CreateHardLinkA(backup.c_str(), path.c_str(), nullptr)) {
            if (ReplaceFileA(path.c_str(), temporary.c_str(), backup.c_str(), REPLACEFILE_IGNORE_MERGE_ERRORS,
                             nullptr, nullptr))
                return ERROR_SUCCESS;
            const DWORD error = GetLastError();
            // The old file went to the backup's name but the new one never took its place: it comes back.
            if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
                MoveFileExA(backup.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
            return error;
        }
    }
    return MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? ERROR_SUCCESS
               : GetLastError();
}

} // namespace

ReadResult ReadWholeFile(const std::string &path) {
    ReadResult result;
    HandleCloser file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        // A missing file or folder means "nothing stored yet"; anything else is a real fault.
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            result.status = ReadStatus::Missing;
        } else {
            result.status = ReadStatus::Unreadable;
            result.reason = SystemReason(error);
        }
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

WriteResult WriteFileSafely(const std::string &path, const std::vector<uint8_t> &bytes, OldFile old) {
    const std::string temporary = TemporaryPathFor(path);
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {false, SystemReason(GetLastError())};

    DWORD error = ERROR_SUCCESS;
    if (!WriteAll(file, bytes) || !FlushFileBuffers(file)) error = GetLastError();
    if (!CloseHandle(file) && error == ERROR_SUCCESS) error = GetLastError();
    if (error == ERROR_SUCCESS) error = ReplaceWith(temporary, path, old);
    if (error != ERROR_SUCCESS) {
        DeleteFileA(temporary.c_str());
        return {false, SystemReason(error)};
    }
    return {true, {}};
}

} // namespace util
