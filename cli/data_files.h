// agenda.dat and lonyrs.dat of the folder agenda works on, read and saved through their
// data-file units (the programs' own safe save), with what is wrong with them said on standard
// error.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include "longterm/record_store.h"
#include "notes/note_store.h"
#include "shared/util/data_file.h"

namespace cli {

// What tells the two files apart.
struct RecordFileKind {
    std::string_view name; // "agenda.dat"
    size_t recordSize;
    size_t tableSize;         // the records its program shows
    std::string_view noun;    // what one record holds: "note"
    std::string_view nouns;   // "notes"
    std::string_view program; // "Tarvela"
};
inline constexpr RecordFileKind NotesFile{
    notes::AgendaFileName, notes::NoteRecordSize, notes::MaxNotes, "note", "notes", "Tarvela"};
inline constexpr RecordFileKind RecordsFile{longterm::LongTermFileName,
                                            longterm::YearMonthRecordSize,
                                            longterm::MaxRecords,
                                            "record",
                                            "records",
                                            "Velmarix"};

// What a missing file means to the command: nothing to show (said), or a file to make (not said).
enum class WhenMissing : uint8_t { Say, Create };

// Reads the file of kind in dir. False, after saying why, when it is there but was not read; a
// last piece that is no whole record and more records than its program shows are said too.
bool ReadRecordFile(const std::string &dir, const RecordFileKind &kind, util::DataFile &file,
                    WhenMissing missing = WhenMissing::Say);

// The file's path as messages give it, in UTF-8.
std::string PathOf(const util::DataFile &file);

// Calls each with every record of lonyrs.dat in turn, however many, decoded as Velmarix decodes them.
void ForEachRecord(const util::DataFile &file,
                   const std::function<void(const longterm::YearMonthRecord &)> &each);

// Calls each with every run of 255 notes of agenda.dat in turn, decoded as the programs decode
// their table: a file of any size is worked through with one table in memory.
void ForEachNoteTable(const util::DataFile &file, const std::function<void(const notes::NoteTable &)> &each);

// False, after saying so, when another program changed the file since it was read here.
bool UnchangedSinceRead(const util::DataFile &file);
// Saves bytes as the file's new content, as the programs save it (the old one kept as its .bak).
// False, after saying why, when the save failed; the file is then as it was.
bool SaveRecordFile(util::DataFile &file, std::vector<uint8_t> bytes);

// Why a write failed, in the system's words or "it is a folder, not a file".
std::string WriteFailure(const util::WriteResult &written);

} // namespace cli
