// The command line of agenda: a command, its operands and its options.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include "notes/periods.h"
#include "shared/dates/calendar.h"

namespace cli {

enum class Command : uint8_t { None, Due, List, Search, LongTerm, Add, LongTermAdd, Import, Export };
enum class Format : uint8_t { None, ICalendar, Csv };

struct Arguments {
    Command command = Command::None;
    bool help = false;
    bool version = false;
    std::string dir = ".";   // the folder of agenda.dat and lonyrs.dat
    bool todayGiven = false; // --today: the day taken for today instead of the clock's
    dates::CalendarDate today;
    notes::Period period = notes::AllNotes; // list
    uint16_t chosenMonth = 0;               // list MM/YYYY
    uint16_t chosenYear = 0;
    bool yearGiven = false;         // longterm YEAR
    uint16_t year = 0;              // longterm YEAR, longterm add YEAR
    uint16_t month = 0;             // longterm add MONTH
    std::string date;               // add DATE as typed, read against today when the note is added
    std::string text;               // add, longterm add: the text's words joined by blanks (UTF-8)
    std::vector<std::string> words; // search WORD...
    std::string file;               // import FILE
    bool dryRun = false;            // import --dry-run
    Format format = Format::None;   // export --ics or --csv
    std::string out;                // export --out FILE; "" or "-" for standard output
};

// Reads the words after the program's name into args. Returns "" or a one-line error.
std::string ParseArguments(std::span<const std::string> words, Arguments &args);

// The --help text of a command; Command::None gives the program's.
std::string_view HelpText(Command command);

} // namespace cli
