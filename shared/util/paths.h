// Names taken out of Windows paths, and the year of a packed DOS date. No system calls:
// the backslash is the only separator, a forward slash is an ordinary character.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace util {

// What follows the last backslash of path (all of path when it has none), at most 255 characters.
std::string ExtractFileName(std::string_view path);

// ExtractFileName without its extension, which begins at the file name's last "."; dots in
// folder names do not count. A name whose only dot is its first character gives "".
std::string ExtractBaseName(std::string_view path);

// The year of a DOS date and time packed in 32 bits (date in the high half): bits 25 to 31
// plus 1980, so 1980 to 2107.
int32_t DosYear(uint32_t dosDateTime);

} // namespace util
