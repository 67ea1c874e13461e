// The commands of agenda that write the data files, each as its program would: the same
// insertion, the same limits, the same safe save. Each says what it did in one line, or why it
// wrote nothing in one line on standard error (and returns false).
#pragma once
#include "cli/arguments.h"

namespace cli {

// add DATE TEXT...: the date read against today.
bool AddNote(const Arguments &args, const dates::CalendarDate &today);

// longterm add YEAR MONTH TEXT...
bool AddLongTermRecord(const Arguments &args);

// import FILE [--dry-run]
bool ImportCalendar(const Arguments &args);

} // namespace cli
