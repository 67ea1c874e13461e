#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include "notes/periods.h"
#include "shared/dates/names.h"

namespace cli {
namespace {

constexpr std::string_view ProgramHelp =
    "Usage: agenda COMMAND [OPERAND...] [--dir DIR] [options]\n"
    "Reads and writes agenda.dat (Tarvela's notes) and lonyrs.dat (Velmarix's records) in DIR\n"
    "(default: the current folder). A missing file counts as empty; that, a last piece that is no\n"
    "whole record and more records than the programs show are said on standard error.\n"
    "Commands:\n"
    "  due                      the notes of today and tomorrow; exit status 0 when one is due, 1 when none\n"
    "  list [PERIOD]            the notes of a period: all (default), today (today and tomorrow), week,\n"
    "                           next-week, month, next-month, or a month as MM/YYYY\n"
    "  search WORD...           the notes and records holding every word, case and accents aside;\n"
    "                           exit status 1 when none does\n"
    "  longterm [YEAR]          the long-term records, all or of one year, as: year month note\n"
    "  add DATE TEXT...         adds a note, as Tarvela's \"aceptar\" does\n"
    "  longterm add YEAR MONTH TEXT...  adds a long-term record, as Velmarix's \"Ok\" does\n"
    "  import FILE [--dry-run]  adds the events and journal entries of an iCalendar file\n"
    "  export --ics|--csv       every note and record as iCalendar or CSV, to --out FILE or standard output\n"
    "Options:\n"
    "  --dir DIR                the folder of the data files\n"
    "  --today DD/MM/YYYY       due, list, add: take this day for today instead of the clock's\n"
    "  -h, --help               this text, or a command's (agenda add --help)\n"
    "  --version                the program's version\n"
    "A value may also follow its option after \"=\" (--dir=DIR); \"--\" ends the options. Control\n"
    "characters in a note are shown as cat -v shows them (^[ for ESC). Errors (a missing folder, an\n"
    "unreadable file, a bad operand, a refused note, a failed write) give exit status 2.\n";

constexpr std::string_view DueHelp =
    "Usage: agenda due [--dir DIR] [--today DD/MM/YYYY]\n"
    "Prints the notes dated today or tomorrow, one line each (date, weekday, text), as Tarvela's\n"
    "start-up mode shows them. Exit status 0 when a note is due, 1 when none is, 2 on an error.\n";

constexpr std::string_view ListHelp =
    "Usage: agenda list [PERIOD] [--dir DIR] [--today DD/MM/YYYY]\n"
    "Prints the notes of PERIOD as Tarvela's list shows them: all (default), today (today and\n"
    "tomorrow), week and next-week (Monday to Sunday), month, next-month, or MM/YYYY.\n";

constexpr std::string_view SearchHelp =
    "Usage: agenda search WORD... [--dir DIR]\n"
    "Prints the notes, then the long-term records, whose text holds every WORD, whatever the case\n"
    "and the accents (cafe finds Café). Exit status 0 when one does, 1 when none does.\n";

constexpr std::string_view LongTermHelp =
    "Usage: agenda longterm [YEAR] [--dir DIR]\n"
    "       agenda longterm add YEAR MONTH TEXT... [--dir DIR]\n"
    "Prints Velmarix's long-term records, all or those of YEAR, one line each: year month note.\n"
    "add appends a record for YEAR (1 to 9999) and MONTH (1 to 12), as Velmarix's \"Ok\" does, and\n"
    "saves lonyrs.dat as Velmarix saves it; refused when it holds 1024 records. TEXT as for add.\n";

constexpr std::string_view AddHelp =
    "Usage: agenda add DATE TEXT... [--dir DIR] [--today DD/MM/YYYY]\n"
    "Adds a note dated DATE (DD/MM/YYYY, or DD, DD/MM and DD/MM/YY, the rest taken from today)\n"
    "after every note dated on or before it, as Tarvela's \"aceptar\" does, and saves agenda.dat as\n"
    "Tarvela saves it (agenda.dat.bak keeps the old one). The words of TEXT are joined by blanks.\n"
    "Refused, with nothing written: a full agenda (255 notes), a text of more than 254 characters or\n"
    "with a character Windows-1252 lacks, and an agenda.dat another program changed meanwhile.\n";

constexpr std::string_view ImportHelp =
    "Usage: agenda import FILE [--dry-run] [--dir DIR]\n"
    "Adds each event (VEVENT) of the iCalendar FILE as a note on the day it starts (its time and\n"
    "zone aside), its text the SUMMARY and, when it fits, the DESCRIPTION; each journal entry\n"
    "(VJOURNAL) as a long-term record of its start's year and month. An event whose date and text\n"
    "a note already has is skipped; a recurring one is taken once; a character Windows-1252 lacks\n"
    "becomes its nearest letter or \"?\". What is lost or does not fit is said on standard error.\n"
    "--dry-run prints what would be added and writes nothing.\n";

constexpr std::string_view ExportHelp =
    "Usage: agenda export --ics|--csv [--out FILE] [--dir DIR]\n"
    "--ics: an iCalendar file, each note an all-day event, each long-term record a journal entry on\n"
    "the first of its month. Records whose date is not a calendar date are left out; their count\n"
    "goes to standard error.\n"
    "--csv: a CSV file with the header kind,year,month,day,text and every note and record. A text a\n"
    "spreadsheet would take for a formula (starting with =, +, -, @, a tab or CR) gets a ' before it.\n"
    "Both UTF-8 with CR LF lines. --out - is standard output. A regular FILE (or the file a link\n"
    "leads to) is written as FILE.tmp beside it and renamed; a device or a pipe is written through.\n"
    "FILE may not be a data file of the folder or its backup (agenda.dat, lonyrs.dat, Tools.rel, .bak).\n";

struct PeriodName {
    std::string_view name;
    notes::Period period;
};
constexpr PeriodName PeriodNames[] = {{"all", notes::AllNotes},    {"today", notes::TodayAndTomorrow},
                                      {"week", notes::ThisWeek},   {"next-week", notes::NextWeek},
                                      {"month", notes::ThisMonth}, {"next-month", notes::NextMonth}};

struct CommandName {
    std::string_view name;
    Command command;
};
constexpr CommandName CommandNames[] = {{"due", Command::Due},       {"list", Command::List},
                                        {"search", Command::Search}, {"longterm", Command::LongTerm},
                                        {"add", Command::Add},       {"import", Command::Import},
                                        {"export", Command::Export}};

// The whole of text as a decimal number from low to high.
bool ReadNumber(std::string_view text, uint16_t low, uint16_t high, uint16_t &value) {
    uint16_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < low ||
        number > high)
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
    if (text.size() > 10 || dates::ParseDate(text, date) != dates::DateOk) return false;
    today = date;
    return true;
}

std::string BadOperand(std::string_view word, std::string_view what) {
    return "bad operand '" + std::string(word) + "' (" + std::string(what) + ")";
}

std::string Joined(std::span<const std::string> words) {
    std::string text;
    for (const std::string &word : words)
        text.append(text.empty() ? "" : " ").append(word);
    return text;
}

// longterm [YEAR] or longterm add YEAR MONTH TEXT...
std::string ReadLongTermOperands(std::span<const std::string> operands, Arguments &args) {
    if (operands.empty() || operands[0] != "add") {
        if (operands.size() > 1) return "unexpected operand '" + operands[1] + "'";
        if (operands.empty()) return "";
        args.yearGiven = ReadNumber(operands[0], 0, 65535, args.year);
        return args.yearGiven ? "" : BadOperand(operands[0], "a year");
    }
    args.command = Command::LongTermAdd;
    if (operands.size() < 4) return "longterm add needs a year, a month and a text";
    if (!ReadNumber(operands[1], 1, 9999, args.year)) return BadOperand(operands[1], "a year from 1 to 9999");
    if (!ReadNumber(operands[2], 1, 12, args.month)) return BadOperand(operands[2], "a month from 1 to 12");
    args.text = Joined(operands.subspan(3));
    return "";
}

// The words after the command, read as that command takes them.
std::string ReadOperands(std::span<const std::string> operands, Arguments &args) {
    const size_t count = operands.size();
    switch (args.command) {
    case Command::List:
        if (count == 1 && !ReadPeriod(operands[0], args))
            return BadOperand(operands[0],
                              "a period: all, today, week, next-week, month, next-month or MM/YYYY");
        return count > 1 ? "unexpected operand '" + operands[1] + "'" : "";
    case Command::LongTerm: return ReadLongTermOperands(operands, args);
    case Command::Add:
        if (count < 2) return "add needs a date and a text";
        args.date = operands[0];
        args.text = Joined(operands.subspan(1));
        return "";
    case Command::Search:
        args.words.assign(operands.begin(), operands.end());
        return count == 0 ? "search needs a word" : "";
    case Command::Import:
        if (count == 1) args.file = operands[0];
        return count == 1 ? "" : "import needs one iCalendar file";
    case Command::Due:
    case Command::Export:
    case Command::LongTermAdd:
    case Command::None: break;
    }
    return count > 0 ? "unexpected operand '" + operands[0] + "'" : "";
}

struct Option {
    std::string_view name;
    bool takesValue;
};
constexpr Option Options[] = {{"--dir", true},   {"--today", true}, {"--out", true},
                              {"--ics", false},  {"--csv", false},  {"--dry-run", false},
                              {"--help", false}, {"-h", false},     {"--version", false}};

// Sets what the option says; returns "" or what is wrong with it.
std::string ApplyOption(std::string_view name, const std::string &value, Arguments &args) {
    if (name == "--dir") args.dir = value;
    if (name == "--out") args.out = value;
    if (name == "--today") {
        if (!ReadToday(value, args.today)) return "bad date '" + value + "' (DD/MM/YYYY)";
        args.todayGiven = true;
    }
    if (name == "--ics" || name == "--csv") {
        const Format format = name == "--ics" ? Format::ICalendar : Format::Csv;
        if (args.format != Format::None && args.format != format) return "--ics and --csv exclude each other";
        args.format = format;
    }
    args.dryRun = args.dryRun || name == "--dry-run";
    args.help = args.help || name == "--help" || name == "-h";
    args.version = args.version || name == "--version";
    return "";
}

// What is wrong with the command and options given together, or "".
std::string CombinationError(const Arguments &args) {
    if (args.command == Command::None) return "no command given (see agenda --help)";
    if (args.command == Command::Export && args.format == Format::None) return "export needs --ics or --csv";
    if (args.command != Command::Export && (args.format != Format::None || !args.out.empty()))
        return "--ics, --csv and --out are for export";
    if (args.command != Command::Import && args.dryRun) return "--dry-run is for import";
    return "";
}

// A word that names an option: "--" and a name, or "-h".
bool IsOption(std::string_view word) { return word == "-h" || (word.starts_with("--") && word.size() > 2); }

// The option words[at], with its value joined after "=" or in the next word (at then moves
// to it); valuesGiven names the options with a value read so far. "" or what is wrong.
std::string ReadOption(std::span<const std::string> words, size_t &at,
                       std::vector<std::string_view> &valuesGiven, Arguments &args) {
    const std::string &word = words[at];
    const size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const auto *option = std::find_if(std::begin(Options), std::end(Options),
                                      [&](const Option &known) { return known.name == name; });
    if (option == std::end(Options)) return "unknown option '" + name + "'";
    if (!option->takesValue)
        return equals == std::string::npos ? ApplyOption(name, {}, args) : name + " takes no value";
    if (equals == std::string::npos && at + 1 == words.size()) return name + " needs a value";
    if (std::find(valuesGiven.begin(), valuesGiven.end(), option->name) != valuesGiven.end())
        return name + " given twice";
    valuesGiven.push_back(option->name);
    return ApplyOption(name, equals != std::string::npos ? word.substr(equals + 1) : words[++at], args);
}

} // namespace

