// What agenda writes to the terminal: notes and records one line each, and its errors.
#pragma once
#include <string>
#include <string_view>
#include "longterm/record_store.h"

namespace cli {

// "agenda: message" on standard error, in the console's character set.
void ReportError(const std::string &message);
// ReportError(message), then false: what a step that failed returns.
bool Fail(const std::string &message);

// One line of UTF-8 text on standard output, in the console's character set. Lines are kept
// and written in blocks (a listing of 40,000 notes is a few writes): FlushOutput writes what is
// kept, and ReportError does so first, so that output and errors come in the order they are made.
void PrintLine(std::string_view utf8);
void FlushOutput();

// A list line of the data files (Windows-1252) as one line of a terminal, in UTF-8: each line
// break (CR LF, CR or LF) as " / ", and every other control character but the tab as cat -v
// shows it (^[ for ESC, ^? for DEL, M-^] for 0x9D, a C1 control in Windows-1252), so that a
// note cannot move the cursor, recolour or retitle the terminal.
std::string ShownLine(std::string_view line);
// PrintLine(ShownLine(line)), without making the line apart first.
void PrintListLine(std::string_view line);

// "1 byte", "3 bytes": a count and what it counts, one or many.
std::string Counted(size_t count, std::string_view one, std::string_view many);

// "2027 03 Renovar el pasaporte": a long-term record as agenda lists it (Windows-1252).
std::string LongTermLine(const longterm::YearMonthRecord &record);

} // namespace cli
