// The main dialog of the notes agenda.
#pragma once
#include <windows.h>
#include <string>

namespace notes {

// The current directory when the program started; the help document is opened from it.
extern std::string StartDirectory;

// Runs the dialog "Principal" until the user leaves; startupMode opens it on today and
// tomorrow and ends it before it shows when nothing is due then.
void RunNotesDialog(HINSTANCE instance, bool startupMode);

} // namespace notes
