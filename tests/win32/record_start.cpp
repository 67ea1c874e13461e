// A stand-in program for tests: "record_start LOG [ARGUMENT]" writes ARGUMENT, as it came, to LOG;
// a relative LOG lands in the folder it was started in. It stands in for tools and the help viewer.
#include <windows.h>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc >= 2) std::ofstream(__argv[1], std::ios::binary) << (__argc > 2 ? __argv[2] : "");
    return __argc >= 2 ? 0 : 1;
}
