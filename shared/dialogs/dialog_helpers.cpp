#include <windows.h>
#include "shared/dialogs/dialog_helpers.h"
#include "shared/convert/convert.h"

namespace dialogs {

namespace {
using convert::ShortString;

constexpr int ReadBufferSize = 255;

// Position p is index p - 1; position 0 becomes -1 (none, or the end of the list).
WPARAM IndexOf(uint16_t position) { return static_cast<WPARAM>(static_cast<int>(position) - 1); }

uint16_t PositionOf(LRESULT index) { return static_cast<uint16_t>(index + 1); }

LRESULT Send(HWND dialog, int id, UINT message, WPARAM first, LPARAM second) {
    return SendDlgItemMessageA(dialog, id, message, first, second);
}

LPARAM TextParam(const std::string &text) { return reinterpret_cast<LPARAM>(text.c_str()); }
} // namespace

void SetWindowCaption(HWND window, std::string_view text) {
    SetWindowTextA(window, ShortString(text).c_str());
}

void SetControlText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextA(dialog, id, ShortString(text).c_str());
}

std::string GetControlText(HWND dialog, int id) {
    char buffer[ReadBufferSize] = {};
    const UINT length = GetDlgItemTextA(dialog, id, buffer, ReadBufferSize);
    return std::string(buffer, length);
}

int32_t GetControlInteger(HWND dialog, int id, int32_t &error) {
    error = 0;
    const std::string text = convert::TrimBlanks(GetControlText(dialog, id));
    if (text.empty()) return 0;
    int32_t value = 0;
    if (!convert::TextToInteger(text, value)) {
        error = 1;
        return 0;
    }
    return value;
}

HWND ControlHandle(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void BringToFront(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

INT_PTR ColourReply(WPARAM deviceContext, HBRUSH brush, COLORREF background) {
    SetBkColor(reinterpret_cast<HDC>(deviceContext), background);
    return reinterpret_cast<INT_PTR>(brush);
}

void ListClear(HWND dialog, int id) { Send(dialog, id, LB_RESETCONTENT, 0, 0); }

void ListSelect(HWND dialog, int id, uint16_t position) {
    Send(dialog, id, LB_SETCURSEL, IndexOf(position), 0);
}

uint16_t ListSelection(HWND dialog, int id) { return PositionOf(Send(dialog, id, LB_GETCURSEL, 0, 0)); }

void ListAdd(HWND dialog, int id, std::string_view text) {
    Send(dialog, id, LB_ADDSTRING, 0, TextParam(ShortString(text)));
}

void ListFill(HWND dialog, int id, const std::vector<util::ShortText> &lines) {
    const HWND list = GetDlgItem(dialog, id);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const util::ShortText &line : lines)
        bytes += line.size() + 1;
    SendMessageA(list, LB_INITSTORAGE, lines.size(), static_cast<LPARAM>(bytes));
    for (const util::ShortText &line : lines)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ComboClear(HWND dialog, int id) { Send(dialog, id, CB_RESETCONTENT, 0, 0); }

void ComboAdd(HWND dialog, int id, std::string_view text) {
    Send(dialog, id, CB_ADDSTRING, 0, TextParam(ShortString(text)));
}

uint16_t ComboSelection(HWND dialog, int id) { return PositionOf(Send(dialog, id, CB_GETCURSEL, 0, 0)); }

void ComboSelect(HWND dialog, int id, uint16_t position) {
    Send(dialog, id, CB_SETCURSEL, IndexOf(position), 0);
}

void ComboFillFromList(HWND dialog, int id, std::string_view list) {
    while (true) {
        const size_t separator = list.find(';');
        const std::string_view item = list.substr(0, separator);
        if (!item.empty()) ComboAdd(dialog, id, item);
        if (separator == std::string_view::npos) return;
        list = list.substr(separator + 1);
    }
}

} // namespace dialogs
