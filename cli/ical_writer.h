// The notes and the long-term records as an iCalendar file (RFC 5545), UTF-8.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include "longterm/record_store.h"
#include "notes/note_store.h"

namespace cli {

struct CalendarFile {
    std::string bytes;  // CR LF lines, folded at 75 octets
    size_t leftOut = 0; // records whose date is not a calendar date
};

// Each note with a calendar date an all-day VEVENT, each long-term record a VJOURNAL on the
// first of its month; stamp is the DTSTAMP of all of them ("20261207T080000Z").
CalendarFile ICalendarFile(std::span<const notes::NoteRecord> notes,
                           std::span<const longterm::YearMonthRecord> records, std::string_view stamp);

// A day of the Gregorian calendar in years 1..9999, which a calendar file's dates must be.
bool IsCalendarDate(uint16_t day, uint16_t month, uint16_t year);

} // namespace cli
