#include "cli/system.h"

#include <sys/stat.h>
#include "cli/utf8.h"

namespace cli {

std::string ConsoleText(const std::string &text) { return Utf8FromWindows1252(text); }

std::string ConsoleMessage(const std::string &text) { return text; }

std::string ReasonText(const std::string &reason) { return reason; }

void UseBinaryStandardOutput() {}

bool IsFolder(const std::string &path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace cli
