// A yardstick of the start-up benchmark: a program's own main dialog ("Principal", with its
// menu, its icon and its manifest, from the program's .rc) opened with nothing behind it: no
// data file, no list, no colours. What the program takes beyond this is its own work.
#include <windows.h>

namespace {
INT_PTR CALLBACK TemplateProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        // The programs give their dialogs the icon this way; it is part of what the window costs.
        SetClassLongPtrA(dialog, GCLP_HICON,
                         reinterpret_cast<LONG_PTR>(LoadIconA(GetModuleHandleA(nullptr), "Ic0")));
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, "Principal", nullptr, TemplateProc, 0);
    return 0;
}
