#include <windows.h>
#include "notes/notes_menu.h"
#include "notes/notes_ids.h"
#include "shared/about/about.h"

namespace notes {

void SetUpNotesMenu(HWND) {}

bool HandleMenuCommand(HWND, int id) {
    switch (id) {
    case IDM_ABOUT: about::ShowAbout("Agenda autoejecutable al arrancar el ordenador"); return true;
    default: return false;
    }
}

} // namespace notes
