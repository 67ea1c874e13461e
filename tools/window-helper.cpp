// Finds the windows of programs running under Wine, for the scripts that drive them from
// outside: scripts/screenshot.sh, scripts/bench-launcher.sh and tests/package_test.sh (built
// as target window_helper in the 64-bit tree). It runs
// under Wine beside the programs, in their prefix. Captions are matched from their start.
//
//   window-helper front CAPTION         a window with that caption: brought to the front and
//                                       activated, as a freshly started program is; prints its
//                                       outer rectangle as WIDTHxHEIGHT+X+Y (as `convert -crop`
//                                       takes it)
//   window-helper command CAPTION ID    posts WM_COMMAND ID (a menu item) to that window
//   window-helper class CLASS           a window of class CLASS; prints its rectangle
//   window-helper count CAPTION N [ID]  N windows with that caption at once; prints the lines
//                                       of each one's list box ID in UTF-8, an empty line after
//                                       each window's
//   window-helper appear CAPTION        prints "ready", then, as soon as such a window is
//                                       visible, the time in ms since 1970 (the clock `date`
//                                       reads), and ends the window's program
//
// Waits last 10 s (count 30 s, appear 60 s). Exit code 0 when the windows were found, 1 when
// they were not, 2 on wrong arguments.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Search {
    const char *caption = nullptr;   // prefix of the window text, or
    const char *className = nullptr; // exact class name
    std::vector<HWND> found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto &search = *reinterpret_cast<Search *>(param);
    if (!IsWindowVisible(window)) return TRUE;
    char text[256] = "";
    if (search.caption != nullptr) {
        GetWindowTextA(window, text, sizeof text);
        if (std::strncmp(text, search.caption, std::strlen(search.caption)) == 0)
            search.found.push_back(window);
    } else {
        GetClassNameA(window, text, sizeof text);
        if (std::strcmp(text, search.className) == 0) search.found.push_back(window);
    }
    return TRUE;
}

// Polls every pollMs until count windows match or timeoutMs has passed; the windows found last.
std::vector<HWND> WaitForWindows(Search search, size_t count, DWORD timeoutMs, DWORD pollMs = 100) {
    for (const ULONGLONG end = GetTickCount64() + timeoutMs;; Sleep(pollMs)) {
        search.found.clear();
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        if (search.found.size() >= count || GetTickCount64() > end) return search.found;
    }
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

// Cross-process LB_GETTEXT through the "A" function returns only the first character under
// Wine: the wide one, then UTF-8.
void PrintListLines(HWND window, int id) {
    const LRESULT count = SendDlgItemMessageW(window, id, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i) {
        std::wstring line(static_cast<size_t>(SendDlgItemMessageW(window, id, LB_GETTEXTLEN, i, 0)) + 1,
                          L'\0');
        SendDlgItemMessageW(window, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line.data()));
        char utf8[1024] = "";
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8, sizeof utf8, nullptr, nullptr);
        std::printf("%s\n", utf8);
    }
    std::printf("\n");
}

double UnixMilliseconds() {
    FILETIME now{};
    GetSystemTimePreciseAsFileTime(&now);
    const ULONGLONG ticks = static_cast<ULONGLONG>(now.dwHighDateTime) << 32 | now.dwLowDateTime;
    return static_cast<double>(ticks - 116444736000000000ULL) / 10000.0; // 100 ns ticks since 1601
}

void EndProgramOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (process == nullptr) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 10000);
    CloseHandle(process);
}

int Missing(const char *what, size_t count, size_t found) {
    static_cast<void>(
        std::fprintf(stderr, "window-helper: %zu window(s) %s, %zu found\n", count, what, found));
    return 1;
}

// A command-line number; 0 when the word is not one.
int Number(const char *word) { return static_cast<int>(std::strtol(word, nullptr, 10)); }

} // namespace

int main(int argc, char **argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    if (argc < 3) return 2;
    Search search;
    (verb == "class" ? search.className : search.caption) = argv[2];
    if (verb == "appear" && argc == 3) {
        std::printf("ready\n");
        static_cast<void>(std::fflush(stdout)); // the script waits for this line
        const std::vector<HWND> found = WaitForWindows(search, 1, 60000, 1);
        if (found.empty()) return Missing(argv[2], 1, 0);
        std::printf("%.1f\n", UnixMilliseconds());
        EndProgramOf(found.front());
        return 0;
    }
    if (verb == "count" && (argc == 4 || argc == 5)) {
        const auto count = static_cast<size_t>(Number(argv[3]));
        const std::vector<HWND> found = WaitForWindows(search, count, 30000);
        if (found.size() < count) return Missing(argv[2], count, found.size());
        if (argc == 5)
            for (HWND window : found)
                PrintListLines(window, Number(argv[4]));
        return 0;
    }
    if (!(verb == "class" || verb == "front" || (verb == "command" && argc == 4))) return 2;
    const std::vector<HWND> found = WaitForWindows(search, 1, 10000);
    if (found.empty()) return Missing(argv[2], 1, 0);
    if (verb == "command") {
        PostMessageA(found.front(), WM_COMMAND, static_cast<WPARAM>(Number(argv[3])), 0);
        return 0;
    }
    if (verb == "front") BringToFront(found.front());
    PrintRect(found.front());
    return 0;
}
