// The commands of agenda over the data files of one folder.
#pragma once
#include <string_view>
#include "cli/arguments.h"

namespace cli {

constexpr int ExitDone = 0;
constexpr int ExitNothingFound = 1; // due and search only
constexpr int ExitFailed = 2;

// Runs args' command with today as the current day and stamp as the export's DTSTAMP;
// prints its output and any error ("agenda: ..."), and returns the exit status.
int RunCommand(const Arguments &args, const dates::CalendarDate &today, std::string_view stamp);

} // namespace cli
