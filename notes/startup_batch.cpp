#include "notes/startup_batch.h"

namespace notes {

std::string StartupBatchPath(std::string_view startupFolder, std::string_view programName) {
    return std::string(startupFolder) + "\\" + std::string(programName) + ".bat";
}

std::string StartupBatchText(std::string_view programName, std::string_view programFolder) {
    return "cd /d " + std::string(programFolder) + "\r\n" + std::string(programName) + " 1\r\n";
}

} // namespace notes
