#include "notes/startup_batch.h"

namespace notes {

namespace {
util::SystemPath InFolder(const util::SystemPath &folder, const util::SystemPath &name,
                          std::string_view type) {
    return util::WithSuffix(util::JoinPath(folder, "") + name, type);
}

// The byte % is never part of a longer character in the code pages cmd.exe reads.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text)
        quoted.append(c == '%' ? 2 : 1, c);
    return quoted + "\"";
}
} // namespace

util::SystemPath StartupBatchPath(const util::SystemPath &startupFolder,
                                  const util::SystemPath &programName) {
    return InFolder(startupFolder, programName, ".bat");
}

util::SystemPath StartupProgramPath(const util::SystemPath &programFolder,
                                    const util::SystemPath &programName) {
    return InFolder(programFolder, programName, ".exe");
}

std::string StartupBatchText(std::string_view programName, std::string_view programFolder) {
    return "cd /d " + Quoted(programFolder) + "\r\n" + Quoted(std::string(programName) + ".exe") + " 1\r\n";
}

} // namespace notes
