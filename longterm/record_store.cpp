#include "longterm/record_store.h"

#include "shared/convert/convert.h"
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

} // namespace

std::vector<uint8_t> EncodeRecord(const YearMonthRecord &record) {
    std::vector<uint8_t> bytes(YearMonthRecordSize, 0);
    util::PutU16(bytes, YearOffset, record.year);
    util::PutU16(bytes, MonthOffset, record.month);
    util::PutShortString(bytes, NoteOffset, MaxNoteText, record.note);
    return bytes;
}

YearMonthRecord DecodeRecord(const std::vector<uint8_t> &bytes) {
    YearMonthRecord record;
    record.year = util::GetU16(bytes, YearOffset);
    record.month = util::GetU16(bytes, MonthOffset);
    record.note = util::GetShortString(bytes, NoteOffset, MaxNoteText);
    return record;
}

uint16_t RecordCount(const RecordTable &table) { return static_cast<uint16_t>(table.records.size()); }

const YearMonthRecord &RecordAt(const RecordTable &table, uint16_t slot) {
    return table.records.at(static_cast<size_t>(slot) - 1);
}

size_t HeldBackCount(const RecordTable &table) { return table.heldBack.size() / YearMonthRecordSize; }

LoadOutcome LoadRecords(RecordTable &table, const std::string &name) {
    table.records.clear();
    table.heldBack.clear();
    table.boundName = name;
    util::RecordFileContent content = util::LoadRecordFile(name, YearMonthRecordSize, MaxRecords);
    if (content.status == util::ReadStatus::Read) {
        for (const auto &bytes : content.records)
            table.records.push_back(DecodeRecord(bytes));
        table.heldBack = std::move(content.heldBack);
        table.Modified = false;
    }
    return {content.status, std::move(content.reason)};
}

util::WriteResult SaveRecords(const RecordTable &table) {
    std::vector<std::vector<uint8_t>> encoded;
    encoded.reserve(table.records.size());
    for (const auto &record : table.records)
        encoded.push_back(EncodeRecord(record));
    return util::SaveRecordFile(table.boundName, encoded, table.heldBack);
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

std::string RecordListLine(const YearMonthRecord &record) {
    return convert::ShortString(convert::NumberToText(record.year) + " " + record.note);
}

} // namespace longterm
