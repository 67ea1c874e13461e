// What the programs tell and ask about a data file: that it could not be read at start, that
// it holds more than the table shows, and, before a save replaces it, whether to.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "shared/util/data_file.h"

namespace util {

// Tells the user that the file exists but could not be read at start, and why; nothing when
// it was read or is missing.
void ReportLoad(const DataFile &file);

// Tells the user that the file holds total records, of which the table shows the first shown
// and keeps the rest unchanged.
void ReportHeldBack(const DataFile &file, size_t total, size_t shown);

// Saves bytes to the file, after asking when it was not read at start or another program has
// changed it since; a failed save is reported with its reason. True when the file was written.
bool SaveAsking(DataFile &file, std::vector<uint8_t> bytes);

} // namespace util
