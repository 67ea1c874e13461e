// Message boxes: caption first, text second, owned by the window active at that moment.
// Captions and texts are cut to 255 characters. Each returns the button pressed (IDOK, IDYES,
// IDNO, IDCANCEL; 0 when the box could not be shown).
#pragma once
#include <cstdint>
#include <string_view>

namespace util {

int ShowMessage(std::string_view caption, std::string_view text);
int ShowMessageFlags(std::string_view caption, std::string_view text, uint16_t flags);
int AskYesNo(std::string_view caption, std::string_view text);
int AskYesNoFlags(std::string_view caption, std::string_view text, uint16_t flags);
int AskYesNoCancel(std::string_view caption, std::string_view text);

// AskYesNoFlags answered Yes.
bool Agreed(std::string_view caption, std::string_view text, uint16_t flags);

} // namespace util
