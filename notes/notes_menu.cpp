#include <windows.h>
#include <string>
#include "notes/notes_menu.h"
#include "notes/notes_ids.h"
#include "notes/notes_dialog.h"
#include "notes/startup_dialog.h"
#include "notes/tools_menu.h"
#include "shared/about/about.h"
#include "shared/util/files.h"
#include "shared/util/launch.h"
#include "shared/util/message_boxes.h"

namespace notes {

namespace {

constexpr const char *HelpDocument = "Tarvela.pdf";

// "Info": the help document of the start directory, else the one beside the program file,
// handed whole to the shell, so a folder name with a blank does not split it.
void OpenHelpDocument() {
    util::SystemPath path = util::JoinPath(StartDirectory, HelpDocument);
    const util::SystemPath program = util::ProgramFilePath();
    const util::SystemPath besideProgram =
        util::JoinPath(program.substr(0, program.rfind(L'\\')), HelpDocument);
    if (!util::FileExists(path) && util::FileExists(besideProgram)) path = besideProgram;
    const uint16_t result = util::OpenDocument(path);
    if (util::LaunchFailed(result))
        util::ShowMessageFlags("No se puede abrir",
                               util::DisplayPath(path) + "\n" + util::LaunchFailureReason(result),
                               MB_ICONEXCLAMATION);
}

} // namespace

void SetUpNotesMenu(HWND dialog) { SetUpToolsMenu(dialog, "Mnu", 2, StartDirectory); }

bool HandleMenuCommand(HWND dialog, int id) {
    if (HandleToolCommand(static_cast<uint16_t>(id))) return true;
    switch (id) {
    case IDM_STARTUP_ENTRY: RunStartupInstaller(GetMenu(dialog)); return true;
    case IDM_HELP: OpenHelpDocument(); return true;
    case IDM_ABOUT: about::ShowAbout("Agenda autoejecutable al arrancar el ordenador"); return true;
    default: return false;
    }
}

} // namespace notes
