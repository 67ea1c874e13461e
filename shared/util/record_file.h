// Files that are a bare sequence of fixed-size records, shared by both data stores.
// A table keeps at most its capacity of records and holds the rest back unchanged, so that
// a save writes them again after the table and nothing is lost.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace util {

// How the bytes of a record file divide: the first whole records (at most a table's worth),
// the whole records after them, held back, and a short last piece, ignored. A view: it
// points into the bytes it was made from.
struct RecordSplit {
    std::span<const uint8_t> bytes;
    size_t recordSize = 0;
    size_t kept = 0;          // whole records for the table
    size_t heldBackBytes = 0; // the whole records after them
    size_t trailingBytes = 0; // the short last piece

    [[nodiscard]] std::span<const uint8_t> Record(size_t index) const { // index 0 .. kept - 1
        return bytes.subspan(index * recordSize, recordSize);
    }
    [[nodiscard]] std::span<const uint8_t> HeldBack() const {
        return bytes.subspan(kept * recordSize, heldBackBytes);
    }
};

RecordSplit SplitRecords(std::span<const uint8_t> bytes, size_t recordSize, size_t maxRecords);

// Little-endian 16-bit fields and length-prefixed text fields of a record.
void PutU16(std::vector<uint8_t> &record, size_t offset, uint16_t value);
inline uint16_t GetU16(std::span<const uint8_t> record, size_t offset) {
    if (record.size() < offset + 2) return 0;
    return static_cast<uint16_t>(record[offset] | (record[offset + 1] << 8));
}
// Length byte at offset, then capacity characters; text is cut to capacity, the rest zeroed.
void PutShortString(std::vector<uint8_t> &record, size_t offset, size_t capacity, std::string_view text);
// The text of the field, inside record.
std::string_view GetShortString(std::span<const uint8_t> record, size_t offset, size_t capacity);

} // namespace util
