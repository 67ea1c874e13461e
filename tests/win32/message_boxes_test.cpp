// The message boxes, shown by the test's thread and checked and answered from a second thread.
#include <windows.h>
#include <gtest/gtest.h>
#include <future>
#include <string>
#include "shared/util/message_boxes.h"
#include "tests/win32/driver.h"

namespace {

// 300 characters each, of which the first 255 are told apart from the rest.
const std::string Caption = std::string(255, 'c') + std::string(45, 'x');
const std::string Text = std::string(255, 't') + std::string(45, 'x');

// Waits for the box of this process, checks it and presses answer (Cancel or OK as well, so
// that a box with other buttons than expected cannot hang the test).
void Answer(int answer, std::string buttons, LPCSTR icon, HWND owner) {
    SCOPED_TRACE("buttons " + buttons + ", answer " + std::to_string(answer));
    const HWND box = driver::WaitForDialog(GetCurrentProcessId(), Caption.substr(0, 255), true, 5000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(driver::ControlText(box, 0xFFFF), Text.substr(0, 255));
    std::string ids; // of the box's buttons, as digits: 1 OK, 2 Cancel, 6 Yes, 7 No
    for (int id = IDOK; id <= IDNO; ++id)
        if (GetDlgItem(box, id)) ids += static_cast<char>('0' + id);
    EXPECT_EQ(ids, buttons);
    const LRESULT shown = SendMessageA(FindWindowExA(box, nullptr, "Static", nullptr), STM_GETICON, 0, 0);
    EXPECT_EQ(reinterpret_cast<HICON>(shown), icon ? LoadIconA(nullptr, icon) : nullptr); // 1st static
    EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
    for (const int id : {answer, IDCANCEL, IDOK})
        PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

TEST(MessageBoxes, EachShowsItsButtonsIconAndOwnerAndReturnsThePressedOne) {
    const struct {
        int (*show)(std::string_view, std::string_view);
        bool owned; // shown while a window of the test is active, which is then the owner
        const char *buttons;
        LPCSTR icon;
        int answer;
    } cases[] = {
        {util::ShowMessage, false, "1", nullptr, IDOK},
        {[](auto c, auto t) { return util::ShowMessageFlags(c, t, 0x30); }, false, "1", IDI_EXCLAMATION,
         IDOK},
        {util::AskYesNo, true, "67", nullptr, IDYES},
        {[](auto c, auto t) { return util::AskYesNoFlags(c, t, 0x20); }, false, "67", IDI_QUESTION, IDNO},
        {util::AskYesNoCancel, false, "267", nullptr, IDCANCEL},
    };
    for (const auto &c : cases) {
        const HWND owner = c.owned ? CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                                     99, 99, nullptr, nullptr, nullptr, nullptr)
                                   : nullptr;
        ASSERT_EQ(GetActiveWindow(), owner);
        auto answer = std::async(std::launch::async, Answer, c.answer, c.buttons, c.icon, owner);
        EXPECT_EQ(c.show(Caption, Text), c.answer) << "row " << &c - cases;
        answer.get();
        if (owner) DestroyWindow(owner);
    }
}

} // namespace
