#include "shared/dates/calendar.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

namespace dates {

// Readable failures: dates print as d/m/y.
void PrintTo(const CalendarDate &date, std::ostream *out) {
    *out << date.day << '/' << date.month << '/' << date.year;
}

bool operator==(const CalendarDate &a, const CalendarDate &b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

} // namespace dates

namespace {

using dates::CalendarDate;

CalendarDate D(uint16_t day, uint16_t month, uint16_t year) {
    CalendarDate date;
    dates::SetDate(date, day, month, year);
    return date;
}

TEST(Calendar, MonthLengthsAndLeapYears) {
    const uint16_t common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (uint16_t month = 1; month <= 12; ++month) {
        EXPECT_EQ(dates::DaysInMonth(month, 2027), common[month - 1]) << month;
    }
    const struct {
        uint16_t year;
        bool leap;
    } years[] = {{2004, true}, {2026, false}, {2027, false}, {2028, true},
                 {2100, true}, {2000, true},  {9999, false}, {0, true}};
    for (const auto &y : years) {
        EXPECT_EQ(dates::IsLeapYear(y.year), y.leap) << y.year;
        EXPECT_EQ(dates::DaysInMonth(2, y.year), y.leap ? 29 : 28) << y.year;
        EXPECT_EQ(dates::DaysInMonth(D(1, 2, y.year)), y.leap ? 29 : 28) << y.year;
    }
}

TEST(Calendar, MonthOutsideTheYearCountsAsThirtyOneDays) {
    for (const uint16_t month : std::initializer_list<uint16_t>{0, 13, 14, 255, 65535}) {
        EXPECT_EQ(dates::DaysInMonth(month, 2026), 31) << month;
        EXPECT_EQ(dates::DaysInMonth(month, 2028), 31) << month;
    }
}

TEST(Calendar, DayOfWeekAtKnownDates) {
    const struct {
        CalendarDate date;
        uint16_t weekday;
    } cases[] = {
        {D(1, 1, 2004), 4},  {D(29, 2, 2004), 0}, {D(1, 3, 2004), 1},   {D(1, 1, 2005), 6},
        {D(1, 1, 2026), 4},  {D(5, 12, 2026), 6}, {D(31, 12, 2026), 4}, {D(29, 2, 2028), 2},
        {D(28, 2, 2100), 0}, {D(1, 3, 2100), 2},  {D(31, 12, 9999), 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dates::DayOfWeek(c.date), c.weekday) << testing::PrintToString(c.date);
    }
}

TEST(Calendar, DayOfWeekOfStoredGarbageIsStillAWeekday) {
    const CalendarDate odd[] = {
        D(0, 0, 0),        D(0, 5, 2026),     D(1, 0, 2026),  D(1, 13, 2026),
        D(31, 14, 2026),   D(1, 1, 0),        D(1, 1, 2003),  D(65535, 65535, 65535),
        D(65535, 1, 2004), D(1, 65535, 2026), D(40, 2, 2027), D(1, 1, 65535),
    };
    for (const auto &date : odd) {
        EXPECT_LT(dates::DayOfWeek(date), 7) << testing::PrintToString(date);
    }
    // Before 2004 each year is counted as if it began on a Thursday, like 2004.
    EXPECT_EQ(dates::DayOfWeek(D(1, 1, 1999)), 4);
    EXPECT_EQ(dates::DayOfWeek(D(1, 3, 2003)), 0);
}

// Walks every day from 2004 to 2199 and checks the stepping, the weekdays and the validation
// against an independent count: one wrong month length or leap rule breaks the chain.
TEST(Calendar, WalkingDayByDayAgreesWithWeekdaysAndValidation) {
    CalendarDate date = D(1, 1, 2004);
    uint16_t weekday = 4;
    int daysInYear = 0;
    while (date.year < 2200) {
        ASSERT_EQ(dates::ValidateDate(date), dates::DateOk) << testing::PrintToString(date);
        ASSERT_EQ(dates::DayOfWeek(date), weekday) << testing::PrintToString(date);
        const CalendarDate next = dates::NextDay(date);
        ASSERT_EQ(dates::SubtractDays(next, 1), date) << testing::PrintToString(next);
        ASSERT_EQ(dates::CompareDates(date, next), dates::Before) << testing::PrintToString(date);
        ASSERT_EQ(dates::AddDays(date, 7), dates::SubtractDays(dates::AddDays(date, 14), 7))
            << testing::PrintToString(date);
        ++daysInYear;
        if (next.year != date.year) {
            ASSERT_EQ(daysInYear, dates::IsLeapYear(date.year) ? 366 : 365) << date.year;
            ASSERT_EQ(next, D(1, 1, static_cast<uint16_t>(date.year + 1)));
            daysInYear = 0;
        }
        date = next;
        weekday = static_cast<uint16_t>((weekday + 1) % 7);
    }
}

TEST(Calendar, AddDaysCrossesMonthAndYearEnds) {
    const struct {
        CalendarDate from;
        uint16_t count;
        CalendarDate to;
    } cases[] = {
        {D(28, 2, 2027), 1, D(1, 3, 2027)},  {D(28, 2, 2028), 1, D(29, 2, 2028)},
        {D(29, 2, 2028), 1, D(1, 3, 2028)},  {D(31, 12, 2026), 1, D(1, 1, 2027)},
        {D(27, 12, 2026), 7, D(3, 1, 2027)}, {D(24, 2, 2027), 7, D(3, 3, 2027)},
        {D(30, 4, 2026), 1, D(1, 5, 2026)},  {D(24, 4, 2026), 7, D(1, 5, 2026)},
        {D(9, 6, 2026), 0, D(9, 6, 2026)},   {D(1, 2, 2027), 28, D(1, 3, 2027)},
    };
    for (const auto &c : cases) {
        const CalendarDate original = c.from;
        EXPECT_EQ(dates::AddDays(c.from, c.count), c.to) << testing::PrintToString(c.from);
        EXPECT_EQ(c.from, original);
    }
    EXPECT_EQ(dates::NextDay(D(31, 1, 2026)), D(1, 2, 2026));
}

TEST(Calendar, SubtractDaysCrossesMonthAndYearStarts) {
    const struct {
        CalendarDate from;
        uint16_t count;
        CalendarDate to;
    } cases[] = {
        {D(3, 1, 2027), 6, D(28, 12, 2026)},  {D(7, 6, 2026), 6, D(1, 6, 2026)},
        {D(1, 3, 2028), 1, D(29, 2, 2028)},   {D(1, 3, 2027), 1, D(28, 2, 2027)},
        {D(9, 6, 2026), 0, D(9, 6, 2026)},    {D(6, 6, 2026), 6, D(31, 5, 2026)},
        {D(1, 5, 2026), 1, D(30, 4, 2026)},   {D(1, 1, 2027), 1, D(31, 12, 2026)},
        {D(28, 3, 2027), 28, D(28, 2, 2027)},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dates::SubtractDays(c.from, c.count), c.to) << testing::PrintToString(c.from);
    }
}

TEST(Calendar, SteppingOddStoredDatesStaysDefined) {
    // Months beyond December are 31 days long and step on to the next number.
    EXPECT_EQ(dates::AddDays(D(31, 13, 2026), 1), D(1, 14, 2026));
    EXPECT_EQ(dates::SubtractDays(D(1, 13, 2026), 1), D(31, 12, 2026));
    // Month 0 steps back to the December before, like January.
    EXPECT_EQ(dates::SubtractDays(D(1, 0, 2026), 1), D(31, 12, 2025));
    // Field limits wrap rather than overflow.
    EXPECT_EQ(dates::AddDays(D(31, 12, 65535), 1), D(1, 1, 0));
    EXPECT_EQ(dates::SubtractDays(D(0, 1, 0), 0), D(31, 12, 65535));
    EXPECT_EQ(dates::AddDays(D(65535, 5, 2026), 28), D(65532, 6, 2026));
}

TEST(Calendar, CompareDatesLooksAtYearThenMonthThenDay) {
    const struct {
        CalendarDate a;
        CalendarDate b;
        dates::DateOrder order;
    } cases[] = {
        {D(4, 4, 2026), D(5, 3, 2026), dates::After},   {D(5, 3, 2026), D(4, 4, 2026), dates::Before},
        {D(1, 1, 2027), D(31, 12, 2026), dates::After}, {D(31, 12, 2026), D(1, 1, 2027), dates::Before},
        {D(5, 3, 2026), D(6, 3, 2026), dates::Before},  {D(6, 3, 2026), D(5, 3, 2026), dates::After},
        {D(5, 3, 2026), D(5, 3, 2026), dates::Same},    {D(0, 0, 0), D(1, 1, 2004), dates::Before},
        {D(0, 0, 0), D(0, 0, 0), dates::Same},          {D(1, 13, 2026), D(31, 12, 2026), dates::After},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dates::CompareDates(c.a, c.b), c.order)
            << testing::PrintToString(c.a) << " vs " << testing::PrintToString(c.b);
    }
}

TEST(Calendar, ValidateDateTestsYearThenMonthThenDay) {
    const struct {
        CalendarDate date;
        dates::DateCheck check;
    } cases[] = {
        {D(29, 2, 2027), dates::BadDay},   {D(29, 2, 2028), dates::DateOk},  {D(31, 4, 2026), dates::BadDay},
        {D(30, 4, 2026), dates::DateOk},   {D(0, 5, 2026), dates::BadDay},   {D(32, 1, 2026), dates::BadDay},
        {D(1, 13, 2026), dates::BadMonth}, {D(1, 0, 2026), dates::BadMonth}, {D(1, 1, 2003), dates::BadYear},
        {D(1, 1, 2004), dates::DateOk},    {D(31, 12, 9999), dates::DateOk}, {D(1, 1, 10000), dates::BadYear},
        {D(31, 13, 2003), dates::BadYear}, {D(0, 0, 2026), dates::BadMonth}, {D(0, 0, 0), dates::BadYear},
        {D(29, 2, 2100), dates::DateOk},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dates::ValidateDate(c.date), c.check) << testing::PrintToString(c.date);
    }
}

} // namespace
