#include "shared/util/record_file.h"

#include <algorithm>

namespace util {

RecordFileContent LoadRecordFile(const std::string &path, size_t recordSize, size_t maxRecords) {
    RecordFileContent content;
    ReadResult file = ReadWholeFile(path);
    content.status = file.status;
    content.reason = std::move(file.reason);
    if (file.status != ReadStatus::Read || recordSize == 0) return content;

    const std::vector<uint8_t> &bytes = file.bytes;
    const size_t whole = bytes.size() / recordSize;
    const size_t kept = std::min(whole, maxRecords);
    content.trailingBytes = bytes.size() % recordSize;
    content.records.reserve(kept);
    for (size_t i = 0; i < kept; ++i) {
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(i * recordSize);
        content.records.emplace_back(first, first + static_cast<std::ptrdiff_t>(recordSize));
    }
    content.heldBack.assign(bytes.begin() + static_cast<std::ptrdiff_t>(kept * recordSize),
                            bytes.begin() + static_cast<std::ptrdiff_t>(whole * recordSize));
    return content;
}

WriteResult SaveRecordFile(const std::string &path, const std::vector<std::vector<uint8_t>> &records,
                           const std::vector<uint8_t> &heldBack) {
    std::vector<uint8_t> bytes;
    for (const auto &record : records)
        bytes.insert(bytes.end(), record.begin(), record.end());
    bytes.insert(bytes.end(), heldBack.begin(), heldBack.end());
    return WriteFileSafely(path, bytes);
}

// The Put functions grow a record that is too short rather than write past its end.
void PutU16(std::vector<uint8_t> &record, size_t offset, uint16_t value) {
    if (record.size() < offset + 2) record.resize(offset + 2);
    record[offset] = static_cast<uint8_t>(value & 0xFFu);
    record[offset + 1] = static_cast<uint8_t>(value >> 8);
}

uint16_t GetU16(const std::vector<uint8_t> &record, size_t offset) {
    if (record.size() < offset + 2) return 0;
    return static_cast<uint16_t>(record[offset] | (record[offset + 1] << 8));
}

void PutShortString(std::vector<uint8_t> &record, size_t offset, size_t capacity, const std::string &text) {
    capacity = std::min<size_t>(capacity, 255);
    if (record.size() < offset + 1 + capacity) record.resize(offset + 1 + capacity);
    const size_t length = std::min(text.size(), capacity);
    record[offset] = static_cast<uint8_t>(length);
    const auto area = record.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    std::copy_n(text.begin(), length, area);
    std::fill(area + static_cast<std::ptrdiff_t>(length), area + static_cast<std::ptrdiff_t>(capacity),
              uint8_t{0});
}

std::string GetShortString(const std::vector<uint8_t> &record, size_t offset, size_t capacity) {
    if (record.size() <= offset) return {};
    // A length byte larger than the area (or than what the record holds) is cut, never trusted.
    const size_t length =
        std::min({static_cast<size_t>(record[offset]), capacity, record.size() - offset - 1});
    const auto first = record.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

} // namespace util
