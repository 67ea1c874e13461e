#include "notes/note_store.h"

#include "shared/util/record_file.h"

namespace notes {
namespace {

// Record layout: day, month, year as little-endian u16, then the length byte and 255 characters.
constexpr size_t DayOffset = 0;
constexpr size_t MonthOffset = 2;
constexpr size_t YearOffset = 4;
constexpr size_t TextOffset = 6;

NoteRecord Trimmed(const NoteRecord &note) {
    NoteRecord copy = note;
    if (copy.text.size() > MaxNoteText) copy.text.resize(MaxNoteText);
    return copy;
}

bool IsNoteSlot(const NoteTable &table, uint8_t slot) { return slot >= 1 && slot <= table.notes.size(); }

// Joins the notes of count consecutive days starting at first, stepping with NextDay.
NoteSet SelectDays(const NoteTable &table, dates::CalendarDate first, uint16_t count) {
    NoteSet set;
    for (uint16_t i = 0; i < count; ++i) {
        set |= SelectDay(table, first);
        first = dates::NextDay(first);
    }
    return set;
}

} // namespace

std::vector<uint8_t> EncodeNote(const NoteRecord &note) {
    std::vector<uint8_t> bytes(NoteRecordSize, 0);
    util::PutU16(bytes, DayOffset, note.date.day);
    util::PutU16(bytes, MonthOffset, note.date.month);
    util::PutU16(bytes, YearOffset, note.date.year);
    util::PutShortString(bytes, TextOffset, MaxNoteText, note.text);
    return bytes;
}

NoteRecord DecodeNote(const std::vector<uint8_t> &bytes) {
    NoteRecord note;
    note.date.day = util::GetU16(bytes, DayOffset);
    note.date.month = util::GetU16(bytes, MonthOffset);
    note.date.year = util::GetU16(bytes, YearOffset);
    note.text = util::GetShortString(bytes, TextOffset, MaxNoteText);
    return note;
}

uint8_t NoteCount(const NoteTable &table) { return static_cast<uint8_t>(table.notes.size()); }

const NoteRecord &NoteAt(const NoteTable &table, uint8_t slot) {
    if (slot == 0) return table.WorkingNote;
    return table.notes.at(slot - 1u);
}

size_t HeldBackCount(const NoteTable &table) { return table.heldBack.size() / NoteRecordSize; }

LoadOutcome LoadNotes(NoteTable &table, const std::string &path) {
    table.notes.clear();
    table.heldBack.clear();
    util::RecordFileContent content = util::LoadRecordFile(path, NoteRecordSize, MaxNotes);
    for (const auto &record : content.records)
        table.notes.push_back(DecodeNote(record));
    table.heldBack = std::move(content.heldBack);
    return {content.status, std::move(content.reason)};
}

util::WriteResult SaveNotes(const NoteTable &table, const std::string &path) {
    std::vector<std::vector<uint8_t>> records;
    records.reserve(table.notes.size());
    for (const auto &note : table.notes)
        records.push_back(EncodeNote(note));
    return util::SaveRecordFile(path, records, table.heldBack);
}

uint8_t InsertNote(NoteTable &table, const NoteRecord &note) {
    if (table.notes.size() >= MaxNotes) return 0;
    // The first note dated after the new one; scanning from slot 1 decides even in an unsorted table.
    size_t index = 0;
    while (index < table.notes.size() &&
           dates::CompareDates(table.notes[index].date, note.date) != dates::After)
        ++index;
    table.notes.insert(table.notes.begin() + static_cast<std::ptrdiff_t>(index), Trimmed(note));
    return static_cast<uint8_t>(index + 1);
}

void ReplaceNote(NoteTable &table, uint8_t slot, const NoteRecord &note) {
    if (IsNoteSlot(table, slot)) table.notes[slot - 1u] = Trimmed(note);
}

void DeleteNote(NoteTable &table, uint8_t slot) {
    if (IsNoteSlot(table, slot)) table.notes.erase(table.notes.begin() + (slot - 1));
}

NoteSet SelectDay(const NoteTable &table, const dates::CalendarDate &date) {
    NoteSet set;
    for (size_t i = 0; i < table.notes.size(); ++i)
        if (dates::CompareDates(table.notes[i].date, date) == dates::Same) set.set(i + 1);
    return set;
}

NoteSet SelectWeek(const NoteTable &table, const dates::CalendarDate &date) {
    uint16_t weekday = dates::DayOfWeek(date);
    if (weekday == 0) weekday = 7; // Sunday closes the week
    return SelectDays(table, dates::SubtractDays(date, static_cast<uint16_t>(weekday - 1)), 7);
}

NoteSet SelectMonth(const NoteTable &table, uint16_t month, uint16_t year) {
    // No such month has days to walk; stored notes of month 0 or 13 stay out of every month.
    if (month < 1 || month > 12) return {};
    return SelectDays(table, dates::CalendarDate{1, month, year}, dates::DaysInMonth(month, year));
}

NoteSet SelectAll(const NoteTable &table) {
    NoteSet set;
    for (size_t slot = 1; slot <= table.notes.size(); ++slot)
        set.set(slot);
    return set;
}

NoteSet FollowInsert(const NoteSet &set, uint8_t p) {
    if (p == 0) return set; // nothing was inserted
    NoteSet moved;
    for (size_t slot = 1; slot < set.size(); ++slot) {
        if (!set.test(slot)) continue;
        if (slot < p)
            moved.set(slot);
        else if (slot + 1 < set.size())
            moved.set(slot + 1);
    }
    moved.set(p);
    return moved;
}

NoteSet FollowDelete(const NoteSet &set, uint8_t k) {
    if (k == 0) return set; // nothing was deleted
    NoteSet moved;
    for (size_t slot = 1; slot < set.size(); ++slot) {
        if (!set.test(slot) || slot == k) continue;
        moved.set(slot < k ? slot : slot - 1);
    }
    return moved;
}

} // namespace notes
