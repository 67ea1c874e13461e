// The message boxes, shown by the test's thread and answered from a second thread that looks
// at the box first.
#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include "shared/util/message_boxes.h"

namespace {

constexpr auto Timeout = std::chrono::seconds(5);
const struct {
    int id;
    const char *name;
} ButtonNames[] = {{IDOK, "OK "}, {IDYES, "Yes "}, {IDNO, "No "}, {IDCANCEL, "Cancel "}};

struct SeenBox {
    bool found = false;
    std::string caption, text;
    std::string buttons; // the names of the buttons it has, in ButtonNames' order
    HICON icon = nullptr;
    HWND owner = nullptr;
};

std::string WindowText(HWND window) {
    char buffer[1024] = {};
    return std::string(buffer, static_cast<size_t>(GetWindowTextA(window, buffer, sizeof buffer)));
}

BOOL CALLBACK FindDialogOfThread(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND *>(found) = window;
    return FALSE;
}

HWND DialogOfThread(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(thread, FindDialogOfThread, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The icon a visible SS_ICON static of the box shows, or none.
BOOL CALLBACK FindIcon(HWND child, LPARAM icon) {
    const auto style = static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE));
    if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
        *reinterpret_cast<HICON *>(icon) = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    return TRUE;
}

bool WaitFor(const std::function<bool()> &condition) {
    const auto end = std::chrono::steady_clock::now() + Timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Waits for the box that thread shows, records what it shows, and presses answer; if the box
// stays open it presses any button it has, so that the test cannot hang.
SeenBox AnswerBox(DWORD thread, int answer) {
    SeenBox seen;
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = DialogOfThread(thread)) != nullptr; })) return seen;
    seen.found = true;
    seen.caption = WindowText(box);
    seen.text = WindowText(GetDlgItem(box, 0xFFFF));
    for (const auto &button : ButtonNames)
        if (GetDlgItem(box, button.id)) seen.buttons += button.name;
    EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen.icon));
    seen.owner = GetWindow(box, GW_OWNER);
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    if (!WaitFor([&] { return !IsWindow(box); }))
        for (const auto &button : ButtonNames)
            if (GetDlgItem(box, button.id)) PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(button.id), 0);
    return seen;
}

// Runs show on this thread while another thread answers the box it shows.
SeenBox ShowAndAnswer(const std::function<int()> &show, int answer, int &result) {
    auto seen = std::async(std::launch::async, AnswerBox, GetCurrentThreadId(), answer);
    result = show();
    return seen.get();
}

TEST(MessageBoxes, EachOperationShowsItsButtonsAndReturnsThePressedOne) {
    using Show = int (*)(std::string_view, std::string_view);
    const Show showMessage = util::ShowMessage, askYesNo = util::AskYesNo,
               askYesNoCancel = util::AskYesNoCancel;
    const Show exclamation = [](std::string_view c, std::string_view t) {
        return util::ShowMessageFlags(c, t, 0x30);
    };
    const Show question = [](std::string_view c, std::string_view t) {
        return util::AskYesNoFlags(c, t, 0x20);
    };
    struct Case {
        const char *caption;
        Show show;
        const char *buttons;
        LPCSTR icon;
        int answer;
    };
    const Case cases[] = {
        {"ShowMessage", showMessage, "OK ", nullptr, IDOK},
        {"ShowMessageFlags", exclamation, "OK ", IDI_EXCLAMATION, IDOK},
        {"AskYesNo yes", askYesNo, "Yes No ", nullptr, IDYES},
        {"AskYesNo no", askYesNo, "Yes No ", nullptr, IDNO},
        {"AskYesNoFlags", question, "Yes No ", IDI_QUESTION, IDNO},
        {"AskYesNoCancel yes", askYesNoCancel, "Yes No Cancel ", nullptr, IDYES},
        {"AskYesNoCancel no", askYesNoCancel, "Yes No Cancel ", nullptr, IDNO},
        {"AskYesNoCancel cancel", askYesNoCancel, "Yes No Cancel ", nullptr, IDCANCEL},
    };
    const std::string text = "\xBFguardar los cambios?";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.caption);
        int result = 0;
        const SeenBox seen = ShowAndAnswer([&] { return c.show(c.caption, text); }, c.answer, result);
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, c.caption);
        EXPECT_EQ(seen.text, text);
        EXPECT_EQ(seen.buttons, c.buttons);
        EXPECT_EQ(seen.icon, c.icon ? LoadIconA(nullptr, c.icon) : nullptr);
        EXPECT_EQ(result, c.answer);
    }
}

TEST(MessageBoxes, CaptionAndTextAreCutTo255) {
    std::string caption, text;
    for (int i = 0; i < 300; ++i) {
        caption += static_cast<char>('a' + i % 26);
        text += static_cast<char>('A' + i % 26);
    }
    int result = 0;
    const SeenBox seen = ShowAndAnswer([&] { return util::ShowMessage(caption, text); }, IDOK, result);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, caption.substr(0, 255));
    EXPECT_EQ(seen.text, text.substr(0, 255));
    EXPECT_EQ(result, IDOK);
}

TEST(MessageBoxes, OwnerIsTheActiveWindowOfTheThread) {
    HWND window = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    ASSERT_EQ(GetActiveWindow(), window);
    int result = 0;
    SeenBox seen = ShowAndAnswer([] { return util::AskYesNo("owned", "t"); }, IDYES, result);
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, window);
    EXPECT_EQ(result, IDYES);

    DestroyWindow(window);
    ASSERT_EQ(GetActiveWindow(), nullptr);
    seen = ShowAndAnswer([] { return util::ShowMessage("unowned", "t"); }, IDOK, result);
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_EQ(result, IDOK);
}

} // namespace
