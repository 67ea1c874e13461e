#include "notes/periods.h"

#include <gtest/gtest.h>
#include <random>

#include "shared/dates/names.h"
#include "shared/util/language.h"

namespace {

using dates::CalendarDate;
using notes::NoteRecord;

// Notes on the days given, each text its date, so a selection reads as a list of dates.
notes::NoteTable TableOn(const std::vector<CalendarDate> &days) {
    notes::NoteTable table;
    for (const CalendarDate &day : days)
        table.notes.push_back({day, dates::DateText(day)});
    return table;
}

std::vector<std::string> Selected(const notes::NoteTable &table, const notes::NoteSet &set) {
    std::vector<std::string> texts;
    for (size_t slot = 1; slot <= table.notes.size(); ++slot)
        if (set.test(slot)) texts.push_back(table.notes[slot - 1].text);
    return texts;
}

TEST(Periods, EachModeSelectsItsDaysAroundTheYearEnd) {
    // Tuesday 15 December 2026
    const notes::PeriodDates when{{15, 12, 2026}, {16, 12, 2026}, 3, 2028};
    const auto table = TableOn({{0, 0, 0},
                                {13, 12, 2026},
                                {14, 12, 2026},
                                {15, 12, 2026},
                                {16, 12, 2026},
                                {20, 12, 2026},
                                {21, 12, 2026},
                                {27, 12, 2026},
                                {28, 12, 2026},
                                {1, 1, 2027},
                                {31, 1, 2027},
                                {1, 2, 2027},
                                {31, 3, 2028},
                                {1, 4, 2028}});
    const std::vector<std::vector<std::string>> expected = {
        {"00/00/0", "13/12/2026", "14/12/2026", "15/12/2026", "16/12/2026", "20/12/2026", "21/12/2026",
         "27/12/2026", "28/12/2026", "01/01/2027", "31/01/2027", "01/02/2027", "31/03/2028", "01/04/2028"},
        {"15/12/2026", "16/12/2026"},
        {"14/12/2026", "15/12/2026", "16/12/2026", "20/12/2026"},
        {"21/12/2026", "27/12/2026"},
        {"13/12/2026", "14/12/2026", "15/12/2026", "16/12/2026", "20/12/2026", "21/12/2026", "27/12/2026",
         "28/12/2026"},
        {"01/01/2027", "31/01/2027"},
        {"31/03/2028"},
    };
    for (int32_t mode = 0; mode < 7; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        notes::NoteSet shown;
        ASSERT_TRUE(notes::SelectPeriod(table, mode, when, shown));
        EXPECT_EQ(Selected(table, shown), expected[static_cast<size_t>(mode)]);
    }
    notes::NoteSet unchanged;
    unchanged.set(3);
    EXPECT_FALSE(notes::SelectPeriod(table, 7, when, unchanged));
    EXPECT_EQ(Selected(table, unchanged), std::vector<std::string>{"14/12/2026"});
}

TEST(Periods, NextWeekFromASundayIsTheFollowingMondayToSunday) {
    const auto table = TableOn({{7, 6, 2026}, {8, 6, 2026}, {14, 6, 2026}, {15, 6, 2026}});
    notes::NoteSet shown;
    notes::SelectPeriod(table, notes::NextWeek, {{7, 6, 2026}, {8, 6, 2026}, 0, 0}, shown);
    EXPECT_EQ(Selected(table, shown), (std::vector<std::string>{"08/06/2026", "14/06/2026"}));
    notes::SelectPeriod(table, notes::ChosenMonth, {{7, 6, 2026}, {8, 6, 2026}, 0, 2026}, shown);
    EXPECT_TRUE(shown.none()) << "no month chosen lists nothing";
}

TEST(Periods, ListLineIsDateWeekdayAndTextCutTo255) {
    util::LanguageIndex = 2;
    dates::SelectLanguage();
    EXPECT_EQ(notes::NoteListLine({{5, 12, 2026}, "Comprar pan"}), "05/12/2026 Sa Comprar pan");
    const std::string line = notes::NoteListLine({{2, 12, 2026}, std::string(255, 'x')});
    EXPECT_EQ(line.size(), 255u);
    EXPECT_EQ(line.substr(0, 15), "02/12/2026 Mi x");
    util::LanguageIndex = 0;
    dates::SelectLanguage();
}

} // namespace

// The periods are defined day by day: SelectDay of each day reached with NextDay. The selections
// scan the table once per period; on random tables and dates, invalid ones included, both agree.
TEST(Periods, EachPeriodSelectsWhatItsDayByDayWalkSelects) {
    using namespace dates;
    const auto walk = [](const notes::NoteTable &table, CalendarDate day, int count) {
        notes::NoteSet set;
        for (; count > 0; --count, day = NextDay(day))
            set |= notes::SelectDay(table, day);
        return set;
    };
    const auto week = [&](const notes::NoteTable &table, CalendarDate day) {
        const uint16_t weekday = DayOfWeek(day);
        return walk(table, SubtractDays(day, weekday == 0 ? 6 : static_cast<uint16_t>(weekday - 1)), 7);
    };
    const auto month = [&](const notes::NoteTable &table, uint16_t m, uint16_t y) {
        return m >= 1 && m <= 12 ? walk(table, {1, m, y}, DaysInMonth(m, y)) : notes::NoteSet();
    };
    std::mt19937 random(2026);
    const auto pick = [&](uint32_t count) { return static_cast<uint16_t>(random() % count); };
    // A field near centre, within spread either way, or now and then any 16-bit value.
    const auto near = [&](uint16_t centre, uint16_t spread) {
        return pick(20) == 0 ? pick(65536) : static_cast<uint16_t>(centre + pick(2u * spread + 1u) - spread);
    };
    for (int round = 0; round < 3000; ++round) {
        const CalendarDate today{near(16, 15), near(6, 6),
                                 pick(4) == 0 ? near(2004, 1) : static_cast<uint16_t>(2004 + pick(7996))};
        const notes::PeriodDates when{today, NextDay(today), pick(13), pick(65535)};
        notes::NoteTable table;
        for (int i = pick(60); i > 0; --i) {
            const bool chosen = pick(3) == 0; // around the chosen month, else around today
            table.notes.push_back({{near(16, 16), near(chosen ? when.chosenMonth : today.month, 1),
                                    near(chosen ? when.chosenYear : today.year, 1)},
                                   {}});
        }
        const bool december = today.month >= 12;
        const notes::NoteSet expected[] = {
            notes::SelectAll(table),
            walk(table, today, 1) | walk(table, when.tomorrow, 1),
            week(table, today),
            week(table, AddDays(today, 7)),
            month(table, today.month, today.year),
            month(table, december ? 1 : static_cast<uint16_t>(today.month + 1),
                  december ? static_cast<uint16_t>(today.year + 1) : today.year),
            month(table, when.chosenMonth, when.chosenYear)};
        for (int32_t mode = 0; mode < 7; ++mode) {
            notes::NoteSet shown;
            ASSERT_TRUE(notes::SelectPeriod(table, mode, when, shown));
            ASSERT_EQ(shown, expected[mode]) << "mode " << mode << " on " << DateText(today);
        }
    }
}
