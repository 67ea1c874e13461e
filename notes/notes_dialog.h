// The main dialog of the notes agenda.
#pragma once
#include <windows.h>
#include "notes/note_store.h"
#include "shared/util/data_file.h"

namespace notes {

// The current directory when the program started: agenda.dat and Tools.rel live in it, and the
// help document is opened from it.
extern util::SystemPath StartDirectory;

// What the program reads before any window: agenda.dat of the start directory and today's date.
struct StartingNotes {
    NoteTable table;
    util::DataFile agenda;
    dates::CalendarDate today;
};
StartingNotes LoadStartingNotes();

// Start-up mode ends before any window when this is true: agenda.dat was read whole and no
// note is due today or tomorrow. An unreadable file or held-back notes go to the dialog,
// which reports them (and then ends, as nothing is due).
bool NothingToShowAtStartup(const StartingNotes &start);

// Runs the dialog "Principal" on the notes read at start until the user leaves; startupMode
// opens it on today and tomorrow and ends it before it shows when nothing is due then.
void RunNotesDialog(HINSTANCE instance, bool startupMode, StartingNotes start);

} // namespace notes
