// Files that are a bare sequence of fixed-size records, shared by both data stores.
// Loading keeps at most a table's worth of records and holds the rest back unchanged,
// so that a save writes them again after the table and nothing is lost.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "shared/util/file_io.h"

namespace util {

struct RecordFileContent {
    ReadStatus status = ReadStatus::Missing;
    std::string reason;                        // why an existing file could not be read
    std::vector<std::vector<uint8_t>> records; // the first maxRecords whole records
    std::vector<uint8_t> heldBack;             // the whole records after those, as they were
    size_t trailingBytes = 0;                  // a short last piece, ignored
};

RecordFileContent LoadRecordFile(const std::string &path, size_t recordSize, size_t maxRecords);

// Writes the encoded records, then heldBack, through WriteFileSafely.
WriteResult SaveRecordFile(const std::string &path, const std::vector<std::vector<uint8_t>> &records,
                           const std::vector<uint8_t> &heldBack);

// Little-endian 16-bit fields and length-prefixed text fields of a record.
void PutU16(std::vector<uint8_t> &record, size_t offset, uint16_t value);
uint16_t GetU16(const std::vector<uint8_t> &record, size_t offset);
// Length byte at offset, then capacity characters; text is cut to capacity, the rest zeroed.
void PutShortString(std::vector<uint8_t> &record, size_t offset, size_t capacity, const std::string &text);
std::string GetShortString(const std::vector<uint8_t> &record, size_t offset, size_t capacity);

} // namespace util
