// A stand-in tool for tests: "record_cwd FILE" writes the directory it started in to FILE there.
#include <windows.h>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR file, int) {
    char folder[MAX_PATH] = {};
    std::ofstream(file, std::ios::binary) << std::string(folder, GetCurrentDirectoryA(MAX_PATH, folder));
    return 0;
}
