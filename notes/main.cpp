#include <windows.h>
#include <cstdlib>
#include <utility>
#include <vector>
#include "notes/notes_dialog.h"
#include "shared/dates/names.h"
#include "shared/util/language.h"

namespace {
std::string CurrentDirectory() {
    const DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(size + 1, '\0');
    const DWORD length = GetCurrentDirectoryA(size + 1, buffer.data());
    return std::string(buffer.data(), length);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    util::LanguageIndex = 2;
    dates::SelectLanguage();
    notes::StartDirectory = CurrentDirectory();
    const bool startupMode = __argc > 1;
    notes::StartingNotes start = notes::LoadStartingNotes();
    if (startupMode && notes::NothingToShowAtStartup(start)) ExitProcess(0);
    notes::RunNotesDialog(instance, startupMode, std::move(start));
    ExitProcess(0);
}
