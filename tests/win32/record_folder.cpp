// A stand-in for the program a batch file starts: appends one line to the file named by the
// environment variable RECORD_LOG, its current folder (long form, UTF-8) and "|" before each argument.
#include <windows.h>
#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    GetLongPathNameW(folder, folder, MAX_PATH);
    char line[4 * MAX_PATH] = {};
    WideCharToMultiByte(CP_UTF8, 0, folder, -1, line, sizeof line, nullptr, nullptr);
    const char *logName = std::getenv("RECORD_LOG");
    std::FILE *log = logName != nullptr ? std::fopen(logName, "ab") : nullptr;
    if (log == nullptr) return 1;
    std::fputs(line, log);
    for (int i = 1; i < __argc; ++i)
        std::fprintf(log, "|%s", __argv[i]);
    std::fputs("\n", log);
    return std::fclose(log);
}
