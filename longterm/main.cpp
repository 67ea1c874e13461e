#include <windows.h>
#include "longterm/longterm_dialog.h"
#include "shared/util/language.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    util::LanguageIndex = 2;
    // The program's own module, whatever its file is called.
    longterm::RunLongTermDialog(GetModuleHandleA(nullptr));
    ExitProcess(0);
}
