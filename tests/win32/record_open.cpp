// A stand-in viewer for tests: "record_open LOG DOCUMENT" writes DOCUMENT, as it came, to LOG.
#include <windows.h>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc == 3) std::ofstream(__argv[1], std::ios::binary) << __argv[2];
    return __argc == 3 ? 0 : 1;
}
