// The iCalendar reader and the import on any bytes: every dated entry has a calendar date; what
// the import adds stands in the tables, each text at most 255 characters and not empty; and the
// same entries imported again add nothing, since all that fitted is there already.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cli/ical_writer.h"
#include "cli/import.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<cli::CalendarEntry> entries;
    cli::ReadCalendar(std::string_view(reinterpret_cast<const char *>(data), size), entries);
    for (const cli::CalendarEntry &entry : entries)
        FUZZ_CHECK(!entry.dated || cli::IsCalendarDate(entry.start.day, entry.start.month, entry.start.year));

    notes::NoteTable table;
    longterm::RecordTable records;
    const cli::ImportResult first = cli::ImportEntries(entries, table, records);
    FUZZ_CHECK(table.notes.size() == first.notes.size() && records.records.size() == first.records.size());
    FUZZ_CHECK(first.notes.size() + first.records.size() + first.counts.present + first.counts.undated +
                   first.counts.empty + first.counts.notesLeftOver + first.counts.recordsLeftOver ==
               entries.size());
    for (const notes::NoteRecord &note : first.notes)
        FUZZ_CHECK(!note.text.empty() && note.text.size() <= notes::MaxNoteText);
    for (const longterm::YearMonthRecord &record : first.records)
        FUZZ_CHECK(!record.note.empty() && record.note.size() <= notes::MaxNoteText);
    const cli::ImportResult again = cli::ImportEntries(entries, table, records);
    FUZZ_CHECK(again.notes.empty() && again.records.empty());
    FUZZ_CHECK(again.counts.present == first.notes.size() + first.records.size() + first.counts.present);
    return 0;
}
