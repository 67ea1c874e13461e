#include "shared/util/file_io.h"

namespace util {

// Beside the target, so the final rename never crosses a volume.
SystemPath TemporaryPathFor(const SystemPath &path) { return WithSuffix(path, ".tmp"); }
SystemPath BackupPathFor(const SystemPath &path) { return WithSuffix(path, ".bak"); }

bool ChangedSince(const FileSnapshot &snapshot, const SystemPath &path) {
    const ReadResult now = ReadWholeFile(path);
    // What cannot be read now says nothing of who wrote it; the save that follows will tell.
    if (now.status == ReadStatus::Unreadable || now.status == ReadStatus::NotAFile) return false;
    return now.status != snapshot.status || now.bytes != snapshot.bytes;
}

} // namespace util
