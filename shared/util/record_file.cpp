#include "shared/util/record_file.h"

#include <algorithm>

namespace util {

RecordSplit SplitRecords(std::span<const uint8_t> bytes, size_t recordSize, size_t maxRecords) {
    RecordSplit split{bytes, recordSize};
    if (recordSize == 0) return split;
    const size_t whole = bytes.size() / recordSize;
    split.kept = std::min(whole, maxRecords);
    split.heldBackBytes = (whole - split.kept) * recordSize;
    split.trailingBytes = bytes.size() % recordSize;
    return split;
}

// The Put functions grow a record that is too short rather than write past its end.
void PutU16(std::vector<uint8_t> &record, size_t offset, uint16_t value) {
    if (record.size() < offset + 2) record.resize(offset + 2);
    record[offset] = static_cast<uint8_t>(value & 0xFFu);
    record[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void PutShortString(std::vector<uint8_t> &record, size_t offset, size_t capacity, std::string_view text) {
    capacity = std::min<size_t>(capacity, 255);
    if (record.size() < offset + 1 + capacity) record.resize(offset + 1 + capacity);
    const size_t length = std::min(text.size(), capacity);
    record[offset] = static_cast<uint8_t>(length);
    const auto area = record.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    std::copy_n(text.begin(), length, area);
    std::fill(area + static_cast<std::ptrdiff_t>(length), area + static_cast<std::ptrdiff_t>(capacity),
              uint8_t{0});
}

std::string_view GetShortString(std::span<const uint8_t> record, size_t offset, size_t capacity) {
    if (record.size() <= offset) return {};
    // A length byte larger than the area (or than what the record holds) is cut, never trusted.
    const size_t length =
        std::min({static_cast<size_t>(record[offset]), capacity, record.size() - offset - 1});
    const auto *first = reinterpret_cast<const char *>(record.data() + offset + 1);
    return {first, length};
}

} // namespace util
