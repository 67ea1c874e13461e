// The notes and the long-term records as a CSV file (RFC 4180), UTF-8.
#pragma once
#include <span>
#include <string>
#include "longterm/record_store.h"
#include "notes/note_store.h"

namespace cli {

// A header row "kind,year,month,day,text", then one row per note ("note") and per long-term
// record ("longterm", day empty), every one of them: the fields are the numbers and the text
// as stored, whether or not the date is a calendar date, except that a text a spreadsheet would
// take for a formula starts with a '. CR LF rows.
std::string CsvFile(std::span<const notes::NoteRecord> notes,
                    std::span<const longterm::YearMonthRecord> records);

} // namespace cli
