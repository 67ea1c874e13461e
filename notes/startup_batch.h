// The start-up batch file of the Start-menu installer: its name, the program it starts and its
// two lines, which make the program's folder current and start the program in its start-up mode.
#pragma once
#include <string>
#include <string_view>
#include "shared/util/system_path.h"

namespace notes {

// startupFolder + "\" + programName + ".bat" (no second "\" after a folder that ends in one).
util::SystemPath StartupBatchPath(const util::SystemPath &startupFolder, const util::SystemPath &programName);
// programFolder + "\" + programName + ".exe": the program the batch file starts.
util::SystemPath StartupProgramPath(const util::SystemPath &programFolder,
                                    const util::SystemPath &programName);

// "cd /d" and programFolder in quotation marks, then programName + ".exe" in quotation marks and
// " 1", each line ended by CR LF. Both are given in the code page the file is written in (the one
// cmd.exe reads it in); "/d" changes the drive too. Inside the quotation marks & ^ ( ) ; , = and
// blanks are plain, but %...% still expands: every % is doubled. The ".exe" keeps the second line
// from starting the batch file itself when the folder could not be entered.
std::string StartupBatchText(std::string_view programName, std::string_view programFolder);

} // namespace notes
