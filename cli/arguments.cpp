#include "cli/arguments.h"

#include <charconv>
#include "notes/periods.h"
#include "shared/dates/names.h"

namespace cli {
namespace {

constexpr std::string_view ProgramHelp =
    "Usage: agenda COMMAND [OPERAND] [--dir DIR] [options]\n"
    "Reads agenda.dat (Tarvela's notes) and lonyrs.dat (Velmarix's records) in DIR (default: the\n"
    "current folder) and never writes to them. A missing file counts as empty.\n"
    "Commands:\n"
    "  due                  the notes of today and tomorrow; exit status 0 when one is due, 1 when none\n"
    "  list [PERIOD]        the notes of a period: all (default), today, week, next-week, month,\n"
    "                       next-month, or a month as MM/YYYY\n"
    "  longterm [YEAR]      the long-term records, all or of one year, as: year month note\n"
    "  export --ics|--csv   every note and record as iCalendar or CSV, to --out FILE or standard output\n"
    "Options:\n"
    "  --dir DIR            the folder of the data files\n"
    "  --today DD/MM/YYYY   due, list: take this day for today instead of the clock's\n"
    "  --help               this text, or a command's (agenda due --help)\n"
    "Errors (a missing folder, an unreadable file, a bad operand) give exit status 2.\n";

constexpr std::string_view DueHelp =
    "Usage: agenda due [--dir DIR] [--today DD/MM/YYYY]\n"
    "Prints the notes dated today or tomorrow, one line each (date, weekday, text), as Tarvela's\n"
    "start-up mode shows them. Exit status 0 when a note is due, 1 when none is, 2 on an error.\n";

constexpr std::string_view ListHelp =
    "Usage: agenda list [PERIOD] [--dir DIR] [--today DD/MM/YYYY]\n"
    "Prints the notes of PERIOD as Tarvela's list shows them: all (default), today (today and\n"
    "tomorrow), week and next-week (Monday to Sunday), month, next-month, or MM/YYYY.\n";

constexpr std::string_view LongTermHelp =
    "Usage: agenda longterm [YEAR] [--dir DIR]\n"
    "Prints Velmarix's long-term records, all or those of YEAR, one line each: year month note.\n";

constexpr std::string_view ExportHelp =
    "Usage: agenda export --ics|--csv [--out FILE] [--dir DIR]\n"
    "--ics: an iCalendar file, each note an all-day event, each long-term record a journal entry on\n"
    "the first of its month. Records whose date is not a calendar date are left out; their count\n"
    "goes to standard error.\n"
    "--csv: a CSV file with the header kind,year,month,day,text and every note and record.\n"
    "Both UTF-8 with CR LF lines. --out writes FILE.tmp, then renames it to FILE; FILE may not be\n"
    "named agenda.dat or lonyrs.dat.\n";

struct PeriodName {
    std::string_view name;
    int32_t period;
};
constexpr PeriodName PeriodNames[] = {{"all", notes::AllNotes},        {"today", notes::TodayAndTomorrow},
                                      {"week", notes::ThisWeek},       {"next-week", notes::NextWeek},
                                      {"month", notes::ThisMonth},     {"next-month", notes::NextMonth}};

// The whole of text as a decimal number from low to high.
bool ReadNumber(std::string_view text, uint16_t low, uint16_t high, uint16_t &value) {
    uint16_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < low || number > high)
        return false;
    value = number;
    return true;
}

bool ReadPeriod(std::string_view text, Arguments &args) {
    for (const PeriodName &entry : PeriodNames) {
        if (text != entry.name) continue;
        args.period = entry.period;
        return true;
    }
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos || !ReadNumber(text.substr(0, slash), 1, 12, args.chosenMonth) ||
        !ReadNumber(text.substr(slash + 1), 2004, 9999, args.chosenYear)) // the calendar starts in 2004
        return false;
    args.period = notes::ChosenMonth;
    return true;
}

