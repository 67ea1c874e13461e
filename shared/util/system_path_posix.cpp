// The POSIX side of system_path.h: paths are the bytes the system gives.
#include "shared/util/system_path.h"

#include <climits>
#include <unistd.h>

namespace util {

SystemPath PathFromUtf8(std::string_view text) { return SystemPath(text); }
std::string PathToUtf8(const SystemPath &path) { return path; }

SystemPath CurrentFolder() {
    char folder[PATH_MAX];
    return ::getcwd(folder, sizeof folder) != nullptr ? SystemPath(folder) : SystemPath();
}

} // namespace util
