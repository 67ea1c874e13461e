#include "cli/write_commands.h"

#include "cli/data_files.h"
#include "cli/output.h"
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

} // namespace cli
