// The long-term notes: the 260-byte year/month record, the table of at most 1024
// records in the order they were stored, and lonyrs.dat.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include "shared/util/short_text.h"

namespace longterm {

constexpr size_t YearMonthRecordSize = 260;
constexpr size_t MaxRecords = 1024;
inline constexpr const char *LongTermFileName = "lonyrs.dat";

struct YearMonthRecord {
    uint16_t year = 0;
    uint16_t month = 0;
    std::string note; // at most 255 bytes
};

struct RecordTable {
    std::vector<YearMonthRecord> records; // slots 1..RecordCount, records[slot - 1]
    std::vector<uint8_t> heldBack;        // records of the file beyond the 1024th, as they were
    bool Modified = false;
};

YearMonthRecord DecodeRecord(std::span<const uint8_t> bytes);

uint16_t RecordCount(const RecordTable &table);
const YearMonthRecord &RecordAt(const RecordTable &table, uint16_t slot);
size_t HeldBackCount(const RecordTable &table);

// The table's records from the bytes of lonyrs.dat: the records of the first 1024 whole
// records, the whole records after them held back, a short last piece dropped; Modified false.
void DecodeLongTermFile(RecordTable &table, std::span<const uint8_t> bytes);
// The bytes of lonyrs.dat: every record, then the held-back records.
std::vector<uint8_t> EncodeLongTermFile(const RecordTable &table);

enum class StoreResult : uint8_t { Stored, TableFull, BadSlot };

// Replaces slot (1..RecordCount) or appends at RecordCount + 1; year and month keep their
// low 16 bits, the note its first 255 characters. Sets Modified when stored.
StoreResult StoreRecord(RecordTable &table, uint16_t slot, int32_t year, int32_t month,
                        std::string_view note);

// Removes slot and closes the gap; sets Modified. Nothing happens for a slot outside 1..RecordCount.
void DeleteRecord(RecordTable &table, uint16_t slot);

// "2026 Renovar el pasaporte": the year's decimal text, a blank and the note, cut to 255.
util::ShortText RecordListLine(const YearMonthRecord &record);

} // namespace longterm
