// Each program's About window, opened from menu item 801 of the real program's main dialog.
#include <windows.h>
#include <gtest/gtest.h>
#include <set>
#include "tests/unit/test_files.h"
#include "tests/win32/driver.h"

using namespace driver;

namespace {

std::vector<HWND> AboutWindows(DWORD processId) {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "FerSobre", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId) found.push_back(window);
    }
    return found;
}

TEST(About, OpensOnceFromTheMenuAndClosesByItsButtonOrItsCloseBox) {
    const std::tuple<const char *, const char *, const char *> programs[] = {
        {TARVELA_EXE, "Mi agenda", "Respecto Tarvela..."},
        {VELMARIX_EXE, "Agenda por a\xF1os", "Respecto Velmarix..."}};
    // In Windows-1252: "bueno", "¡Ah!", "¡Oh!", "psé", ...
    const std::set<std::string> words = {"bueno", "\241Ah!", "\241Oh!",  "ps\351",
                                         "hum!",  "mmm..",   "\241vaya!"};
    for (const auto &[exe, mainCaption, title] : programs) {
        SCOPED_TRACE(exe);
        const testing_support::TempFolder folder;
        const Program program(exe, folder.dir);
        const HWND dialog = WaitForDialog(program.Id(), mainCaption);
        ASSERT_NE(dialog, nullptr);
        const std::string caption = WindowText(dialog);
        HWND about = nullptr;
        for (const bool byButton : {true, false}) {
            PostMessageA(dialog, WM_COMMAND, 801, 0);
            ASSERT_TRUE(WaitUntil([&] {
                const std::vector<HWND> open = AboutWindows(program.Id());
                return open.size() == 1 && words.count(ControlText(about = open[0], 1));
            })) << "no About window with a word on its button";
            EXPECT_EQ(WindowText(about), title);
            // Asked again while it is open: returns at once, no second window.
            EXPECT_NE(SendMessageTimeoutA(dialog, WM_COMMAND, 801, 0, SMTO_NORMAL, 5000, nullptr), 0);
            EXPECT_EQ(AboutWindows(program.Id()), std::vector<HWND>{about});
            byButton ? SendDlgItemMessageA(about, 1, BM_CLICK, 0, 0)
                     : SendMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
            EXPECT_TRUE(WaitUntil([&] { return AboutWindows(program.Id()).empty(); }));
            EXPECT_TRUE(IsWindowVisible(dialog) && WindowText(dialog) == caption);
        }
        ClickAsync(dialog, IDCANCEL); // "&Salir" with nothing changed
        DWORD code = 99;
        EXPECT_TRUE(program.WaitForExit(code) && code == 0);
    }
}

} // namespace
