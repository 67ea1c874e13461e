#include "shared/util/file_io.h"

namespace util {

// Beside the target, so the final rename never crosses a volume.
std::string TemporaryPathFor(const std::string &path) { return path + ".tmp"; }
bool ChangedSince(const FileSnapshot &snapshot, const std::string &path) {
    const ReadResult now = ReadWholeFile(path);
    // A file that cannot be read now says nothing of who wrote it; the save that follows will tell.
    return now.status != ReadStatus::Unreadable &&
           (now.status != snapshot.status || now.bytes != snapshot.bytes);
}

std::string BackupPathFor(const std::string &path) { return path + ".bak"; }

} // namespace util
