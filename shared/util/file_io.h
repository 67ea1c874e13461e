// Whole-file reading and safe whole-file replacement. The platform's own calls live in
// file_io_win.cpp and file_io_posix.cpp; the build picks one.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace util {

enum class ReadStatus : uint8_t { Read, Missing, Unreadable };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    std::vector<uint8_t> bytes; // the file's content when status is Read
    std::string reason;         // the system's words when status is Unreadable
};

// Opens path for reading only and reads all of it.
ReadResult ReadWholeFile(const std::string &path);

struct WriteResult {
    bool ok = false;
    std::string reason; // the system's words when not ok
};

// What a file held when this program last read or wrote it, to tell whether another one changed it.
struct FileSnapshot {
    ReadStatus status = ReadStatus::Missing;
    std::vector<uint8_t> bytes;
};

// True when path no longer holds what snapshot says: another program wrote, replaced or removed it
// (a file that cannot be read now is not taken for changed).
bool ChangedSince(const FileSnapshot &snapshot, const std::string &path);

// What becomes of the file a save replaces: gone, or kept as path + ".bak" (an older one replaced).
enum class OldFile : uint8_t { Drop, KeepAsBackup };

// Writes bytes to path + ".tmp" in the same folder, flushes it to disk, then replaces
// path with it in one step. On failure the temporary file is removed and path is as it was.
WriteResult WriteFileSafely(const std::string &path, const std::vector<uint8_t> &bytes,
                            OldFile old = OldFile::Drop);

// The temporary file WriteFileSafely writes before replacing path, and the kept old one.
std::string TemporaryPathFor(const std::string &path);
std::string BackupPathFor(const std::string &path);

} // namespace util
