// Whole-file reading and safe whole-file replacement, of regular files only: a link is followed
// (a save replaces the file it leads to, and the link stays), and a folder, a device or a pipe
// standing where a file was expected is reported, never read to its end, waited on or renamed
// away. The platform's own calls live in file_io_win.cpp and file_io_posix.cpp.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include "shared/util/system_path.h"

namespace util {

enum class ReadStatus : uint8_t { Read, Missing, Unreadable, NotAFile };

// What stands at a path: a regular file, or what stands there instead of one.
enum class FileKind : uint8_t { File, Folder, Device, Pipe };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    FileKind kind = FileKind::File; // when NotAFile: what stands there
    std::vector<uint8_t> bytes;     // the file's content when status is Read
    std::string reason;             // the system's words when status is Unreadable
};

// Opens path for reading only and reads all of it, when it is a regular file.
ReadResult ReadWholeFile(const SystemPath &path);

struct WriteResult {
    bool ok = false;
    FileKind kind = FileKind::File; // not File: the save failed because that stands at the path
    std::string reason;             // the system's words when not ok and kind is File
};

// Where path leads when it is a link (followed to its end), else path itself.
SystemPath FinalPath(const SystemPath &path);

// The file a path leads to (links followed), the same however the path spells it: its device
// and inode, or its volume and file index. None when nothing stands there.
struct FileIdentity {
    uint64_t volume = 0;
    uint64_t file = 0;
    bool operator==(const FileIdentity &) const = default;
};
std::optional<FileIdentity> IdentityOf(const SystemPath &path);

// Writes bytes straight into what stands at path (a device, a pipe): for what the program does
// not own, which is written through and never created, truncated, renamed or replaced.
WriteResult WriteInPlace(const SystemPath &path, const std::vector<uint8_t> &bytes);

// What a file held when this program last read or wrote it, to tell whether another one changed it.
struct FileSnapshot {
    ReadStatus status = ReadStatus::Missing;
    std::vector<uint8_t> bytes;
};

// True when path no longer holds what snapshot says: another program wrote, replaced or removed it
// (what cannot be read now, or is not a file, is not taken for changed: the save will tell).
bool ChangedSince(const FileSnapshot &snapshot, const SystemPath &path);

// What becomes of the file a save replaces: gone, or kept as its name + ".bak" (an older one replaced).
enum class OldFile : uint8_t { Drop, KeepAsBackup };

// Writes bytes to a temporary file beside the file path leads to, flushes it to disk, then
// puts it in that file's place in one step. On failure the temporary file is removed and the
// file is as it was; a path that leads to something other than a regular file is not touched.
WriteResult WriteFileSafely(const SystemPath &path, const std::vector<uint8_t> &bytes,
                            OldFile old = OldFile::Drop);

// The temporary file WriteFileSafely writes before replacing path, and the kept old one.
SystemPath TemporaryPathFor(const SystemPath &path);
SystemPath BackupPathFor(const SystemPath &path);

} // namespace util
