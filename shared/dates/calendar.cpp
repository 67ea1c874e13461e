#include "shared/dates/calendar.h"

#include <algorithm>
#include <array>

namespace dates {

namespace {

constexpr uint16_t FirstYear = 2004;
constexpr uint16_t LastYear = 9999;

// Days of months 1..12 in a common year; February is corrected for leap years.
constexpr std::array<uint16_t, 12> MonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days of the first n months of a common year, n = 0..12.
constexpr std::array<uint16_t, 13> DaysBeforeMonth = {0,   31,  59,  90,  120, 151, 181,
                                                      212, 243, 273, 304, 334, 365};

} // namespace

void SetDate(CalendarDate &date, uint16_t day, uint16_t month, uint16_t year) {
    date.day = day;
    date.month = month;
    date.year = year;
}

bool IsLeapYear(uint16_t year) { return year % 4 == 0; }

uint16_t DaysInMonth(uint16_t month, uint16_t year) {
    if (month < 1 || month > 12) {
        return 31;
    }
    if (month == 2 && IsLeapYear(year)) {
        return 29;
    }
    return MonthLengths[static_cast<std::size_t>(month - 1)];
}

uint16_t DaysInMonth(const CalendarDate &date) { return DaysInMonth(date.month, date.year); }

uint16_t DayOfWeek(const CalendarDate &date) {
    // Every field may hold any 16-bit value (stored notes are not checked), so the count is
    // kept in 32 bits: at most about 24 million days, far below overflow.
    uint32_t total = 0;
    if (date.year > FirstYear) {
        const auto years = static_cast<uint32_t>(date.year - FirstYear);
        total = 365 * years + 1 + (years - 1) / 4;
    }
    // The months before date.month in its year, at most the twelve of the year.
    const size_t months = date.month == 0 ? 0 : std::min<size_t>(date.month - 1u, 12);
    total += DaysBeforeMonth[months] + (months >= 2 && IsLeapYear(date.year) ? 1u : 0u);
    if (date.month > 13) {
        // Months beyond December count as 31 days each, like DaysInMonth says.
        total += 31u * static_cast<uint32_t>(date.month - 13);
    }
    total += date.day;
    return static_cast<uint16_t>((total + 3) % 7);
}

CalendarDate AddDays(const CalendarDate &date, uint16_t count) {
    CalendarDate result = date;
    const uint32_t length = DaysInMonth(date);
    uint32_t day = static_cast<uint32_t>(date.day) + count;
    if (day > length) {
        day -= length;
        if (date.month == 12) {
            result.month = 1;
            result.year = static_cast<uint16_t>(date.year + 1);
        } else {
            result.month = static_cast<uint16_t>(date.month + 1);
        }
    }
    result.day = static_cast<uint16_t>(day);
    return result;
}

CalendarDate NextDay(const CalendarDate &date) { return AddDays(date, 1); }

CalendarDate SubtractDays(const CalendarDate &date, uint16_t count) {
    CalendarDate result = date;
    if (count < date.day) {
        result.day = static_cast<uint16_t>(date.day - count);
        return result;
    }
    // Month 0 only comes from damaged notes; it steps back to December like January does.
    if (date.month <= 1) {
        result.month = 12;
        result.year = static_cast<uint16_t>(date.year - 1);
    } else {
        result.month = static_cast<uint16_t>(date.month - 1);
    }
    const int32_t day = static_cast<int32_t>(date.day) + DaysInMonth(result) - count;
    result.day = static_cast<uint16_t>(day);
    return result;
}

DateOrder CompareDates(const CalendarDate &a, const CalendarDate &b) {
    if (a.year != b.year) {
        return a.year < b.year ? Before : After;
    }
    if (a.month != b.month) {
        return a.month < b.month ? Before : After;
    }
    if (a.day != b.day) {
        return a.day < b.day ? Before : After;
    }
    return Same;
}

DateCheck ValidateDate(const CalendarDate &date) {
    if (date.year < FirstYear || date.year > LastYear) {
        return BadYear;
    }
    if (date.month < 1 || date.month > 12) {
        return BadMonth;
    }
    if (date.day < 1 || date.day > DaysInMonth(date)) {
        return BadDay;
    }
    return DateOk;
}

} // namespace dates
