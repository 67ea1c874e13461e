// The start-up batch file's bytes as cmd.exe reads them: in the system's OEM code page, not the
// ANSI one, so that a folder named José is entered at log-on.
#pragma once
#include <string>
#include "shared/util/files.h"
#include "shared/util/system_path.h"

namespace notes {

struct StartupBatchBytes {
    std::string bytes;          // the file's content; empty when there can be none
    util::SystemPath unnamable; // then the folder or the program that the file cannot name
};

// How a path's short (8.3) form is found: util::ShortPath, or in a test a volume without short names.
using ShortPathLookup = util::SystemPath (*)(const util::SystemPath &path);

// The batch file that starts programName + ".exe" in programFolder (both must exist). Each is
// written by its own name when the OEM code page holds it exactly, else by its short name when
// that one fits; when neither does, no bytes.
StartupBatchBytes MakeStartupBatch(const util::SystemPath &programFolder, const util::SystemPath &programName,
                                   ShortPathLookup shortPath = util::ShortPath);

} // namespace notes
