#include "shared/dates/names.h"

#include <algorithm>
#include <charconv>

#include "shared/util/language.h"

namespace dates {

namespace {

struct LanguageNames {
    std::array<std::string_view, 7> days;
    std::array<std::string_view, 7> dayAbbreviations;
    std::array<std::string_view, 13> months;
    std::array<std::string_view, 13> monthAbbreviations;
    std::array<std::string_view, 5> dateErrors;
};

// Some entries read oddly ("Mai", "Setember", "Vy"); they are the texts our users know.
constexpr LanguageNames Catalan = {
    {"diumenge", "dilluns", "dimarts", "dimecres", "dijous", "divendres", "dissabte"},
    {"dMg", "dL", "dMa", "dMe", "dJ", "dV", "dS"},
    {"", "gener", "febrer", "març", "abril", "maig", "juny", "juliol", "agost", "setembre", "octubre",
     "novembre", "desembre"},
    {"", "gen", "feb", "mar", "abr", "mai", "jun", "jul", "ago", "set", "oct", "nov", "des"},
    {"", "Dia incorrecte", "Mes incorrecte", "Any incorrecte", "No fem broma!"},
};

constexpr LanguageNames English = {
    {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"", "January", "February", "March", "April", "Mai", "June", "July", "August", "Setember", "October",
     "November", "Desember"},
    {"", "Jan", "Feb", "Mar", "Apr", "Mai", "Jun", "Jul", "Aug", "Set", "Oct", "Nov", "Des"},
    {"", "Wrong day", "Wrong month", "Wrong year", "Don't pull my leg!"},
};

constexpr LanguageNames Spanish = {
    {"domingo", "lunes", "martes", "miércoles", "jueves", "viernes", "sábado"},
    {"Do", "Lu", "Ma", "Mi", "Ju", "Vy", "Sa"},
    {"", "enero", "febrero", "marzo", "abril", "mayo", "junio", "julio", "agosto", "septiembre", "octubre",
     "noviembre", "diciembre"},
    {"", "ene", "feb", "mar", "abr", "may", "jun", "jul", "ago", "sep", "oct", "nov", "dic"},
    {"", "Día incorrecto", "Mes incorrecto", "Año incorrecto", "¡Muy bueno lo tuyo!"},
};

template <std::size_t N> std::array<std::string, N> ToStrings(const std::array<std::string_view, N> &views) {
    std::array<std::string, N> strings;
    for (std::size_t i = 0; i < N; ++i) {
        strings[i] = std::string(views[i]);
    }
    return strings;
}

// Writes number in decimal at out, in two digits at least when twoDigits (so that dates line up
// in lists); returns the end of what it wrote, at most 5 characters.
char *PutNumber(char *out, uint16_t number, bool twoDigits) {
    if (twoDigits && number < 100) {
        *out++ = static_cast<char>('0' + number / 10);
        *out++ = static_cast<char>('0' + number % 10);
        return out;
    }
    return std::to_chars(out, out + 5, number).ptr;
}

constexpr std::size_t DateTextLength = 10;
constexpr uint16_t LargestField = 9999;

} // namespace

std::array<std::string, 7> DayNames = ToStrings(Catalan.days);
std::array<std::string, 7> DayAbbreviations = ToStrings(Catalan.dayAbbreviations);
std::array<std::string, 13> MonthNames = ToStrings(Catalan.months);
std::array<std::string, 13> MonthAbbreviations = ToStrings(Catalan.monthAbbreviations);
std::array<std::string, 5> DateErrorTexts = ToStrings(Catalan.dateErrors);

void SelectLanguage() {
    const LanguageNames *names = nullptr;
    switch (util::LanguageIndex) {
    case 0: names = &Catalan; break;
    case 1: names = &English; break;
    case 2: names = &Spanish; break;
    default: return;
    }
    DayNames = ToStrings(names->days);
    DayAbbreviations = ToStrings(names->dayAbbreviations);
    MonthNames = ToStrings(names->months);
    MonthAbbreviations = ToStrings(names->monthAbbreviations);
    DateErrorTexts = ToStrings(names->dateErrors);
}

const std::string &WeekdayName(const CalendarDate &date) { return DayNames[DayOfWeek(date)]; }

const std::string &WeekdayAbbreviation(const CalendarDate &date) { return DayAbbreviations[DayOfWeek(date)]; }

size_t PutDateText(const CalendarDate &date, char *out) {
    const auto digit = [](unsigned value) { return static_cast<char>('0' + value % 10); };
    if (date.day < 100 && date.month < 100 && date.year >= 1000 && date.year <= 9999) {
        // The usual dd/mm/yyyy, exactly ten characters.
        const char text[DateTextLength] = {
            digit(date.day / 10u),    digit(date.day),         '/',
            digit(date.month / 10u),  digit(date.month),       '/',
            digit(date.year / 1000u), digit(date.year / 100u), digit(date.year / 10u),
            digit(date.year)};
        std::copy_n(text, DateTextLength, out);
        return DateTextLength;
    }
    char text[17]; // 5 + 1 + 5 + 1 + 5 characters at most
    char *end = PutNumber(text, date.day, true);
    *end++ = '/';
    end = PutNumber(end, date.month, true);
    *end++ = '/';
    end = PutNumber(end, date.year, false);
    const size_t length = std::min<size_t>(static_cast<size_t>(end - text), DateTextLength);
    std::copy_n(text, length, out);
    return length;
}

std::string DateText(const CalendarDate &date) {
    char text[DateTextLength];
    return std::string(text, PutDateText(date, text));
}

DateCheck ParseDate(std::string_view text, CalendarDate &date) {
    const std::string_view kept = text.substr(0, DateTextLength);
    if (kept.empty()) {
        SetDate(date, 0, 0, 0);
        return DateOk;
    }

    std::size_t pos = 0;
    int field = 0;
    while (true) {
        // Accumulation stops once the run is too large for any field, so no run overflows.
        const std::size_t start = pos;
        uint32_t value = 0;
        bool tooLarge = false;
        for (; pos < kept.size() && kept[pos] >= '0' && kept[pos] <= '9'; ++pos) {
            if (!tooLarge) {
                value = value * 10 + static_cast<uint32_t>(kept[pos] - '0');
                tooLarge = value > LargestField;
            }
        }
        ++field;
        if (tooLarge || value == 0) {
            return BadNumber;
        }

        const auto number = static_cast<uint16_t>(value);
        if (field == 1) {
            date.day = number;
        } else if (field == 2) {
            date.month = number;
        } else if (field == 3) {
            // Short years are of this century: 26 and 026 are 2026, but 0026 is 26.
            date.year = pos - start < 4 ? static_cast<uint16_t>(number + 2000) : number;
        }

        ++pos; // the separator
        if (pos >= kept.size()) {
            return ValidateDate(date);
        }
    }
}

} // namespace dates
