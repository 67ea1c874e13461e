// agenda: Tarvela's notes and Velmarix's records in a terminal, and as iCalendar or CSV files.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/system.h"
#include "cli/utf8.h"
#include "shared/dates/names.h"
#include "shared/util/language.h"
#include "shared/util/system_path.h"

namespace {

dates::CalendarDate ClockToday() {
    const std::time_t now = std::time(nullptr);
    const std::tm *local = std::localtime(&now);
    dates::CalendarDate today;
    if (local != nullptr)
        dates::SetDate(today, static_cast<uint16_t>(local->tm_mday), static_cast<uint16_t>(local->tm_mon + 1),
                       static_cast<uint16_t>(local->tm_year + 1900));
    return today;
}

// The clock in UTC as an iCalendar DATE-TIME ("20261207T080000Z").
std::string ClockStamp() {
    const std::time_t now = std::time(nullptr);
    const std::tm *utc = std::gmtime(&now);
    char stamp[32];
    // The buffer holds any year of four digits; a longer one gives the 1970 stamp.
    if (utc == nullptr || std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", utc) == 0)
        return "19700101T000000Z";
    return stamp;
}

// words: the command line after the program's name, in UTF-8.
int Run(const std::vector<std::string> &words) {
    // The weekday abbreviations of Tarvela's list.
    util::LanguageIndex = 2;
    dates::SelectLanguage();
    cli::Arguments args;
    const std::string error = cli::ParseArguments(words, args);
    if (!error.empty()) {
        cli::ReportError(error);
        return cli::ExitFailed;
    }
    int status = 0;
    if (args.help || args.version) {
        const std::string text =
            args.help ? cli::ConsoleMessage(cli::Utf8FromWindows1252(cli::HelpText(args.command)))
                      : "agenda " AGENDA_VERSION "\n";
        static_cast<void>(std::fwrite(text.data(), 1, text.size(), stdout)); // checked below
    } else {
        status = cli::RunCommand(args, args.todayGiven ? args.today : ClockToday(), ClockStamp());
    }
    // A full disk or a closed pipe must not pass for a list or an export written.
    cli::FlushOutput();
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        cli::ReportError("cannot write to standard output");
        return cli::ExitFailed;
    }
    return status;
}

} // namespace

#ifdef _WIN32
// The wide command line, so that a folder or a note outside the ANSI code page arrives whole.
int wmain(int argc, wchar_t **argv) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(util::PathToUtf8(argv[i]));
    return Run(words);
}
#else
int main(int argc, char **argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
