#include "cli/system.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include "shared/util/file_io.h"

namespace cli {

std::string ConsoleMessage(const std::string &text) { return text; }

void WriteConsoleText(std::string_view text) {
    static_cast<void>(std::fwrite(text.data(), 1, text.size(), stdout));
}

std::string ReasonText(const std::string &reason) { return reason; }

void UseBinaryStandardOutput() {}

bool IsFolder(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

util::SystemPath ResolvedName(const util::SystemPath &path) {
    const util::SystemPath final = util::FinalPath(path);
    return final.substr(final.find_last_of('/') + 1);
}

bool IsStandardOutput(const util::SystemPath &path) {
    struct stat output {};
    return ::fstat(STDOUT_FILENO, &output) == 0 &&
           util::IdentityOf(path) ==
               util::FileIdentity{static_cast<uint64_t>(output.st_dev), static_cast<uint64_t>(output.st_ino)};
}

} // namespace cli
