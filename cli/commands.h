// The commands of agenda over the data files of one folder, which they only read.
#pragma once
#include <string>
#include <string_view>
#include "cli/arguments.h"

namespace cli {

constexpr int ExitDue = 0;
constexpr int ExitNothingDue = 1; // due only
constexpr int ExitFailed = 2;

// "agenda: message" on standard error, in the console's character set.
void ReportError(const std::string &message);

// Runs args' command with today as the current day and stamp as the export's DTSTAMP;
// prints its output and any error ("agenda: ..."), and returns the exit status.
int RunCommand(const Arguments &args, const dates::CalendarDate &today, std::string_view stamp);

} // namespace cli
