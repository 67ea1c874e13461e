// The events and journal entries of an iCalendar file (RFC 5545), as import takes them.
#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "shared/dates/calendar.h"

namespace cli {

struct CalendarEntry {
    bool journal = false;      // a VJOURNAL; else a VEVENT
    bool dated = false;        // its DTSTART is a calendar date
    dates::CalendarDate start; // that date, a DATE-TIME's time and zone aside
    std::string summary;       // the TEXT values unescaped, UTF-8, each line break a "\n"
    std::string description;
    bool recurring = false; // it has an RRULE or an RDATE
};

// The VEVENT and VJOURNAL components of bytes, in file order. Lines end in CR LF or LF and may
// be folded; a property of a component inside one (a VALARM's) is not the entry's. False when
// bytes hold no VCALENDAR.
bool ReadCalendar(std::string_view bytes, std::vector<CalendarEntry> &entries);

} // namespace cli
