#include "cli/write_commands.h"

#include "cli/data_files.h"
#include "cli/import.h"
#include "cli/output.h"
#include "cli/system.h"
#include "cli/utf8.h"
#include "notes/periods.h"
#include "shared/dates/names.h"

namespace cli {
namespace {

// The longest text the programs' editors take.
constexpr size_t MaxTypedText = 254;

// A text typed on the command line as the data files hold it; false, after saying why, when it
// cannot be stored whole.
bool StorableText(const std::string &typed, std::string &text) {
    const Windows1252Text converted = Windows1252FromUtf8(typed);
    if (converted.replaced > 0)
        return Fail(converted.firstReplaced + " has no Windows-1252 form: nothing added");
    text = WithCrLf(converted.text);
    return text.size() <= MaxTypedText ||
           Fail("the text has " + std::to_string(text.size()) + " characters, more than " +
                std::to_string(MaxTypedText) + ": nothing added");
}

bool ReadImportedFile(const std::string &name, std::vector<CalendarEntry> &entries) {
    const util::ReadResult read = util::ReadWholeFile(util::PathFromUtf8(name));
    if (read.status == util::ReadStatus::Missing) return Fail("cannot read " + name + ": it does not exist");
    if (read.status != util::ReadStatus::Read)
        return Fail(
            "cannot read " + name + ": " +
            (read.status == util::ReadStatus::Unreadable ? ReasonText(read.reason) : "it is not a file"));
    const std::string_view bytes(reinterpret_cast<const char *>(read.bytes.data()), read.bytes.size());
    return ReadCalendar(bytes, entries) || Fail(name + " is not an iCalendar file (no BEGIN:VCALENDAR)");
}

// One line on standard error for each kind of entry that was not taken whole.
void ReportLosses(const ImportCounts &counts, const util::DataFile &agenda, const util::DataFile &lonyrs) {
    const auto say = [](size_t count, std::string_view one, std::string_view many, const std::string &what) {
        if (count > 0) ReportError(Counted(count, one, many) + what);
    };
    say(counts.recurring, "recurring entry", "recurring entries", " taken once, on the day it starts");
    say(counts.replaced, "character", "characters",
        " with no Windows-1252 form given the nearest letter or ?");
    say(counts.shortened, "text", "texts", " cut to 255 characters");
    say(counts.undated, "entry", "entries", " left out: no calendar date");
    say(counts.empty, "entry", "entries", " left out: no text");
    say(counts.notesLeftOver, "event", "events", " did not fit: " + PathOf(agenda) + " holds 255 notes");
    say(counts.recordsLeftOver, "journal entry", "journal entries",
        " did not fit: " + PathOf(lonyrs) + " holds 1024 records");
}

} // namespace

bool AddNote(const Arguments &args, const dates::CalendarDate &today) {
    notes::NoteRecord note{today, {}}; // a short date takes the rest from today
    if (args.date.empty() || args.date.size() > 10 || dates::ParseDate(args.date, note.date) != dates::DateOk)
        return Fail("bad date '" + args.date + "' (DD/MM/YYYY, DD/MM/YY, DD/MM or DD)");
    util::DataFile file;
    notes::NoteTable table;
    if (!StorableText(args.text, note.text) ||
        !ReadRecordFile(args.dir, NotesFile, file, WhenMissing::Create))
        return false;
    notes::DecodeAgendaFile(table, file.onDisk.bytes);
    if (notes::InsertNote(table, note) == 0)
        return Fail(PathOf(file) + " already holds 255 notes, as many as Tarvela takes: nothing added");
    if (!UnchangedSinceRead(file) || !SaveRecordFile(file, notes::EncodeAgendaFile(table))) return false;
    PrintLine("added to " + PathOf(file) + ": " + ShownLine(notes::NoteListLine(note)));
    return true;
}

bool AddLongTermRecord(const Arguments &args) {
    std::string text;
    util::DataFile file;
    longterm::RecordTable table;
    if (!StorableText(args.text, text) || !ReadRecordFile(args.dir, RecordsFile, file, WhenMissing::Create))
        return false;
    longterm::DecodeLongTermFile(table, file.onDisk.bytes);
    if (longterm::StoreRecord(table, static_cast<uint16_t>(longterm::RecordCount(table) + 1), args.year,
                              args.month, text) == longterm::StoreResult::TableFull)
        return Fail(PathOf(file) + " already holds 1024 records, as many as Velmarix takes: nothing added");
    if (!UnchangedSinceRead(file) || !SaveRecordFile(file, longterm::EncodeLongTermFile(table))) return false;
    PrintLine("added to " + PathOf(file) + ": " + ShownLine(LongTermLine(table.records.back())));
    return true;
}

bool ImportCalendar(const Arguments &args) {
    std::vector<CalendarEntry> entries;
    util::DataFile agenda;
    util::DataFile lonyrs;
    if (!ReadImportedFile(args.file, entries) ||
        !ReadRecordFile(args.dir, NotesFile, agenda, WhenMissing::Create) ||
        !ReadRecordFile(args.dir, RecordsFile, lonyrs, WhenMissing::Create))
        return false;
    notes::NoteTable table;
    longterm::RecordTable records;
    notes::DecodeAgendaFile(table, agenda.onDisk.bytes);
    longterm::DecodeLongTermFile(records, lonyrs.onDisk.bytes);
    const ImportResult result = ImportEntries(entries, table, records);
    ReportLosses(result.counts, agenda, lonyrs);
    const std::string what = Counted(result.notes.size(), "note", "notes") + " and " +
                             Counted(result.records.size(), "long-term record", "long-term records") +
                             " from " + args.file + " into " + args.dir;
    const std::string present =
        result.counts.present > 0 ? " (" + std::to_string(result.counts.present) + " already there)" : "";
    if (args.dryRun) {
        for (const notes::NoteRecord &note : result.notes)
            PrintListLine(notes::NoteListLine(note));
        for (const longterm::YearMonthRecord &record : result.records)
            PrintListLine(LongTermLine(record));
        PrintLine("would import " + what + present + "; nothing written");
        return true;
    }
    const bool notesAdded = !result.notes.empty();
    const bool recordsAdded = !result.records.empty();
    // Both checked before either is written: a refusal leaves both as they were.
    if ((notesAdded && !UnchangedSinceRead(agenda)) || (recordsAdded && !UnchangedSinceRead(lonyrs)) ||
        (notesAdded && !SaveRecordFile(agenda, notes::EncodeAgendaFile(table))) ||
        (recordsAdded && !SaveRecordFile(lonyrs, longterm::EncodeLongTermFile(records))))
        return false;
    PrintLine("imported " + what + present);
    return true;
}

} // namespace cli
