// The lonyrs.dat reader on any bytes: decode, encode, decode again gives the same table; the
// encoded file is the whole records, each year, month and note as it was and zeros after the
// note; every list line is the year, a blank and the note, cut to 255.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "longterm/record_store.h"

namespace {

bool SameRecords(const longterm::RecordTable &a, const longterm::RecordTable &b) {
    if (a.records.size() != b.records.size() || a.heldBack != b.heldBack) return false;
    for (size_t i = 0; i < a.records.size(); ++i) {
        const longterm::YearMonthRecord &x = a.records[i], &y = b.records[i];
        if (x.year != y.year || x.month != y.month || x.note != y.note) return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    constexpr size_t R = longterm::YearMonthRecordSize;
    const std::vector<uint8_t> bytes(data, data + size);
    const size_t records = bytes.size() / R;
    longterm::RecordTable table;
    longterm::DecodeLongTermFile(table, bytes);
    FUZZ_CHECK(table.records.size() == std::min(records, longterm::MaxRecords));
    FUZZ_CHECK(longterm::HeldBackCount(table) == records - table.records.size());

    const std::vector<uint8_t> encoded = longterm::EncodeLongTermFile(table);
    FUZZ_CHECK(encoded.size() == records * R);
    static const uint8_t zeros[R] = {};
    for (size_t at = 0; at < encoded.size(); at += R) {
        const uint8_t *record = encoded.data() + at, *end = record + 5 + record[4];
        FUZZ_CHECK(std::equal(record, end, bytes.data() + at)); // year, month and note as they were
        FUZZ_CHECK(std::equal(end, record + R, zeros));
    }
    longterm::RecordTable again;
    longterm::DecodeLongTermFile(again, encoded);
    FUZZ_CHECK(SameRecords(table, again));
    FUZZ_CHECK(longterm::EncodeLongTermFile(again) == encoded);

    for (const longterm::YearMonthRecord &record : table.records)
        FUZZ_CHECK(longterm::RecordListLine(record) ==
                   (std::to_string(record.year) + " " + record.note).substr(0, 255));
    return 0;
}
