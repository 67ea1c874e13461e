// Calendar dates: validation, month lengths, weekdays, stepping by days, comparison.
// The calendar starts in 2004 and every year divisible by 4 is a leap year.
#pragma once
#include <cstdint>

namespace dates {

struct CalendarDate {
    uint16_t day = 0;
    uint16_t month = 0;
    uint16_t year = 0; // the full year, 2026 not 26
};

enum DateOrder : uint8_t { Before = 0, Same = 1, After = 2 };

// Date-check codes; BadNumber is only given by the date parser.
enum DateCheck : uint8_t { DateOk = 0, BadDay = 1, BadMonth = 2, BadYear = 3, BadNumber = 4 };

void SetDate(CalendarDate &date, uint16_t day, uint16_t month, uint16_t year);
bool IsLeapYear(uint16_t year);

// 28..31 for months 1..12; a month outside 1..12 (found in stored notes) counts as 31.
uint16_t DaysInMonth(uint16_t month, uint16_t year);
uint16_t DaysInMonth(const CalendarDate &date);

// 0 = Sunday .. 6 = Saturday, for any field values.
uint16_t DayOfWeek(const CalendarDate &date);

// Step by at most 28 days, crossing one month boundary at most.
CalendarDate AddDays(const CalendarDate &date, uint16_t count);
CalendarDate NextDay(const CalendarDate &date);
CalendarDate SubtractDays(const CalendarDate &date, uint16_t count);

// Where a lies against b, comparing year, then month, then day as stored.
DateOrder CompareDates(const CalendarDate &a, const CalendarDate &b);

// DateOk, or the first failing check: BadYear (outside 2004..9999), BadMonth, BadDay.
DateCheck ValidateDate(const CalendarDate &date);

} // namespace dates
