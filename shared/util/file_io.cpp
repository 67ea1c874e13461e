#include "shared/util/file_io.h"

namespace util {

// Beside the target, so the final rename never crosses a volume.
std::string TemporaryPathFor(const std::string &path) { return path + ".tmp"; }
std::string BackupPathFor(const std::string &path) { return path + ".bak"; }

} // namespace util
