// Thin helpers over dialog controls. List and combo positions are 1-based; 0 means none.
// Texts going to a control are cut to 255 characters; texts read from one hold at most 254.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "shared/util/short_text.h"

namespace dialogs {

void SetWindowCaption(HWND window, std::string_view text);
void SetControlText(HWND dialog, int id, std::string_view text);
std::string GetControlText(HWND dialog, int id);
// The control's text, blanks trimmed, as a number; empty text gives 0 with no error.
// error is set to 1 (result 0) when the text is not a number.
int32_t GetControlInteger(HWND dialog, int id, int32_t &error);
HWND ControlHandle(HWND dialog, int id);

// The answer to a WM_CTLCOLOR message: the background colour set on the control's device
// context (the message's first parameter) and the brush that paints the rest.
INT_PTR ColourReply(WPARAM deviceContext, HBRUSH brush, COLORREF background);

// Restores the window when it is minimised and makes it the one the user works in: for a
// window without an owner that is asked for again while it is open.
void BringToFront(HWND window);

void ListClear(HWND dialog, int id);
void ListSelect(HWND dialog, int id, uint16_t position);
uint16_t ListSelection(HWND dialog, int id);
void ListAdd(HWND dialog, int id, std::string_view text);
// Replaces the list's lines with lines, in order: one look-up of the control, its storage
// reserved, and no drawing until the last line is in.
void ListFill(HWND dialog, int id, const std::vector<util::ShortText> &lines);

void ComboClear(HWND dialog, int id);
void ComboAdd(HWND dialog, int id, std::string_view text);
uint16_t ComboSelection(HWND dialog, int id);
void ComboSelect(HWND dialog, int id, uint16_t position);
// Adds the ";"-separated items of list in order; empty items add nothing.
void ComboFillFromList(HWND dialog, int id, std::string_view list);

} // namespace dialogs
