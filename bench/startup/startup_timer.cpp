// Times how long programs take to start: from CreateProcess until the program's dialog is
// visible and its input idle (then the program is ended), or until the program has ended.
// The cases run interleaved, one run of each in turn, and the medians are printed in ms.
// Usage: startup_timer RUNS {LABEL PROGRAM FOLDER ARGUMENTS dialog|exit}...
// ("-" as ARGUMENTS for none)
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string label, program, folder, arguments;
    bool waitsForDialog = false;
    std::vector<double> times;
};

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM parameter) {
    auto &search = *reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner != search.processId || std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    search.found = window;
    return FALSE;
}

double Milliseconds(const LARGE_INTEGER &from, const LARGE_INTEGER &to, const LARGE_INTEGER &frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One start; false when the program did not get as far within 30 s.
bool TimeOnce(Case &c, const LARGE_INTEGER &frequency) {
    std::string command = "\"" + c.program + "\"" + (c.arguments == "-" ? "" : " " + c.arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start{}, end{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, c.folder.c_str(),
                        &startup, &process))
        return false;
    bool reached = false;
    if (c.waitsForDialog) {
        WaitForInputIdle(process.hProcess, 30000);
        for (int tries = 0; tries < 30000 && !reached; ++tries) {
            Search search{process.dwProcessId, nullptr};
            EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
            reached = search.found != nullptr;
            if (!reached) Sleep(1);
        }
        WaitForInputIdle(process.hProcess, 30000);
        QueryPerformanceCounter(&end);
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 30000);
    } else {
        reached = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
        QueryPerformanceCounter(&end);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    c.times.push_back(Milliseconds(start, end, frequency));
    return reached;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 7 || (argc - 2) % 5 != 0) {
        std::fprintf(stderr, "usage: startup_timer RUNS {LABEL PROGRAM FOLDER ARGUMENTS dialog|exit}...\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Case> cases;
    for (int i = 2; i < argc; i += 5)
        cases.push_back(
            {argv[i], argv[i + 1], argv[i + 2], argv[i + 3], std::string(argv[i + 4]) == "dialog", {}});
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    for (int run = 0; run < runs; ++run)
        for (Case &c : cases) {
            if (!TimeOnce(c, frequency)) {
                std::fprintf(stderr, "%s: did not reach its point within 30 s\n", c.label.c_str());
                return 1;
            }
            // Wine tears a program's windows down after the process has ended; without a pause
            // that work runs into the next start and stretches or shrinks it.
            Sleep(150);
        }
    for (const Case &c : cases)
        std::printf("%s %.1f\n", c.label.c_str(), Median(c.times));
    return 0;
}
