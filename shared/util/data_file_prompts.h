// The questions and reports around a program's data file that both programs share: a file
// that exists but could not be read at start-up, and a save that failed.
#pragma once
#include <string_view>
#include "shared/util/file_io.h"

namespace util {

struct DataFileWords {
    std::string_view file;    // "agenda.dat"
    std::string_view records; // what it holds, with its article: "las notas"
};

// Tells the user that the file exists but could not be read, and why.
void ReportUnreadableFile(const DataFileWords &words, std::string_view reason);

// Writes bytes to words.file in the current folder, keeping the old one as a backup. It asks
// first before it replaces a file that could not be read at start-up (unreadableAtStart, cleared
// once saved) or one that another program changed since onDisk was taken; onDisk becomes bytes once
// saved. A failed save is reported with the system's reason. True when the file was written.
bool SaveDataFile(const DataFileWords &words, bool &unreadableAtStart, FileSnapshot &onDisk,
                  const std::vector<uint8_t> &bytes);

} // namespace util
