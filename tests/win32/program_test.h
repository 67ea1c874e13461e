// A fixture for driving one of the programs end to end: started in a fresh folder, its main
// dialog found by caption, its message boxes answered, its exit awaited.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include "tests/unit/test_files.h"
#include "tests/win32/driver.h"

namespace driver {

class ProgramTest : public ::testing::Test {
  protected:
    ProgramTest(std::string exe, std::string caption) : exe_(std::move(exe)), caption_(std::move(caption)) {}

    testing_support::TempFolder folder;
    std::unique_ptr<Program> program;
    HWND dialog = nullptr;

    void Launch(const std::string &arguments = "") {
        program = std::make_unique<Program>(exe_, folder.dir, arguments);
    }

    // Launches the program and waits for its main dialog.
    void Start(const std::string &arguments = "") {
        Launch(arguments);
        ASSERT_NE(dialog = WaitForDialog(program->Id(), caption_), nullptr) << "the main dialog did not open";
    }

    void FindMainDialog() { ASSERT_NE(dialog = WaitForDialog(program->Id(), caption_), nullptr); }

    // Waits for the box, checks its text (when given) and answers it; returns its text.
    std::string ExpectBox(const std::string &caption, int answer, const std::string &text = {}) {
        const HWND box = WaitForBox(program->Id(), caption);
        EXPECT_NE(box, nullptr) << "no message box \"" << caption << "\"";
        if (box == nullptr) return {};
        const std::string shown = ControlText(box, 0xFFFF);
        if (!text.empty()) {
            EXPECT_EQ(shown, text);
        }
        Answer(box, answer);
        WaitUntil([&] { return !IsWindow(box); });
        return shown;
    }

    // True when, after a while, the main dialog is still the program's only dialog.
    bool NoBoxWithin(DWORD milliseconds) {
        Sleep(milliseconds);
        return FindDialog(program->Id(), "") == dialog && program->Running();
    }

    void ExpectExit() {
        DWORD code = 999;
        ASSERT_TRUE(program->WaitForExit(code)) << "the program did not end";
        EXPECT_EQ(code, 0u);
    }

  private:
    std::string exe_, caption_;
};

} // namespace driver
