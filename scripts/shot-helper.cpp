// Helper of scripts/screenshot.sh, run under Wine next to the program being shot. It finds a
// top-level window, waiting up to ten seconds for it to be shown, and prints its outer
// rectangle as WIDTHxHEIGHT+X+Y (screen pixels, the form `convert -crop` takes).
//
//   shot-helper front CAPTION        a window whose caption starts with CAPTION: brought to the
//                                    front and activated, as a freshly started program is
//   shot-helper command CAPTION ID   posts WM_COMMAND ID (a menu item) to that window
//   shot-helper class CLASS          a window of class CLASS
//
// Exit code 0 when the window was found, 1 when it was not, 2 on wrong arguments.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char *caption = nullptr; // prefix of the window text, or
    const char *className = nullptr; // exact class name
    HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto &search = *reinterpret_cast<Search *>(param);
    if (!IsWindowVisible(window)) return TRUE;
    char text[256] = "";
    if (search.caption != nullptr) {
        GetWindowTextA(window, text, sizeof text);
        if (std::strncmp(text, search.caption, std::strlen(search.caption)) != 0) return TRUE;
    } else {
        GetClassNameA(window, text, sizeof text);
        if (std::strcmp(text, search.className) != 0) return TRUE;
    }
    search.found = window;
    return FALSE;
}

HWND WaitForWindow(Search search) {
    for (int tries = 0; tries < 100 && search.found == nullptr; ++tries) {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) Sleep(100);
    }
    return search.found;
}

// Under Wine's virtual desktop a program's first window is the foreground window but is drawn
// with an inactive caption (Wine sees the X focus leave it while the desktop starts). Handing
// the foreground to the desktop and back draws it active, as a freshly started program looks.
void BringToFront(HWND window) {
    SetForegroundWindow(GetDesktopWindow());
    Sleep(300);
    SetForegroundWindow(window);
}

void PrintRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 3) return 2;
    const char *verb = argv[1];
    Search search;
    if (std::strcmp(verb, "class") == 0) {
        search.className = argv[2];
    } else if (std::strcmp(verb, "front") == 0 || (std::strcmp(verb, "command") == 0 && argc == 4)) {
        search.caption = argv[2];
    } else {
        return 2;
    }
    const HWND window = WaitForWindow(search);
    if (window == nullptr) {
        std::fprintf(stderr, "shot-helper: no window %s\n", argv[2]);
        return 1;
    }
    if (std::strcmp(verb, "command") == 0) {
        PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[3])), 0);
        return 0;
    }
    if (std::strcmp(verb, "front") == 0) BringToFront(window);
    PrintRect(window);
    return 0;
}
