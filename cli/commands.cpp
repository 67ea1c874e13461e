#include "cli/commands.h"

#include <algorithm>
#include <vector>
#include "cli/csv_writer.h"
#include "cli/data_files.h"
#include "cli/destination.h"
#include "cli/folding.h"
#include "cli/ical_writer.h"
#include "cli/output.h"
#include "cli/system.h"
#include "cli/utf8.h"
#include "cli/write_commands.h"
#include "notes/periods.h"

namespace cli {
namespace {

// Prints the list line of each note of period, table after table; returns how many.
size_t PrintPeriod(const util::DataFile &agenda, notes::Period period, const notes::PeriodDates &when) {
    size_t printed = 0;
    ForEachNoteTable(agenda, [&](const notes::NoteTable &table) {
        const notes::NoteSet shown = notes::SelectPeriod(table, period, when);
        for (size_t slot = 1; slot <= table.notes.size(); ++slot) { // 255 slots: no uint8_t counter
            if (!shown.test(slot)) continue;
            PrintListLine(notes::NoteListLine(table.notes[slot - 1]));
            ++printed;
        }
    });
    return printed;
}

// Prints each record, every one or only those year is given for.
void PrintRecords(const util::DataFile &records, const Arguments &args) {
    ForEachRecord(records, [&](const longterm::YearMonthRecord &record) {
        if (!args.yearGiven || record.year == args.year) PrintListLine(LongTermLine(record));
    });
}

// Prints the notes, then the records, whose text holds every word; returns how many.
size_t PrintFound(const util::DataFile &agenda, const util::DataFile &records, const Arguments &args) {
    std::vector<std::string> words;
    for (const std::string &word : args.words)
        words.push_back(Folded(Windows1252FromUtf8(word).text));
    const auto holdsEvery = [&](std::string_view text) {
        const std::string folded = Folded(text);
        return std::ranges::all_of(
            words, [&](const std::string &word) { return folded.find(word) != std::string::npos; });
    };
    size_t printed = 0;
    ForEachNoteTable(agenda, [&](const notes::NoteTable &table) {
        for (const notes::NoteRecord &note : table.notes) {
            if (!holdsEvery(note.text)) continue;
            PrintListLine(notes::NoteListLine(note));
            ++printed;
        }
    });
    ForEachRecord(records, [&](const longterm::YearMonthRecord &record) {
        if (!holdsEvery(record.note)) return;
        PrintListLine(LongTermLine(record));
        ++printed;
    });
    return printed;
}

bool Export(const Arguments &args, const util::DataFile &agenda, const util::DataFile &records,
            std::string_view stamp) {
    std::vector<notes::NoteRecord> allNotes;
    ForEachNoteTable(agenda, [&](const notes::NoteTable &table) {
        allNotes.insert(allNotes.end(), table.notes.begin(), table.notes.end());
    });
    std::vector<longterm::YearMonthRecord> allRecords;
    ForEachRecord(records, [&](const longterm::YearMonthRecord &record) { allRecords.push_back(record); });
    if (args.format == Format::Csv) return WriteExport(CsvFile(allNotes, allRecords), args.out, args.dir);
    const CalendarFile calendar = ICalendarFile(allNotes, allRecords, stamp);
    if (!WriteExport(calendar.bytes, args.out, args.dir)) return false;
    if (calendar.leftOut > 0)
        ReportError(std::to_string(calendar.leftOut) + (calendar.leftOut == 1 ? " record" : " records") +
                    " left out: not a calendar date");
    return true;
}

// The commands that only read the data files.
int RunReadingCommand(const Arguments &args, const dates::CalendarDate &today, std::string_view stamp) {
    util::DataFile agenda;
    util::DataFile records;
    const bool needsNotes = args.command != Command::LongTerm;
    const bool needsRecords = args.command == Command::LongTerm || args.command == Command::Export ||
                              args.command == Command::Search;
    if ((needsNotes && !ReadRecordFile(args.dir, NotesFile, agenda)) ||
        (needsRecords && !ReadRecordFile(args.dir, RecordsFile, records)))
        return ExitFailed;
    const notes::PeriodDates when{today, dates::NextDay(today), args.chosenMonth, args.chosenYear};
    switch (args.command) {
    case Command::Due:
        return PrintPeriod(agenda, notes::TodayAndTomorrow, when) > 0 ? ExitDone : ExitNothingFound;
    case Command::List: PrintPeriod(agenda, args.period, when); return ExitDone;
    case Command::Search: return PrintFound(agenda, records, args) > 0 ? ExitDone : ExitNothingFound;
    case Command::LongTerm: PrintRecords(records, args); return ExitDone;
    case Command::Export: return Export(args, agenda, records, stamp) ? ExitDone : ExitFailed;
    default: return ExitFailed;
    }
}

} // namespace

int RunCommand(const Arguments &args, const dates::CalendarDate &today, std::string_view stamp) {
    if (!IsFolder(args.dir)) {
        ReportError("no folder " + args.dir);
        return ExitFailed;
    }
    switch (args.command) {
    case Command::Add: return AddNote(args, today) ? ExitDone : ExitFailed;
    case Command::LongTermAdd: return AddLongTermRecord(args) ? ExitDone : ExitFailed;
    case Command::Import: return ImportCalendar(args) ? ExitDone : ExitFailed;
    default: return RunReadingCommand(args, today, stamp);
    }
}

} // namespace cli
