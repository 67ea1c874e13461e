#include "cli/ical_reader.h"

#include "cli/ical_writer.h"

namespace cli {
namespace {

// The content lines of bytes, unfolded: a line that starts with a blank or a tab goes on with
// the one before it, without that first character.
std::vector<std::string> ContentLines(std::string_view bytes) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = std::min(bytes.find('\n', at), bytes.size());
        std::string_view line = bytes.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!lines.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t'))
            lines.back().append(line.substr(1));
        else
            lines.emplace_back(line);
    }
    return lines;
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char &c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
    return upper;
}

// A content line's name, in upper case, and its value: what follows the first colon outside a
// quoted parameter value. False for a line that has no value.
bool SplitLine(std::string_view line, std::string &name, std::string_view &value) {
    const size_t nameEnd = line.find_first_of(";:");
    bool quoted = false;
    for (size_t i = nameEnd; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] != ':' || quoted) continue;
        name = Upper(line.substr(0, nameEnd));
        value = line.substr(i + 1);
        return true;
    }
    return false;
}

// A TEXT value: "\n" or "\N" a line break, "\\", "\;" and "\," the character escaped.
std::string UnescapedText(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char escaped = value[++i];
            text += escaped == 'n' || escaped == 'N' ? '\n' : escaped;
        } else {
            text += value[i];
        }
    }
    return text;
}

// The date of a DATE or DATE-TIME value ("20261224", "20261224T183000Z"), when a calendar date.
bool ReadDate(std::string_view value, dates::CalendarDate &date) {
    uint32_t number = 0;
    for (size_t i = 0; i < 8; ++i) {
        if (i >= value.size() || value[i] < '0' || value[i] > '9') return false;
        number = number * 10 + static_cast<uint32_t>(value[i] - '0');
    }
    const auto day = static_cast<uint16_t>(number % 100);
    const auto month = static_cast<uint16_t>(number / 100 % 100);
    const auto year = static_cast<uint16_t>(number / 10000);
    if (!IsCalendarDate(day, month, year)) return false;
    date = {day, month, year};
    return true;
}

void ReadProperty(const std::string &name, std::string_view value, CalendarEntry &entry) {
    if (name == "DTSTART") entry.dated = ReadDate(value, entry.start);
    if (name == "SUMMARY") entry.summary = UnescapedText(value);
    if (name == "DESCRIPTION") entry.description = UnescapedText(value);
    entry.recurring = entry.recurring || name == "RRULE" || name == "RDATE";
}

} // namespace

bool ReadCalendar(std::string_view bytes, std::vector<CalendarEntry> &entries) {
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3); // a byte-order mark
    bool calendar = false;
    std::vector<std::string> open; // the components the line is in, the innermost last
    std::string name;
    std::string_view value;
    for (const std::string &line : ContentLines(bytes)) {
        if (!SplitLine(line, name, value)) continue;
        if (name == "BEGIN") {
            open.push_back(Upper(value));
            calendar = calendar || open.back() == "VCALENDAR";
            if (open.back() == "VEVENT" || open.back() == "VJOURNAL")
                entries.emplace_back().journal = open.back() == "VJOURNAL";
        } else if (name == "END") {
            if (!open.empty()) open.pop_back();
        } else if (!open.empty() && (open.back() == "VEVENT" || open.back() == "VJOURNAL")) {
            ReadProperty(name, value, entries.back());
        }
    }
    return calendar;
}

} // namespace cli
