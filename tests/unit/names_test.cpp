#include "shared/dates/names.h"
#include "shared/util/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

// Expected texts are written as Windows-1252 bytes, whatever the compiler's execution charset.

namespace {

using dates::CalendarDate;

CalendarDate D(uint16_t day, uint16_t month, uint16_t year) {
    CalendarDate date;
    dates::SetDate(date, day, month, year);
    return date;
}

std::tuple<int, int, int> Fields(const CalendarDate &date) {
    return {date.day, date.month, date.year};
}

// The tables as the process starts, taken before any test can select a language.
struct StartTables {
    std::array<std::string, 7> days;
    std::array<std::string, 13> months;
    std::array<std::string, 5> errors;
};
StartTables startTables;

class SnapshotStartTables : public testing::Environment {
  public:
    void SetUp() override { startTables = {dates::DayNames, dates::MonthNames, dates::DateErrorTexts}; }
};
testing::Environment *const snapshot = testing::AddGlobalTestEnvironment(new SnapshotStartTables);

class Names : public testing::Test {
  protected:
    void SetUp() override { Select(0); }
    void TearDown() override { Select(0); }
    static void Select(int32_t language) {
        util::LanguageIndex = language;
        dates::SelectLanguage();
    }
};

TEST_F(Names, TablesStartInCatalan) {
    EXPECT_EQ(startTables.days[0], "diumenge");
    EXPECT_EQ(startTables.days[6], "dissabte");
    EXPECT_EQ(startTables.months[3], "mar\xE7");
    EXPECT_EQ(startTables.months[12], "desembre");
    EXPECT_EQ(startTables.errors[4], "No fem broma!");
}

// Split where a hexadecimal escape would otherwise swallow the letters after it.
constexpr char kSabado[] = "s\xE1"
                           "bado";
constexpr char kDiaIncorrecto[] = "D\xED"
                                  "a incorrecto";

TEST_F(Names, SelectLanguageFillsEveryTable) {
    const struct {
        int32_t language;
        const char *sunday;
        const char *wednesday;
        const char *saturday;
        const char *fridayShort;
        const char *march;
        const char *may;
        const char *september;
        const char *december;
        const char *septemberShort;
        const char *badDay;
        const char *badYear;
        const char *badNumber;
    } cases[] = {
        {0, "diumenge", "dimecres", "dissabte", "dV", "mar\xE7", "maig", "setembre", "desembre", "set",
         "Dia incorrecte", "Any incorrecte", "No fem broma!"},
        {1, "Sunday", "Wednesday", "Saturday", "Fri", "March", "Mai", "Setember", "Desember", "Set",
         "Wrong day", "Wrong year", "Don't pull my leg!"},
        {2, "domingo", "mi\xE9rcoles", kSabado, "Vy", "marzo", "mayo", "septiembre", "diciembre", "sep",
         kDiaIncorrecto, "A\xF1o incorrecto", "\xA1Muy bueno lo tuyo!"},
    };
    // Run the languages twice in turn, so every table is seen replaced from another language.
    for (int round = 0; round < 2; ++round) {
        for (const auto &c : cases) {
            Select(c.language);
            EXPECT_EQ(dates::DayNames[0], c.sunday) << c.language;
            EXPECT_EQ(dates::DayNames[3], c.wednesday) << c.language;
            EXPECT_EQ(dates::DayNames[6], c.saturday) << c.language;
            EXPECT_EQ(dates::DayAbbreviations[5], c.fridayShort) << c.language;
            EXPECT_EQ(dates::MonthNames[3], c.march) << c.language;
            EXPECT_EQ(dates::MonthNames[5], c.may) << c.language;
            EXPECT_EQ(dates::MonthNames[9], c.september) << c.language;
            EXPECT_EQ(dates::MonthNames[12], c.december) << c.language;
            EXPECT_EQ(dates::MonthAbbreviations[9], c.septemberShort) << c.language;
            EXPECT_EQ(dates::DateErrorTexts[dates::DateOk], "") << c.language;
            EXPECT_EQ(dates::DateErrorTexts[dates::BadDay], c.badDay) << c.language;
            EXPECT_EQ(dates::DateErrorTexts[dates::BadYear], c.badYear) << c.language;
            EXPECT_EQ(dates::DateErrorTexts[dates::BadNumber], c.badNumber) << c.language;
        }
    }
}

TEST_F(Names, UnknownLanguageKeepsThePreviousTables) {
    Select(2);
    Select(7);
    EXPECT_EQ(dates::DayNames[3], "mi\xE9rcoles");
    EXPECT_EQ(dates::DayAbbreviations[5], "Vy");
    EXPECT_EQ(dates::MonthNames[1], "enero");
    Select(1);
    Select(-1);
    EXPECT_EQ(dates::DayNames[3], "Wednesday");
    EXPECT_EQ(dates::DateErrorTexts[dates::BadMonth], "Wrong month");
}

TEST_F(Names, WeekdayNamesFollowTheDateAndTheLanguage) {
    Select(1);
    EXPECT_EQ(dates::WeekdayName(D(5, 12, 2026)), "Saturday");
    EXPECT_EQ(dates::WeekdayAbbreviation(D(5, 12, 2026)), "Sat");
    Select(2);
    EXPECT_EQ(dates::WeekdayName(D(1, 1, 2004)), "jueves");
    EXPECT_EQ(dates::WeekdayAbbreviation(D(29, 2, 2004)), "Do");
    // A damaged stored date still names one of the seven days.
    const std::string &odd = dates::WeekdayName(D(0, 65535, 65535));
    EXPECT_NE(std::find(dates::DayNames.begin(), dates::DayNames.end(), odd), dates::DayNames.end());
}

TEST(DateText, PadsDayAndMonthAndCutsToTenCharacters) {
    const struct {
        CalendarDate date;
        const char *text;
    } cases[] = {
        {D(5, 3, 2026), "05/03/2026"},
        {D(25, 12, 2026), "25/12/2026"},
        {D(0, 0, 0), "00/00/0"},
        {D(1, 1, 999), "01/01/999"},
        {D(123, 4, 2026), "123/04/202"},
        {D(10, 10, 10000), "10/10/1000"},
        {D(65535, 65535, 65535), "65535/6553"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dates::DateText(c.date), c.text);
    }
}

TEST(ParseDate, ReadsFieldsAndReportsTheFirstProblem) {
    const CalendarDate before = D(9, 9, 2030);
    const struct {
        const char *text;
        CalendarDate after;
        dates::DateCheck check;
    } cases[] = {
        {"", D(0, 0, 0), dates::DateOk},
        {"5/3/2026", D(5, 3, 2026), dates::DateOk},
        {"5/3/26", D(5, 3, 2026), dates::DateOk},
        {"5-3-26", D(5, 3, 2026), dates::DateOk},
        {"5.3.2026", D(5, 3, 2026), dates::DateOk},
        {"5 3 26", D(5, 3, 2026), dates::DateOk},
        {"05/03/026", D(5, 3, 2026), dates::DateOk},
        {"1/1/5", D(1, 1, 2005), dates::DateOk},
        {"5/3/99", D(5, 3, 2099), dates::DateOk},
        {"5/3", D(5, 3, 2030), dates::DateOk},
        {"29/2", D(29, 2, 2030), dates::BadDay},
        {"5", D(5, 9, 2030), dates::DateOk},
        {"31/4/2026", D(31, 4, 2026), dates::BadDay},
        {"5/13/2026", D(5, 13, 2026), dates::BadMonth},
        {"5/3/1999", D(5, 3, 1999), dates::BadYear},
        {"5/3/0026", D(5, 3, 26), dates::BadYear},
        {"5/3/2026/", D(5, 3, 2026), dates::DateOk},
        {"5/3/2026 x", D(5, 3, 2026), dates::BadNumber},
        {"5/3/2026/7", D(5, 3, 2026), dates::DateOk},
        {"5/3/2026/0", D(5, 3, 2026), dates::BadNumber},
        {"05/03/2026 and more", D(5, 3, 2026), dates::DateOk},
        {"5//2026", D(5, 9, 2030), dates::BadNumber},
        {"0/3/2026", before, dates::BadNumber},
        {"x", before, dates::BadNumber},
        {"/5/3/2026", before, dates::BadNumber},
        {"10000/3/26", before, dates::BadNumber},
        {"5/3/10000", D(5, 3, 2030), dates::BadNumber},
        {"9999999999", before, dates::BadNumber},
        {"99999999999", before, dates::BadNumber},
        {"4294967301", before, dates::BadNumber},
        {"00000000005", before, dates::BadNumber},
        {"0000000005", D(5, 9, 2030), dates::DateOk},
        {"5/3/26\xE9", D(5, 3, 2026), dates::DateOk},
    };
    for (const auto &c : cases) {
        CalendarDate date = before;
        EXPECT_EQ(dates::ParseDate(c.text, date), c.check) << '"' << c.text << '"';
        EXPECT_EQ(Fields(date), Fields(c.after)) << '"' << c.text << '"';
    }
}

} // namespace
