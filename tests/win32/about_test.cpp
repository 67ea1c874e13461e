// The About window in the test's own process: a class the system refused to register is
// registered at the next opening, not taken for registered (which then reported "CreaFSobre failed").
#include <windows.h>
#include <gtest/gtest.h>
#include <future>
#include "shared/about/about.h"
#include "tests/win32/driver.h"

namespace {

// Opens the About window and closes what shows, the window or an error box; says which.
std::string OpenAbout() {
    auto shown = std::async(std::launch::async, [] {
        std::string seen;
        driver::WaitUntil([&] {
            if (const HWND about = FindWindowA("FerSobre", nullptr))
                seen = "About", PostMessageA(about, WM_CLOSE, 0, 0);
            else if (const HWND box = driver::FindDialog(GetCurrentProcessId(), "Error", true))
                seen = driver::ControlText(box, 0xFFFF), PostMessageA(box, WM_COMMAND, IDOK, 0);
            return !seen.empty();
        });
        return seen;
    });
    about::ShowAbout("x");
    return shown.get();
}

TEST(About, AClassTheSystemRefusedIsRegisteredAtTheNextOpening) {
    WNDCLASSA taken{}; // the About window's class name, taken: its registration fails
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "FerSobre";
    ASSERT_NE(RegisterClassA(&taken), 0);
    EXPECT_EQ(OpenAbout(), "Register failed");
    UnregisterClassA("FerSobre", taken.hInstance);
    EXPECT_EQ(OpenAbout(), "About");
}

} // namespace
