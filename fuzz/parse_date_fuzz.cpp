// dates::ParseDate on any text, from two different dates, against the rules written out again
// with std::from_chars; an accepted date reads back from its own date text.
#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "shared/dates/names.h"

using dates::CalendarDate;

namespace {

bool Equal(const CalendarDate &a, const CalendarDate &b) {
    return a.day == b.day && a.month == b.month && a.year == b.year;
}

// The first ten characters; empty is the empty date. Fields are runs of digits, each followed by
// one separator; a run that is empty, 0 or above 9999 is no number. Day, month, then year, which
// takes 2000 more when written with fewer than four digits; fields after the year are read only.
dates::DateCheck Expected(std::string_view text, CalendarDate &date) {
    text = text.substr(0, 10);
    if (text.empty()) {
        date = {0, 0, 0};
        return dates::DateOk;
    }
    for (size_t pos = 0, field = 1;; ++field) {
        const size_t end = std::min(text.find_first_not_of("0123456789", pos), text.size());
        uint64_t value = 0; // ten digits at most
        std::from_chars(text.data() + pos, text.data() + end, value);
        if (value == 0 || value > 9999) return dates::BadNumber;
        const auto number = static_cast<uint16_t>(value);
        if (field == 1) date.day = number;
        if (field == 2) date.month = number;
        if (field == 3) date.year = end - pos < 4 ? static_cast<uint16_t>(number + 2000) : number;
        pos = end + 1;
        if (pos >= text.size()) return dates::ValidateDate(date);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const CalendarDate start : {CalendarDate{7, 11, 2031}, CalendarDate{9, 2, 2000}}) {
        CalendarDate parsed = start, expected = start;
        const dates::DateCheck code = dates::ParseDate(text, parsed);
        FUZZ_CHECK(code == Expected(text, expected) && Equal(parsed, expected));
        if (code == dates::DateOk && !text.empty()) {
            const std::string shown = dates::DateText(parsed);
            CalendarDate again{};
            FUZZ_CHECK(shown.size() == 10 && dates::ParseDate(shown, again) == dates::DateOk &&
                       Equal(again, parsed));
        }
    }
    return 0;
}
