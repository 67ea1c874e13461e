#include "notes/periods.h"
#include "shared/dates/names.h"

namespace notes {

NoteSet SelectTodayAndTomorrow(const NoteTable &table, const PeriodDates &when) {
    return SelectDay(table, when.today) | SelectDay(table, when.tomorrow);
}

NoteSet SelectPeriod(const NoteTable &table, Period period, const PeriodDates &when) {
    const dates::CalendarDate &today = when.today;
    switch (period) {
    case AllNotes: return SelectAll(table);
    case TodayAndTomorrow: return SelectTodayAndTomorrow(table, when);
    case ThisWeek: return SelectWeek(table, today);
    case NextWeek: return SelectWeek(table, dates::AddDays(today, 7));
    case ThisMonth: return SelectMonth(table, today.month, today.year);
    case NextMonth:
        return today.month >= 12 ? SelectMonth(table, 1, static_cast<uint16_t>(today.year + 1))
                                 : SelectMonth(table, static_cast<uint16_t>(today.month + 1), today.year);
    case ChosenMonth: // no month chosen in the combo box: no day to walk, nothing listed
        return when.chosenMonth == 0 ? NoteSet() : SelectMonth(table, when.chosenMonth, when.chosenYear);
    }
    return {};
}

util::ShortText NoteListLine(const NoteRecord &note) {
    util::ShortText line;
    line.append_put(10, [&note](char *at) { return at + dates::PutDateText(note.date, at); });
    // cut at 255 characters, as the list shows it
    line.append(" ").append(dates::WeekdayAbbreviation(note.date)).append(" ").append(note.text);
    return line;
}

} // namespace notes
