// Starting another program or opening a document. Results are the low 16 bits of what the
// system answers; LaunchFailed and LaunchFailureReason tell the user what went wrong.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "shared/util/system_path.h"

namespace util {

// A target holding ".exe" (exactly so) is run as one command line; anything else goes to the
// shell's "open", split at its first blank into the file and its parameters.
uint16_t LaunchTarget(std::string_view target);

// The shell's "open" of the whole path, blanks and all, as one document.
uint16_t OpenDocument(const SystemPath &path);

// Whether a result of the operations above means that nothing was started (the system
// answers 33 or more for a start, of a command line or through the shell).
bool LaunchFailed(uint16_t result);
// The system's words for a failed result.
std::string LaunchFailureReason(uint16_t result);

} // namespace util
