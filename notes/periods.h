// The periods of the notes list and the text of one list line.
#pragma once
#include <cstdint>
#include <string>
#include "notes/note_store.h"
#include "shared/util/short_text.h"

namespace notes {

enum Period : int32_t {
    AllNotes = 0,
    TodayAndTomorrow = 1,
    ThisWeek = 2,
    NextWeek = 3,
    ThisMonth = 4,
    NextMonth = 5,
    ChosenMonth = 6,
};

struct PeriodDates {
    dates::CalendarDate today;
    dates::CalendarDate tomorrow;
    uint16_t chosenMonth = 0; // ChosenMonth only: 1..12, 0 when none is chosen
    uint16_t chosenYear = 0;
};

NoteSet SelectTodayAndTomorrow(const NoteTable &table, const PeriodDates &when);

// The notes of the period.
NoteSet SelectPeriod(const NoteTable &table, Period period, const PeriodDates &when);

// "05/12/2026 Sa Comprar pan": date text, weekday abbreviation and text, cut to 255.
util::ShortText NoteListLine(const NoteRecord &note);

} // namespace notes
