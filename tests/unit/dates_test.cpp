#include "shared/dates/names.h"
#include "shared/util/language.h"

#include <gtest/gtest.h>

using namespace dates;

TEST(Calendar, DayOfWeekAtKnownDatesAndSaneForOddFields) {
    const struct {
        CalendarDate date;
        uint16_t weekday;
    } known[] = {
        {{1, 1, 2004}, 4}, {{29, 2, 2004}, 0}, {{5, 12, 2026}, 6}, {{1, 3, 2100}, 2}, {{31, 12, 9999}, 2}};
    for (const auto &k : known)
        EXPECT_EQ(DayOfWeek(k.date), k.weekday) << DateText(k.date);
    // Stored notes may hold any field values; months outside the year count as 31 days.
    const struct {
        CalendarDate date;
        uint16_t days;
    } odd[] = {{{0, 5, 2026}, 31},  {{1, 0, 2026}, 31}, {{1, 13, 2026}, 31},         {{1, 65535, 2026}, 31},
               {{40, 2, 2027}, 28}, {{1, 2, 0}, 29},    {{65535, 65535, 65535}, 31}, {{1, 2, 65535}, 28}};
    for (const auto &o : odd) {
        EXPECT_LT(DayOfWeek(o.date), 7) << DateText(o.date);
        EXPECT_EQ(DaysInMonth(o.date), o.days) << DateText(o.date);
    }
    EXPECT_TRUE(IsLeapYear(2100) && IsLeapYear(2028) && !IsLeapYear(2027));
}

TEST(Calendar, StepsAcrossMonthEndsFebruaryAndYearEnds) {
    const struct {
        CalendarDate from;
        char sign;
        uint16_t count;
        const char *to;
    } cases[] = {
        {{28, 2, 2027}, '+', 1, "01/03/2027"},  {{28, 2, 2028}, '+', 1, "29/02/2028"},
        {{29, 2, 2028}, '+', 1, "01/03/2028"},  {{31, 12, 2026}, '+', 1, "01/01/2027"},
        {{27, 12, 2026}, '+', 7, "03/01/2027"}, {{30, 4, 2026}, '+', 1, "01/05/2026"},
        {{3, 1, 2027}, '-', 6, "28/12/2026"},   {{1, 3, 2028}, '-', 1, "29/02/2028"},
        {{1, 3, 2027}, '-', 1, "28/02/2027"},   {{9, 6, 2026}, '-', 0, "09/06/2026"},
        {{9, 6, 2026}, '+', 0, "09/06/2026"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << DateText(c.from) << c.sign << c.count);
        EXPECT_EQ(DateText(c.sign == '+' ? AddDays(c.from, c.count) : SubtractDays(c.from, c.count)), c.to);
    }
}

TEST(Calendar, CompareDatesAndValidateDate) {
    const struct {
        CalendarDate a, b;
        DateOrder order;
    } pairs[] = {{{4, 4, 2026}, {5, 3, 2026}, After},
                 {{31, 12, 2026}, {1, 1, 2027}, Before},
                 {{5, 3, 2026}, {6, 3, 2026}, Before},
                 {{5, 3, 2026}, {5, 3, 2026}, Same}};
    for (const auto &p : pairs)
        EXPECT_EQ(CompareDates(p.a, p.b), p.order) << DateText(p.a) << " vs " << DateText(p.b);
    // Year first, then month, then day.
    const struct {
        CalendarDate date;
        DateCheck check;
    } cases[] = {{{29, 2, 2027}, BadDay},   {{29, 2, 2028}, DateOk},   {{31, 4, 2026}, BadDay},
                 {{0, 5, 2026}, BadDay},    {{1, 13, 2026}, BadMonth}, {{1, 0, 2026}, BadMonth},
                 {{0, 0, 2026}, BadMonth},  {{1, 1, 2003}, BadYear},   {{1, 1, 10000}, BadYear},
                 {{31, 13, 2003}, BadYear}, {{31, 12, 9999}, DateOk},  {{29, 2, 2100}, DateOk}};
    for (const auto &c : cases)
        EXPECT_EQ(ValidateDate(c.date), c.check) << DateText(c.date);
}

// The working tables as the process starts, before any test selects a language.
struct StartTables : testing::Environment {
    static inline std::array<std::string, 7> days;
    void SetUp() override { days = DayNames; }
};
testing::Environment *const startTables = testing::AddGlobalTestEnvironment(new StartTables);

TEST(Names, StartInCatalanAndFollowTheLanguage) {
    EXPECT_EQ(StartTables::days[0], "diumenge");
    EXPECT_EQ(StartTables::days[3], "dimecres");
    for (const int32_t language : {2, 7}) { // an unknown language keeps the tables as they are
        util::LanguageIndex = language;
        SelectLanguage();
        EXPECT_EQ(DayNames[3], "mi\xE9rcoles") << language;
        EXPECT_EQ(DayAbbreviations[5], "Vy") << language;
    }
    util::LanguageIndex = 1;
    SelectLanguage();
    EXPECT_EQ(WeekdayName({5, 12, 2026}), "Saturday");
    EXPECT_EQ(MonthNames[12], "Desember");
    EXPECT_EQ(DateErrorTexts[BadYear], "Wrong year");
    util::LanguageIndex = 0;
    SelectLanguage();
    EXPECT_EQ(DayNames[0], "diumenge");
}

TEST(DateText, PadsDayAndMonthAndCutsToTenCharacters) {
    EXPECT_EQ(DateText({5, 3, 2026}), "05/03/2026");
    EXPECT_EQ(DateText({0, 0, 0}), "00/00/0");
    EXPECT_EQ(DateText({123, 4, 2026}), "123/04/202");
}

TEST(ParseDate, ReadsFieldsAndReportsTheFirstProblem) {
    const struct {
        const char *text;
        const char *date; // starting from 09/09/2030
        DateCheck check;
    } cases[] = {{"", "00/00/0", DateOk},
                 {"5/3/26", "05/03/2026", DateOk},
                 {"5-3-26", "05/03/2026", DateOk},
                 {"5 3 26", "05/03/2026", DateOk},
                 {"5/3/99", "05/03/2099", DateOk},
                 {"5/3/2026/", "05/03/2026", DateOk},
                 {"05/03/2026 x", "05/03/2026", DateOk}, // only the first 10 characters count
                 {"31/4/2026", "31/04/2026", BadDay},
                 {"5/13/2026", "05/13/2026", BadMonth},
                 {"5/3/1999", "05/03/1999", BadYear},
                 {"5/3/0026", "05/03/26", BadYear},
                 {"5//2026", "05/09/2030", BadNumber},
                 {"0/3/2026", "09/09/2030", BadNumber},
                 {"x", "09/09/2030", BadNumber},
                 {"5/3/2026 x", "05/03/2026", BadNumber},
                 {"99999999999", "09/09/2030", BadNumber}};
    for (const auto &c : cases) {
        CalendarDate date{9, 9, 2030};
        EXPECT_EQ(ParseDate(c.text, date), c.check) << '"' << c.text << '"';
        EXPECT_EQ(DateText(date), c.date) << '"' << c.text << '"';
    }
}