bool ReadToday(std::string_view text, dates::CalendarDate &today) {
    dates::CalendarDate date;
    if (text.size() > 10 || dates::ParseDate(text, date) != dates::DateOk || dates::ValidateDate(date) != dates::DateOk)
        return false;
    today = date;
    return true;
}

std::string ReadOperand(std::string_view word, Arguments &args) {
    bool ok = false;
    if (args.command == Command::List) ok = ReadPeriod(word, args);
    if (args.command == Command::LongTerm) ok = args.yearGiven = ReadNumber(word, 0, 65535, args.year);
    return ok ? "" : "bad operand '" + std::string(word) + "'" +
                         (args.command == Command::List ? " (a period: all, today, week, next-week, month, "
                                                          "next-month or MM/YYYY)"
                                                        : "");
}

// True when path's file name is agenda.dat or lonyrs.dat, in any case: an export there would
// take the place of a data file (or, where none is yet, be read as one).
bool NamesDataFile(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (const std::string_view dataFile : {"agenda.dat", "lonyrs.dat"}) {
        if (name.size() != dataFile.size()) continue;
        bool same = true;
        for (size_t i = 0; i < name.size(); ++i) same = same && (name[i] | 0x20) == dataFile[i];
        if (same) return true;
    }
    return false;
}

Command CommandNamed(std::string_view name) {
    if (name == "due") return Command::Due;
    if (name == "list") return Command::List;
    if (name == "longterm") return Command::LongTerm;
    if (name == "export") return Command::Export;
    return Command::None;
}

// The value of --dir, --out or --today.
std::string ReadOptionValue(std::string_view option, const std::string &value, Arguments &args) {
    if (option == "--dir") args.dir = value;
    if (option == "--out") args.out = value;
    if (option == "--today") {
        if (!ReadToday(value, args.today)) return "bad date '" + value + "' (DD/MM/YYYY)";
        args.todayGiven = true;
    }
    return "";
}

// What is wrong with the command and options given together, or "".
std::string CombinationError(const Arguments &args) {
    if (args.command == Command::None) return "no command given (see agenda --help)";
    if (args.command == Command::Export && args.format == Format::None) return "export needs --ics or --csv";
    if (args.command != Command::Export && (args.format != Format::None || !args.out.empty()))
        return "--ics, --csv and --out are for export";
    if (NamesDataFile(args.out)) return "--out may not name a data file (" + args.out + ")";
    return "";
}

// A word that is not an option: the command, then at most one operand.
std::string ReadCommandOrOperand(const std::string &word, bool &operandRead, Arguments &args) {
    if (args.command == Command::None) {
        args.command = CommandNamed(word);
        return args.command == Command::None ? "unknown command '" + word + "' (see agenda --help)" : "";
    }
    if (operandRead || args.command == Command::Due || args.command == Command::Export)
        return "unexpected operand '" + word + "'";
    operandRead = true;
    return ReadOperand(word, args);
}

} // namespace

std::string ParseArguments(std::span<const std::string> words, Arguments &args) {
    bool operandRead = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        const bool valueFollows = i + 1 < words.size();
        if (word == "--help") {
            args.help = true;
        } else if (word == "--dir" || word == "--today" || word == "--out") {
            if (!valueFollows) return word + " needs a value";
            if (std::string error = ReadOptionValue(word, words[++i], args); !error.empty()) return error;
        } else if (word == "--ics" || word == "--csv") {
            args.format = word == "--ics" ? Format::ICalendar : Format::Csv;
        } else if (word.starts_with("--")) {
            return "unknown option '" + word + "'";
        } else if (std::string error = ReadCommandOrOperand(word, operandRead, args); !error.empty()) {
            return error;
        }
    }
    return args.help ? "" : CombinationError(args);
}

std::string_view HelpText(Command command) {
    switch (command) {
    case Command::Due: return DueHelp;
    case Command::List: return ListHelp;
    case Command::LongTerm: return LongTermHelp;
    case Command::Export: return ExportHelp;
    case Command::None: break;
    }
    return ProgramHelp;
}

} // namespace cli
