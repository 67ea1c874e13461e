// What the entries of an iCalendar file add to Tarvela's notes and Velmarix's records.
#pragma once
#include <cstddef>
#include <span>
#include <vector>
#include "cli/ical_reader.h"
#include "longterm/record_store.h"
#include "notes/note_store.h"

namespace cli {

struct ImportCounts {
    size_t present = 0;         // entries whose date and text the file already holds: skipped
    size_t recurring = 0;       // recurring entries added, once each
    size_t replaced = 0;        // characters Windows-1252 lacks, in the texts added
    size_t shortened = 0;       // texts added cut to 255 characters
    size_t undated = 0;         // entries left out: no start that is a calendar date
    size_t empty = 0;           // entries left out: no text
    size_t notesLeftOver = 0;   // events that did not fit: the table held 255 notes
    size_t recordsLeftOver = 0; // journal entries that did not fit: the table held 1024 records
};

struct ImportResult {
    std::vector<notes::NoteRecord> notes; // added, in the entries' order
    std::vector<longterm::YearMonthRecord> records;
    ImportCounts counts;
};

// Adds each event to table as a note on its start's day, inserted by date (InsertNote), and each
// journal entry to records as a record of its start's year and month, appended (StoreRecord).
// Its text is the SUMMARY and the DESCRIPTION, or the one of them that holds the other (an
// export's summary is its description's first line), or the SUMMARY alone when both do not fit
// in 255 characters; in Windows-1252 with CR LF line breaks. An entry the file already holds
// with that date and text is skipped, as often as the file holds it.
ImportResult ImportEntries(std::span<const CalendarEntry> entries, notes::NoteTable &table,
                           longterm::RecordTable &records);

} // namespace cli
