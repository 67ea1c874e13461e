// The questions and reports around a program's data file that both programs share: a file
// that exists but could not be read at start-up, and a save that failed.
#pragma once
#include <functional>
#include <string_view>
#include "shared/util/file_io.h"

namespace util {

struct DataFileWords {
    std::string_view file;    // "agenda.dat"
    std::string_view records; // what it holds, with its article: "las notas"
};

// Tells the user that the file exists but could not be read, and why.
void ReportUnreadableFile(const DataFileWords &words, std::string_view reason);

// Runs save, first asking before it replaces a file that could not be read at start-up
// (unreadableAtStart, cleared once saved). A failed save is reported with the system's reason.
// True when the file was written.
bool SaveDataFile(const DataFileWords &words, bool &unreadableAtStart,
                  const std::function<WriteResult()> &save);

} // namespace util
