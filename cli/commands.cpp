#include "cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <utility>
#include <vector>
#include "cli/csv_writer.h"
#include "cli/ical_writer.h"
#include "cli/system.h"
#include "longterm/record_store.h"
#include "notes/note_store.h"
#include "notes/periods.h"
#include "shared/convert/convert.h"
#include "shared/util/data_file.h"
#include "shared/util/record_file.h"

namespace cli {
namespace {

bool Fail(const std::string &message) {
    ReportError(message);
    return false;
}

// "it is a folder, not a file"
std::string NotAFile(util::FileKind kind) {
    constexpr const char *what[] = {"a file", "a folder", "a device", "a pipe"};
    return std::string("it is ") + what[static_cast<size_t>(kind)] + ", not a file";
}

// Reads the data file name of dir; false, after saying why, when it is there but was not read.
bool LoadDataFile(const std::string &dir, std::string_view name, util::DataFile &file) {
    file = util::BindDataFile(util::PathFromUtf8(dir), {name});
    util::LoadDataFile(file);
    const std::string path = util::PathToUtf8(file.path);
    switch (file.loaded) {
    case util::ReadStatus::Unreadable: return Fail("cannot read " + path + ": " + ReasonText(file.reason));
    case util::ReadStatus::NotAFile: return Fail("cannot read " + path + ": " + NotAFile(file.kind));
    case util::ReadStatus::Read:
    case util::ReadStatus::Missing: break;
    }
    return true;
}

// agenda.dat in tables of at most 255 notes, each as the programs load it, so that none is
// left out; one pass over the bytes.
bool LoadNoteTables(const std::string &dir, std::vector<notes::NoteTable> &tables) {
    util::DataFile file;
    if (!LoadDataFile(dir, notes::AgendaFileName, file)) return false;
    constexpr size_t TableBytes = notes::MaxNotes * notes::NoteRecordSize;
    std::span<const uint8_t> rest = file.onDisk.bytes;
    do {
        const size_t taken = std::min(rest.size(), TableBytes);
        notes::DecodeAgendaFile(tables.emplace_back(), rest.first(taken));
        rest = rest.subspan(taken);
    } while (rest.size() >= notes::NoteRecordSize);
    return true;
}

// Every record of lonyrs.dat, those beyond the 1024th included.
bool LoadAllRecords(const std::string &dir, std::vector<longterm::YearMonthRecord> &records) {
    util::DataFile file;
    if (!LoadDataFile(dir, longterm::LongTermFileName, file)) return false;
    const util::RecordSplit split =
        util::SplitRecords(file.onDisk.bytes, longterm::YearMonthRecordSize, file.onDisk.bytes.size());
    records.reserve(split.kept);
    for (size_t i = 0; i < split.kept; ++i) records.push_back(longterm::DecodeRecord(split.Record(i)));
    return true;
}

// A list line on one terminal line: each line break of a note shown as " / ".
void PrintLine(std::string_view line) {
    std::string flat;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\r' && line[i] != '\n') {
            flat += line[i];
            continue;
        }
        flat += " / ";
        if (line[i] == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
    }
    const std::string text = ConsoleText(flat) + "\n";
    // main tells a failed write to standard output, from its error flag.
    static_cast<void>(std::fwrite(text.data(), 1, text.size(), stdout));
}

// Prints the list line of each note of period, table after table; returns how many.
size_t PrintPeriod(const std::vector<notes::NoteTable> &tables, int32_t period, const notes::PeriodDates &when) {
    size_t printed = 0;
    for (const notes::NoteTable &table : tables) {
        notes::NoteSet shown;
        notes::SelectPeriod(table, period, when, shown);
        for (size_t slot = 1; slot <= table.notes.size(); ++slot) { // 255 slots: no uint8_t counter
            if (!shown.test(slot)) continue;
            PrintLine(notes::NoteListLine(table.notes[slot - 1]));
            ++printed;
        }
    }
    return printed;
}

void PrintRecords(const std::vector<longterm::YearMonthRecord> &records, const Arguments &args) {
    for (const longterm::YearMonthRecord &record : records) {
        if (args.yearGiven && record.year != args.year) continue;
        const std::string month = convert::NumberToText(record.month);
        PrintLine(convert::NumberToText(record.year) + (month.size() < 2 ? " 0" : " ") + month + " " + record.note);
    }
}

bool WriteExport(const std::string &bytes, const std::string &out) {
    if (out.empty()) { // main tells a failed write to standard output
        UseBinaryStandardOutput();
        static_cast<void>(std::fwrite(bytes.data(), 1, bytes.size(), stdout));
        return true;
    }
    // WriteFileSafely writes FILE.tmp and renames it: a failed export leaves no part of a file.
    const util::WriteResult written =
        util::WriteFileSafely(util::PathFromUtf8(out), std::vector<uint8_t>(bytes.begin(), bytes.end()));
    return written.ok || Fail("cannot write " + out + ": " +
                              (written.kind == util::FileKind::File ? ReasonText(written.reason) : NotAFile(written.kind)));
}

bool Export(const Arguments &args, const std::vector<notes::NoteTable> &tables,
            const std::vector<longterm::YearMonthRecord> &records, std::string_view stamp) {
    std::vector<notes::NoteRecord> allNotes;
    for (const notes::NoteTable &table : tables) allNotes.insert(allNotes.end(), table.notes.begin(), table.notes.end());
    if (args.format == Format::Csv) return WriteExport(CsvFile(allNotes, records), args.out);
    const CalendarFile calendar = ICalendarFile(allNotes, records, stamp);
    if (!WriteExport(calendar.bytes, args.out)) return false;
    if (calendar.leftOut > 0)
        ReportError(std::to_string(calendar.leftOut) + (calendar.leftOut == 1 ? " record" : " records") +
                    " left out: not a calendar date");
    return true;
}

} // namespace

void ReportError(const std::string &message) {
    // Nowhere left to report a failed write of an error message.
    static_cast<void>(std::fprintf(stderr, "agenda: %s\n", ConsoleMessage(message).c_str()));
}

int RunCommand(const Arguments &args, const dates::CalendarDate &today, std::string_view stamp) {
    if (!IsFolder(args.dir)) {
        Fail("no folder " + args.dir);
        return ExitFailed;
    }
    std::vector<notes::NoteTable> tables;
    std::vector<longterm::YearMonthRecord> records;
    const bool needsNotes = args.command != Command::LongTerm;
    const bool needsRecords = args.command == Command::LongTerm || args.command == Command::Export;
    if ((needsNotes && !LoadNoteTables(args.dir, tables)) || (needsRecords && !LoadAllRecords(args.dir, records)))
        return ExitFailed;
    const notes::PeriodDates when{today, dates::NextDay(today), args.chosenMonth, args.chosenYear};
    switch (args.command) {
    case Command::Due: return PrintPeriod(tables, notes::TodayAndTomorrow, when) > 0 ? ExitDue : ExitNothingDue;
    case Command::List: PrintPeriod(tables, args.period, when); return 0;
    case Command::LongTerm: PrintRecords(records, args); return 0;
    case Command::Export: return Export(args, tables, records, stamp) ? 0 : ExitFailed;
    case Command::None: break;
    }
    return ExitFailed;
}

} // namespace cli
