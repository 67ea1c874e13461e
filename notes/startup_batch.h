// The start-up batch file of the Start-menu installer: its name and its two lines, which
// make the program's folder current and start the program in its start-up mode.
#pragma once
#include <string>
#include <string_view>

namespace notes {

// startupFolder + "\" + programName + ".bat".
std::string StartupBatchPath(std::string_view startupFolder, std::string_view programName);

// "cd /d " + programFolder, then programName + " 1", each line ended by CR LF; both written
// as they are, without quotation marks. "/d" changes the drive too, which a plain cd does not.
std::string StartupBatchText(std::string_view programName, std::string_view programFolder);

} // namespace notes
