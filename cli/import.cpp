#include "cli/import.h"

#include <cstdint>
#include <map>
#include <string>
#include "cli/utf8.h"
#include "shared/util/record_file.h"

namespace cli {
namespace {

using PresentCount = std::map<std::string, size_t>; // how often each date and text is held

std::string Key(uint16_t day, uint16_t month, uint16_t year, std::string_view text) {
    std::string key;
    for (const uint16_t field : {day, month, year}) {
        key += static_cast<char>(field >> 8);
        key += static_cast<char>(field & 0xFF);
    }
    return key.append(text);
}

// Every note of the file: the table's and those held back after it.
PresentCount PresentNotes(const notes::NoteTable &table) {
    PresentCount present;
    for (const notes::NoteRecord &note : table.notes)
        ++present[Key(note.date.day, note.date.month, note.date.year, note.text)];
    const util::RecordSplit held = util::SplitRecords(table.heldBack, notes::NoteRecordSize, SIZE_MAX);
    for (size_t i = 0; i < held.kept; ++i) {
        const notes::NoteRecord note = notes::DecodeNote(held.Record(i));
        ++present[Key(note.date.day, note.date.month, note.date.year, note.text)];
    }
    return present;
}

PresentCount PresentRecords(const longterm::RecordTable &table) {
    PresentCount present;
    for (const longterm::YearMonthRecord &record : table.records)
        ++present[Key(0, record.month, record.year, record.note)];
    const util::RecordSplit held =
        util::SplitRecords(table.heldBack, longterm::YearMonthRecordSize, SIZE_MAX);
    for (size_t i = 0; i < held.kept; ++i) {
        const longterm::YearMonthRecord record = longterm::DecodeRecord(held.Record(i));
        ++present[Key(0, record.month, record.year, record.note)];
    }
    return present;
}

// Takes one of key from present: false when the file holds no more of it.
bool TakePresent(PresentCount &present, const std::string &key) {
    const auto found = present.find(key);
    if (found == present.end() || found->second == 0) return false;
    --found->second;
    return true;
}

Windows1252Text Stored(std::string_view utf8) {
    Windows1252Text text = Windows1252FromUtf8(utf8);
    text.text = WithCrLf(text.text);
    return text;
}

// The text an entry gives its note or record (either holds 255 characters).
Windows1252Text EntryText(const CalendarEntry &entry) {
    const std::string &summary = entry.summary;
    const std::string &description = entry.description;
    if (description.empty()) return Stored(summary);
    const bool firstLine = description.starts_with(summary) &&
                           (description.size() == summary.size() || description[summary.size()] == '\n');
    if (summary.empty() || firstLine) return Stored(description);
    if (Windows1252Text both = Stored(summary + "\n" + description); both.text.size() <= notes::MaxNoteText)
        return both;
    return Stored(summary);
}

// Adds a dated entry with its text to its table; false when that table is full.
bool Store(const CalendarEntry &entry, const std::string &text, notes::NoteTable &table,
           longterm::RecordTable &records, ImportResult &result) {
    const dates::CalendarDate &date = entry.start;
    if (!entry.journal) {
        if (notes::InsertNote(table, {date, text}) == 0) return false;
        result.notes.push_back({date, text});
        return true;
    }
    const auto slot = static_cast<uint16_t>(longterm::RecordCount(records) + 1);
    if (longterm::StoreRecord(records, slot, date.year, date.month, text) == longterm::StoreResult::TableFull)
        return false;
    result.records.push_back(records.records.back());
    return true;
}

} // namespace

ImportResult ImportEntries(std::span<const CalendarEntry> entries, notes::NoteTable &table,
                           longterm::RecordTable &records) {
    ImportResult result;
    ImportCounts &counts = result.counts;
    PresentCount notesPresent = PresentNotes(table);
    PresentCount recordsPresent = PresentRecords(records);
    for (const CalendarEntry &entry : entries) {
        Windows1252Text text = EntryText(entry);
        const size_t length = text.text.size();
        text.text.resize(std::min(length, notes::MaxNoteText));
        const dates::CalendarDate &date = entry.start;
        if (!entry.dated || text.text.empty()) {
            ++(entry.dated ? counts.empty : counts.undated);
            continue;
        }
        if (TakePresent(entry.journal ? recordsPresent : notesPresent,
                        Key(entry.journal ? 0 : date.day, date.month, date.year, text.text))) {
            ++counts.present;
            continue;
        }
        if (!Store(entry, text.text, table, records, result)) {
            ++(entry.journal ? counts.recordsLeftOver : counts.notesLeftOver);
            continue;
        }
        counts.recurring += entry.recurring ? 1 : 0;
        counts.replaced += text.replaced;
        counts.shortened += length > notes::MaxNoteText ? 1 : 0;
    }
    return result;
}

} // namespace cli
