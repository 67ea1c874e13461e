#include <windows.h>
#include "shared/util/message_boxes.h"
#include "shared/convert/convert.h"

namespace util {

namespace {
int ShowBox(std::string_view caption, std::string_view text, UINT style) {
    const std::string shortCaption = convert::ShortString(caption);
    const std::string shortText = convert::ShortString(text);
    // The answer as every caller compares it with IDYES, IDNO or IDCANCEL: its low 8 bits.
    return MessageBoxA(GetActiveWindow(), shortText.c_str(), shortCaption.c_str(), style) & 0xFF;
}
} // namespace

int ShowMessage(std::string_view caption, std::string_view text) { return ShowBox(caption, text, MB_OK); }

int ShowMessageFlags(std::string_view caption, std::string_view text, uint16_t flags) {
    return ShowBox(caption, text, flags | MB_OK);
}

int AskYesNo(std::string_view caption, std::string_view text) { return ShowBox(caption, text, MB_YESNO); }

int AskYesNoFlags(std::string_view caption, std::string_view text, uint16_t flags) {
    return ShowBox(caption, text, flags | MB_YESNO);
}

int AskYesNoCancel(std::string_view caption, std::string_view text) {
    return ShowBox(caption, text, MB_YESNOCANCEL);
}

bool Agreed(std::string_view caption, std::string_view text, uint16_t flags) {
    return AskYesNoFlags(caption, text, flags) == IDYES;
}

} // namespace util