std::string ParseArguments(std::span<const std::string> words, Arguments &args) {
    std::vector<std::string> positional;
    std::vector<std::string_view> valuesGiven;
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
        } else if (optionsEnded || !IsOption(word)) {
            positional.push_back(word);
        } else if (std::string error = ReadOption(words, i, valuesGiven, args); !error.empty()) {
            return error;
        }
    }
    if (!positional.empty()) {
        const auto *named =
            std::find_if(std::begin(CommandNames), std::end(CommandNames),
                         [&](const CommandName &entry) { return entry.name == positional[0]; });
        if (named == std::end(CommandNames))
            return "unknown command '" + positional[0] + "' (see agenda --help)";
        args.command = named->command;
    }
    if (args.help || args.version) return "";
    const std::span<const std::string> operands = std::span(positional).subspan(positional.empty() ? 0 : 1);
    if (std::string error = ReadOperands(operands, args); !error.empty()) return error;
    return CombinationError(args);
}

std::string_view HelpText(Command command) {
    switch (command) {
    case Command::Due: return DueHelp;
    case Command::List: return ListHelp;
    case Command::Search: return SearchHelp;
    case Command::LongTerm:
    case Command::LongTermAdd: return LongTermHelp;
    case Command::Add: return AddHelp;
    case Command::Import: return ImportHelp;
    case Command::Export: return ExportHelp;
    case Command::None: break;
    }
    return ProgramHelp;
}

} // namespace cli
