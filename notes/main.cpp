#include <windows.h>
#include <utility>
#include "notes/notes_dialog.h"
#include "shared/dates/names.h"
#include "shared/util/language.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    util::LanguageIndex = 2;
    dates::SelectLanguage();
    notes::StartDirectory = util::CurrentFolder();
    const bool startupMode = __argc > 1;
    notes::StartingNotes start = notes::LoadStartingNotes();
    if (startupMode && notes::NothingToShowAtStartup(start)) ExitProcess(0);
    notes::RunNotesDialog(instance, startupMode, std::move(start));
    ExitProcess(0);
}
