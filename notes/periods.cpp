#include "notes/periods.h"
#include "shared/dates/names.h"

namespace notes {

NoteSet SelectTodayAndTomorrow(const NoteTable &table, const PeriodDates &when) {
    return SelectDay(table, when.today) | SelectDay(table, when.tomorrow);
}

bool SelectPeriod(const NoteTable &table, int32_t mode, const PeriodDates &when, NoteSet &shown) {
    const dates::CalendarDate &today = when.today;
    switch (mode) {
    case AllNotes: shown = SelectAll(table); return true;
    case TodayAndTomorrow: shown = SelectTodayAndTomorrow(table, when); return true;
    case ThisWeek: shown = SelectWeek(table, today); return true;
    case NextWeek: shown = SelectWeek(table, dates::AddDays(today, 7)); return true;
    case ThisMonth: shown = SelectMonth(table, today.month, today.year); return true;
    case NextMonth:
        shown = today.month >= 12 ? SelectMonth(table, 1, static_cast<uint16_t>(today.year + 1))
                                  : SelectMonth(table, static_cast<uint16_t>(today.month + 1), today.year);
        return true;
    case ChosenMonth:
        // No month chosen in the combo box: no day to walk, nothing listed.
        shown = when.chosenMonth == 0 ? NoteSet() : SelectMonth(table, when.chosenMonth, when.chosenYear);
        return true;
    default: return false;
    }
}

util::ShortText NoteListLine(const NoteRecord &note) {
    util::ShortText line;
    line.append_put(10, [&note](char *at) { return at + dates::PutDateText(note.date, at); });
    // cut at 255 characters, as the list shows it
    line.append(" ").append(dates::WeekdayAbbreviation(note.date)).append(" ").append(note.text);
    return line;
}

} // namespace notes
