#include "notes/periods.h"

#include <gtest/gtest.h>

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
