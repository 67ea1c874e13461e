// The menu of the notes agenda's main dialog and the commands that come from it.
#pragma once
#include <windows.h>

namespace notes {

// Attaches the menu to the main dialog and sets up what it carries.
void SetUpNotesMenu(HWND dialog);

// Carries out a menu command; false when id is not one, so the dialog handles it.
bool HandleMenuCommand(HWND dialog, int id);

} // namespace notes
