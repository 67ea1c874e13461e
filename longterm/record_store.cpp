#include "longterm/record_store.h"

#include <charconv>

#include "shared/util/record_file.h"

namespace longterm {
namespace {

// Record layout: year, month as little-endian u16, then the length byte and 255 characters.
constexpr size_t YearOffset = 0;
constexpr size_t MonthOffset = 2;
constexpr size_t NoteOffset = 4;
constexpr size_t MaxNoteText = 255;

// The low 16 bits, as the file keeps them (65537 -> 1, -1 -> 65535).
uint16_t Low16(int32_t value) { return static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu); }

// Writes record as the record at offset at of bytes, which grows to hold it.
void PutRecord(std::vector<uint8_t> &bytes, size_t at, const YearMonthRecord &record) {
    util::PutU16(bytes, at + YearOffset, record.year);
    util::PutU16(bytes, at + MonthOffset, record.month);
    util::PutShortString(bytes, at + NoteOffset, MaxNoteText, record.note);
}

} // namespace

YearMonthRecord DecodeRecord(std::span<const uint8_t> bytes) {
    // The note made at its length in one step, as in DecodeNote.
    return {util::GetU16(bytes, YearOffset), util::GetU16(bytes, MonthOffset),
            std::string(util::GetShortString(bytes, NoteOffset, MaxNoteText))};
}

uint16_t RecordCount(const RecordTable &table) { return static_cast<uint16_t>(table.records.size()); }

const YearMonthRecord &RecordAt(const RecordTable &table, uint16_t slot) {
    return table.records.at(static_cast<size_t>(slot) - 1);
}

size_t HeldBackCount(const RecordTable &table) { return table.heldBack.size() / YearMonthRecordSize; }

void DecodeLongTermFile(RecordTable &table, std::span<const uint8_t> bytes) {
    const util::RecordSplit split = util::SplitRecords(bytes, YearMonthRecordSize, MaxRecords);
    table.records.clear();
    table.records.reserve(split.kept);
    for (size_t i = 0; i < split.kept; ++i)
        table.records.push_back(DecodeRecord(split.Record(i)));
    table.heldBack.assign(split.HeldBack().begin(), split.HeldBack().end());
    table.Modified = false;
}

std::vector<uint8_t> EncodeLongTermFile(const RecordTable &table) {
    std::vector<uint8_t> bytes(table.records.size() * YearMonthRecordSize, 0);
    for (size_t i = 0; i < table.records.size(); ++i)
        PutRecord(bytes, i * YearMonthRecordSize, table.records[i]);
    bytes.insert(bytes.end(), table.heldBack.begin(), table.heldBack.end());
    return bytes;
}

StoreResult StoreRecord(RecordTable &table, uint16_t slot, int32_t year, int32_t month,
                        std::string_view note) {
    const size_t count = table.records.size();
    if (slot == 0 || slot > count + 1) return StoreResult::BadSlot;
    if (slot == count + 1) {
        if (count >= MaxRecords) return StoreResult::TableFull;
        table.records.emplace_back();
    }
    YearMonthRecord &record = table.records[slot - 1u];
    record.year = Low16(year);
    record.month = Low16(month);
    record.note = std::string(note.substr(0, MaxNoteText));
    table.Modified = true;
    return StoreResult::Stored;
}

void DeleteRecord(RecordTable &table, uint16_t slot) {
    if (slot == 0 || slot > table.records.size()) return;
    table.records.erase(table.records.begin() + (slot - 1));
    table.Modified = true;
}

util::ShortText RecordListLine(const YearMonthRecord &record) {
    util::ShortText line;
    line.append_put(6, [&record](char *at) {
        char *end = std::to_chars(at, at + 5, record.year).ptr; // at most 65535
        *end++ = ' ';
        return end;
    });
    line.append(record.note); // cut at 255 characters, as the list shows it
    return line;
}

} // namespace longterm
