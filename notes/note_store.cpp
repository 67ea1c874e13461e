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

// Writes note as the record at offset at of bytes, which grows to hold it.
void PutNote(std::vector<uint8_t> &bytes, size_t at, const NoteRecord &note) {
    util::PutU16(bytes, at + DayOffset, note.date.day);
    util::PutU16(bytes, at + MonthOffset, note.date.month);
    util::PutU16(bytes, at + YearOffset, note.date.year);
    util::PutShortString(bytes, at + TextOffset, MaxNoteText, note.text);
}

// Joins the notes of count consecutive days starting at first, stepping with NextDay.
NoteSet SelectDays(const NoteTable &table, dates::CalendarDate first, uint16_t count) {
    NoteSet set;
    for (uint16_t i = 0; i < count; ++i) {
        set |= SelectDay(table, first);
        first = dates::NextDay(first);
    }
    return set;
}

// A date as one number that orders like CompareDates: year, then month, then day.
uint64_t DateKey(const dates::CalendarDate &date) {
    return uint64_t{date.year} << 32 | uint64_t{date.month} << 16 | date.day;
}

// A day that NextDay walks through: a month 1..12 and a day within its length, in any year.
bool IsCalendarDay(const dates::CalendarDate &date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 && date.day <= dates::DaysInMonth(date);
}

// The notes dated on a calendar day from first to last, two calendar days in order: what the
// walk from first to last with NextDay selects, in one pass over the table.
NoteSet SelectSpan(const NoteTable &table, const dates::CalendarDate &first,
                   const dates::CalendarDate &last) {
    const uint64_t from = DateKey(first);
    const uint64_t to = DateKey(last);
    NoteSet set;
    for (size_t i = 0; i < table.notes.size(); ++i) {
        const dates::CalendarDate &date = table.notes[i].date;
        const uint64_t key = DateKey(date);
        if (key >= from && key <= to && IsCalendarDay(date)) set[i + 1] = true;
    }
    return set;
}

} // namespace

NoteRecord DecodeNote(std::span<const uint8_t> bytes) {
    // The text made at its length in one step: assign into an empty string takes the general
    // replace path, a tenth of the whole load.
    return {
        {util::GetU16(bytes, DayOffset), util::GetU16(bytes, MonthOffset), util::GetU16(bytes, YearOffset)},
        std::string(util::GetShortString(bytes, TextOffset, MaxNoteText))};
}

uint8_t NoteCount(const NoteTable &table) { return static_cast<uint8_t>(table.notes.size()); }

const NoteRecord &NoteAt(const NoteTable &table, uint8_t slot) {
    if (slot == 0) return table.WorkingNote;
    return table.notes.at(slot - 1u);
}

size_t HeldBackCount(const NoteTable &table) { return table.heldBack.size() / NoteRecordSize; }

void DecodeAgendaFile(NoteTable &table, std::span<const uint8_t> bytes) {
    const util::RecordSplit split = util::SplitRecords(bytes, NoteRecordSize, MaxNotes);
    table.notes.clear();
    table.notes.reserve(split.kept);
    for (size_t i = 0; i < split.kept; ++i)
        table.notes.push_back(DecodeNote(split.Record(i)));
    table.heldBack.assign(split.HeldBack().begin(), split.HeldBack().end());
}

std::vector<uint8_t> EncodeAgendaFile(const NoteTable &table) {
    std::vector<uint8_t> bytes(table.notes.size() * NoteRecordSize, 0);
    for (size_t i = 0; i < table.notes.size(); ++i)
        PutNote(bytes, i * NoteRecordSize, table.notes[i]);
    bytes.insert(bytes.end(), table.heldBack.begin(), table.heldBack.end());
    return bytes;
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
    const uint64_t key = DateKey(date); // equal keys: the same day, month and year
    NoteSet set;
    for (size_t i = 0; i < table.notes.size(); ++i)
        if (DateKey(table.notes[i].date) == key) set[i + 1] = true;
    return set;
}

NoteSet SelectWeek(const NoteTable &table, const dates::CalendarDate &date) {
    uint16_t weekday = dates::DayOfWeek(date);
    if (weekday == 0) weekday = 7; // Sunday closes the week
    const dates::CalendarDate monday = dates::SubtractDays(date, static_cast<uint16_t>(weekday - 1));
    // The week of a valid date is seven calendar days in a row; any other date keeps the walk,
    // whose steps need not be calendar days.
    if (dates::ValidateDate(date) != dates::DateOk) return SelectDays(table, monday, 7);
    return SelectSpan(table, monday, dates::AddDays(monday, 6));
}

NoteSet SelectMonth(const NoteTable &table, uint16_t month, uint16_t year) {
    // No such month has days to walk; stored notes of month 0 or 13 stay out of every month.
    if (month < 1 || month > 12) return {};
    return SelectSpan(table, {1, month, year}, {dates::DaysInMonth(month, year), month, year});
}

NoteSet SelectAll(const NoteTable &table) {
    NoteSet set;
    set.set();
    return set >> (set.size() - table.notes.size()) << 1; // slots 1..NoteCount
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
