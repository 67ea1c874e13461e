// Texts made comparable whatever their case and accents, for search.
#pragma once
#include <string>
#include <string_view>

namespace cli {

// A Windows-1252 text in lower case with its letters' accents dropped: "Café" and "CAFE" both
// give "cafe"; æ, œ and ß give "ae", "oe" and "ss". Other bytes stay as they are.
std::string Folded(std::string_view text);

} // namespace cli
