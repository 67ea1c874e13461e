#include "shared/dates/names.h"
#include "shared/util/language.h"

#include <gtest/gtest.h>

using namespace dates;

// Day by day from 2004 to 2101, every step moves the weekday by its count of days and back again,
// so the month lengths, the leap days (2100 is one) and the weekday's month starts agree.
TEST(Calendar, WeekdaysAndStepsAgreeOnEveryDayTo2100) {
    CalendarDate day{1, 1, 2004};
    EXPECT_EQ(DayOfWeek(day), 4);
    for (int i = 0; i < 35430; ++i, day = NextDay(day))
        for (const uint16_t count : {uint16_t{1}, uint16_t{28}}) {
            ASSERT_EQ(DayOfWeek(AddDays(day, count)), (DayOfWeek(day) + count) % 7)
                << DateText(day) << '+' << count;
            ASSERT_EQ(DateText(SubtractDays(AddDays(day, count), count)), DateText(day)) << '+' << count;
        }
    EXPECT_EQ(DateText(day), "01/01/2101"); // 97 years with 25 leap days
    EXPECT_EQ(DayOfWeek({31, 12, 9999}), 2);
    EXPECT_TRUE(IsLeapYear(2100) && IsLeapYear(2028) && !IsLeapYear(2027));
    EXPECT_TRUE(DaysInMonth(0, 2026) == 31 && DaysInMonth(13, 2026) == 31); // months stored notes may hold
    EXPECT_EQ(DayOfWeek({1, 0, 2026}), DayOfWeek({1, 1, 2026}));
    EXPECT_EQ(DayOfWeek({1, 14, 2026}), DayOfWeek({1, 2, 2027})); // beyond December, 31 days a month
}

TEST(Calendar, CompareDatesAndValidateDate) {
    EXPECT_EQ(CompareDates({4, 4, 2026}, {5, 3, 2026}), After); // the month before the day
    EXPECT_EQ(CompareDates({31, 12, 2026}, {1, 1, 2027}), Before);
    EXPECT_EQ(CompareDates({5, 3, 2026}, {6, 3, 2026}), Before);
    EXPECT_EQ(CompareDates({5, 3, 2026}, {5, 3, 2026}), Same);
    // Year first, then month, then day.
    const std::pair<CalendarDate, DateCheck> cases[] = {{{29, 2, 2027}, BadDay},  {{29, 2, 2004}, DateOk},
                                                        {{0, 5, 2026}, BadDay},   {{1, 13, 2026}, BadMonth},
                                                        {{0, 0, 2026}, BadMonth}, {{1, 1, 2003}, BadYear},
                                                        {{1, 1, 10000}, BadYear}, {{31, 13, 2003}, BadYear},
                                                        {{31, 12, 9999}, DateOk}, {{29, 2, 2100}, DateOk}};
    for (const auto &[date, check] : cases)
        EXPECT_EQ(ValidateDate(date), check) << DateText(date);
}

TEST(Names, StartInCatalanAndFollowTheLanguage) {
    EXPECT_EQ(DayNames[3], "dimecres");     // as the process starts
    for (const int32_t language : {1, 7}) { // an unknown language keeps the tables as they are
        util::LanguageIndex = language;
        SelectLanguage();
        EXPECT_EQ(WeekdayName({5, 12, 2026}) + DayAbbreviations[5] + MonthNames[12] + MonthAbbreviations[9] +
                      DateErrorTexts[BadYear],
                  "SaturdayFriDesemberSetWrong year")
            << language;
    }
    util::LanguageIndex = 2;
    SelectLanguage();
    EXPECT_EQ(DayNames[3], "mi\xE9rcoles");
    util::LanguageIndex = 0;
    SelectLanguage();
    EXPECT_EQ(DayNames[0], "diumenge");
}

TEST(DateText, ParseReadsFieldsAndReportsTheFirstProblemAndTextsCutToTen) {
    EXPECT_EQ(DateText({123, 4, 2026}), "123/04/202");
    // The text, then the date (starting from 09/09/2030) and the check it gives.
    const std::pair<const char *, std::pair<const char *, DateCheck>> cases[] = {
        {"", {"00/00/0", DateOk}},
        {"5-3-26", {"05/03/2026", DateOk}},
        {"05/03/2026 x", {"05/03/2026", DateOk}}, // only the first 10 characters count
        {"31/4/2026", {"31/04/2026", BadDay}},
        {"5/3/0026", {"05/03/26", BadYear}},
        {"5//2026", {"05/09/2030", BadNumber}},
        {"0/3/2026", {"09/09/2030", BadNumber}},
        {"5/3/2026 x", {"05/03/2026", BadNumber}},
        {"99999999999", {"09/09/2030", BadNumber}}};
    for (const auto &[text, result] : cases) {
        CalendarDate date{9, 9, 2030};
        EXPECT_EQ(ParseDate(text, date), result.second) << '"' << text << '"';
        EXPECT_EQ(DateText(date), result.first) << '"' << text << '"';
    }
}
