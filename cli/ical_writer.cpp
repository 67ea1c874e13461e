#include "cli/ical_writer.h"

#include <cstdio>
#include <map>
#include <utility>
#include "cli/utf8.h"

namespace cli {
namespace {

constexpr size_t MaxLineOctets = 75;

// Appends one content line of Windows-1252 text in UTF-8, folded before it would pass 75
// octets, never inside a character's bytes.
void AppendLine(std::string &out, std::string_view line) {
    size_t octets = 0;
    std::string character;
    for (const char c : line) {
        character.clear();
        AppendUtf8(character, c);
        if (octets + character.size() > MaxLineOctets) {
            out += "\r\n ";
            octets = 1;
        }
        out += character;
        octets += character.size();
    }
    out += "\r\n";
}

// A TEXT value: backslash, semicolon and comma escaped, each line break (CR LF, CR or LF) as
// "\n"; other control characters cannot be written and are dropped.
std::string EscapedText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += c;
        } else if (c == '\r' || c == '\n') {
            out += "\\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\t' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) {
            out += c;
        }
    }
    return out;
}

std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find_first_of("\r\n")); }

// 64-bit FNV-1a, for UIDs that stay the same from one export to the next.
uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = 0xcbf29ce484222325u;
    for (const char c : bytes)
        hash = (hash ^ static_cast<uint8_t>(c)) * 0x100000001b3u;
    return hash;
}

struct CalendarWriter {
    std::string_view stamp;
    CalendarFile file;
    std::map<std::string, int> seen; // how often each kind, date and text came so far

    // One component dated on date ("20261205"): its UID from kind, date and text, with the
    // occurrence among equal ones, so that two equal notes keep two distinct UIDs.
    void Add(std::string_view component, const char *kind, const char *date, std::string_view text) {
        std::string key = std::string(kind) + date;
        key.append(1, '\0').append(text);
        char uid[80];
        // The date, a short kind, 16 hex digits and a count: far below 80, never cut short.
        static_cast<void>(std::snprintf(uid, sizeof uid, "UID:%s-%s-%016llx-%d@tarvela", date, kind,
                                        static_cast<unsigned long long>(Fnv1a(key)), ++seen[key]));
        std::string &out = file.bytes;
        AppendLine(out, std::string("BEGIN:").append(component));
        AppendLine(out, uid);
        AppendLine(out, std::string("DTSTAMP:").append(stamp));
        AppendLine(out, std::string("DTSTART;VALUE=DATE:") + date);
        AppendLine(out, "SUMMARY:" + EscapedText(FirstLine(text)));
        AppendLine(out, "DESCRIPTION:" + EscapedText(text));
        AppendLine(out, std::string("END:").append(component));
    }

    void AddDated(std::string_view component, const char *kind, uint16_t day, uint16_t month, uint16_t year,
                  std::string_view text) {
        if (!IsCalendarDate(day, month, year)) {
            ++file.leftOut;
            return;
        }
        char date[16];
        static_cast<void>(std::snprintf(date, sizeof date, "%04u%02u%02u", unsigned{year}, unsigned{month},
                                        unsigned{day})); // 8 digits for a calendar date
        Add(component, kind, date, text);
    }
};

} // namespace

bool IsCalendarDate(uint16_t day, uint16_t month, uint16_t year) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    // The programs' calendar makes every fourth year a leap year; a calendar file keeps
    // February 29 for the Gregorian ones only.
    if (month == 2) return day <= (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) ? 29 : 28);
    return day <= dates::DaysInMonth(month, year);
}

CalendarFile ICalendarFile(std::span<const notes::NoteRecord> notes,
                           std::span<const longterm::YearMonthRecord> records, std::string_view stamp) {
    CalendarWriter writer{stamp, {}, {}};
    std::string &out = writer.file.bytes;
    AppendLine(out, "BEGIN:VCALENDAR");
    AppendLine(out, "VERSION:2.0");
    AppendLine(out, "PRODID:-//Tarvela//agenda//ES");
    AppendLine(out, "CALSCALE:GREGORIAN");
    for (const notes::NoteRecord &note : notes)
        writer.AddDated("VEVENT", "note", note.date.day, note.date.month, note.date.year, note.text);
    for (const longterm::YearMonthRecord &record : records)
        writer.AddDated("VJOURNAL", "longterm", 1, record.month, record.year, record.note);
    AppendLine(out, "END:VCALENDAR");
    return std::move(writer.file);
}

} // namespace cli
