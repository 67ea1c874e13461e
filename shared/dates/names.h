// Weekday and month names in Catalan, English and Spanish, date text and date parsing.
// The working tables hold Catalan from process start until SelectLanguage runs.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include "shared/dates/calendar.h"

namespace dates {

extern std::array<std::string, 7> DayNames;            // 0 = Sunday
extern std::array<std::string, 7> DayAbbreviations;    // 0 = Sunday
extern std::array<std::string, 13> MonthNames;         // 1 = January; index 0 unused
extern std::array<std::string, 13> MonthAbbreviations; // 1 = January; index 0 unused
extern std::array<std::string, 5> DateErrorTexts;      // by DateCheck code

// Fills the working tables from the language in util::LanguageIndex (0 Catalan,
// 1 English, 2 Spanish); any other value leaves them as they are.
void SelectLanguage();

// Full weekday name of a date, from the working tables.
const std::string &WeekdayName(const CalendarDate &date);
const std::string &WeekdayAbbreviation(const CalendarDate &date);

// "dd/mm/yyyy": day and month in two digits at least, cut to 10 characters.
std::string DateText(const CalendarDate &date);
// The same text written at out, which has room for 10 characters; returns its length.
size_t PutDateText(const CalendarDate &date, char *out);

// Reads day, month and year fields from the first 10 characters of text into date;
// fields the text does not reach keep their values. Empty text gives 0/0/0 and DateOk.
DateCheck ParseDate(std::string_view text, CalendarDate &date);

} // namespace dates
