#include "notes/periods.h"

#include <gtest/gtest.h>
#include <random>

#include "shared/dates/names.h"

using namespace dates;
using namespace notes;

TEST(Periods, ListLineIsDateWeekdayAndTextCutTo255) {
    EXPECT_EQ(NoteListLine({{5, 12, 2026}, "Comprar pan"}), "05/12/2026 dS Comprar pan");
    const std::string line = NoteListLine({{2, 12, 2026}, std::string(255, 'x')}).str();
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(line.substr(0, 16), "02/12/2026 dMe x");
}

// The notes dated, field by field, on one of count days from day on, one NextDay step at a time.
NoteSet Walk(const NoteTable &table, CalendarDate day, int count) {
    NoteSet set;
    for (; count > 0; --count, day = NextDay(day))
        for (size_t slot = 1; slot <= table.notes.size(); ++slot) {
            const CalendarDate &date = table.notes[slot - 1].date;
            set[slot] =
                set[slot] || (date.day == day.day && date.month == day.month && date.year == day.year);
        }
    return set;
}

// The periods are defined day by day: the notes of each day reached with NextDay. The selections
// scan the table once per period; on random tables and dates, invalid ones included, both agree.
TEST(Periods, EachPeriodSelectsWhatItsDayByDayWalkSelects) {
    std::mt19937 random(2026);
    const auto pick = [&](uint32_t count) { return static_cast<uint16_t>(random() % count); };
    // A field within spread of centre, or now and then any 16-bit value.
    const auto near = [&](uint16_t centre, uint16_t spread) {
        return pick(20) == 0 ? pick(65536) : static_cast<uint16_t>(centre + pick(2u * spread + 1u) - spread);
    };
    for (int round = 0; round < 3000; ++round) {
        const CalendarDate today{near(16, 15), near(6, 6),
                                 pick(4) ? static_cast<uint16_t>(2004 + pick(7996)) : near(2004, 1)};
        const PeriodDates when{today, NextDay(today), pick(13), pick(65535)};
        // Notes around today, next month or the chosen month.
        const CalendarDate around[] = {today, AddDays(today, 28), {1, when.chosenMonth, when.chosenYear}};
        NoteTable table;
        for (int i = pick(60); i > 0; --i) {
            const CalendarDate &centre = around[pick(3)];
            table.notes.push_back({{near(16, 16), near(centre.month, 1), near(centre.year, 1)}, {}});
        }
        const auto week = [&](CalendarDate day) {
            return Walk(table, SubtractDays(day, static_cast<uint16_t>((DayOfWeek(day) + 6) % 7)), 7);
        };
        const auto month = [&](uint16_t m, uint16_t y) {
            return m >= 1 && m <= 12 ? Walk(table, {1, m, y}, DaysInMonth(m, y)) : NoteSet();
        };
        const bool december = today.month >= 12;
        const NoteSet expected[] = {SelectAll(table), // all the lines, as every end-to-end test shows
                                    Walk(table, today, 1) | Walk(table, when.tomorrow, 1),
                                    week(today),
                                    week(AddDays(today, 7)),
                                    month(today.month, today.year),
                                    month(december ? 1 : static_cast<uint16_t>(today.month + 1),
                                          static_cast<uint16_t>(today.year + december)),
                                    month(when.chosenMonth, when.chosenYear)};
        for (int32_t mode = AllNotes; mode <= ChosenMonth; ++mode)
            ASSERT_EQ(SelectPeriod(table, static_cast<Period>(mode), when), expected[mode])
                << "mode " << mode << " on " << DateText(today);
    }
}
