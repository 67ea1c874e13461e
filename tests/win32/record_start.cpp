// A stand-in program for tests. "record_start LOG [ARGUMENT]" writes ARGUMENT, as it came, to LOG
// (a relative LOG lands in the folder it was started in): it stands in for tools and the help
// viewer. With RECORD_LOG set it stands in for the program a batch file starts: it appends a line
// to that file, its current folder (long form, UTF-8) and "|" before each argument.
#include <windows.h>
#include <cstdlib>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (const char *log = std::getenv("RECORD_LOG")) {
        wchar_t folder[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, folder);
        GetLongPathNameW(folder, folder, MAX_PATH);
        char line[4 * MAX_PATH] = {};
        WideCharToMultiByte(CP_UTF8, 0, folder, -1, line, sizeof line, nullptr, nullptr);
        std::ofstream out(log, std::ios::binary | std::ios::app);
        out << line;
        for (int i = 1; i < __argc; ++i)
            out << '|' << __argv[i];
        return (out << '\n') ? 0 : 1;
    }
    if (__argc >= 2) std::ofstream(__argv[1], std::ios::binary) << (__argc > 2 ? __argv[2] : "");
    return __argc >= 2 ? 0 : 1;
}
