// Fixtures that drive the real programs end to end: started in a fresh folder, the main dialog
// found by caption, message boxes answered, the exit awaited. Tarvela's adds agenda.dat's notes.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <chrono>
#include <memory>
#include <set>
#include <string>
#include "notes/periods.h"
#include "shared/dates/names.h"
#include "shared/util/language.h"
#include "tests/unit/test_files.h"
#include "tests/win32/driver.h"

namespace driver {

using Lines = std::vector<std::string>;
inline std::vector<uint8_t> Bytes(const std::string &text) { return {text.begin(), text.end()}; }

class ProgramTest : public ::testing::Test {
  protected:
    ProgramTest(std::string exe, std::string caption) : exe_(std::move(exe)), caption_(std::move(caption)) {}

    testing_support::TempFolder folder;
    std::wstring startFolder = testing_support::SysPath(folder.dir); // where Launch starts the program
    std::unique_ptr<Program> program;
    HWND dialog = nullptr;

    void Launch(const std::string &arguments = "", const std::string &exe = "") {
        program =
            std::make_unique<Program>(exe.empty() ? exe_ : exe, util::PathToUtf8(startFolder), arguments);
    }
    void FindMainDialog() {
        ASSERT_NE(dialog = WaitForDialog(program->Id(), caption_), nullptr) << "the main dialog did not open";
    }
    void Start(const std::string &arguments = "") {
        Launch(arguments);
        FindMainDialog();
    }
    bool Command(int number) { return PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(number), 0); }

    // Waits for the box, checks its text (when given) and answers it; returns its text.
    std::string ExpectBox(const std::string &caption, int answer, const std::string &text = {}) {
        const HWND box = WaitForDialog(program->Id(), caption, true);
        EXPECT_NE(box, nullptr) << "no message box \"" << caption << "\"";
        if (box == nullptr) return {};
        const std::string shown = ControlText(box, 0xFFFF);
        EXPECT_TRUE(text.empty() || shown == text) << shown;
        PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        WaitUntil([&] { return !IsWindow(box); });
        return shown;
    }
    // True when, after a while, the main dialog is still the program's only dialog.
    bool NoBoxWithin(DWORD milliseconds) {
        Sleep(milliseconds);
        return FindDialog(program->Id(), "") == dialog && program->Running();
    }
    // Item 801 opens one About window, with one of its words on the button; asked again while it is
    // open it opens no other. Its button, then its close box, close it; the main dialog stays.
    void ExpectAbout(const std::string &title) {
        const std::set<std::string> words = {"bueno", "\241Ah!", "\241Oh!",  "ps\351",
                                             "hum!",  "mmm..",   "\241vaya!"};
        const auto windows = [&] {
            std::vector<HWND> found;
            for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "FerSobre", nullptr)) != nullptr;)
                if (DWORD owner = 0; GetWindowThreadProcessId(w, &owner) && owner == program->Id())
                    found.push_back(w);
            return found;
        };
        for (const bool byButton : {true, false}) {
            HWND about = nullptr;
            Command(801);
            ASSERT_TRUE(WaitUntil([&] {
                const std::vector<HWND> open = windows();
                return open.size() == 1 && words.count(ControlText(about = open[0], 1));
            })) << "no About window with a word on its button";
            EXPECT_EQ(WindowText(about), title);
            EXPECT_NE(SendMessageTimeoutA(dialog, WM_COMMAND, 801, 0, SMTO_NORMAL, 5000, nullptr), 0);
            EXPECT_EQ(windows(), std::vector<HWND>{about});
            byButton ? SendDlgItemMessageA(about, 1, BM_CLICK, 0, 0)
                     : SendMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
            EXPECT_TRUE(WaitUntil([&] { return windows().empty(); }));
            EXPECT_TRUE(IsWindowVisible(dialog));
        }
    }
    void ExpectExit() {
        DWORD code = 999;
        ASSERT_TRUE(program->WaitForExit(code)) << "the program did not end";
        EXPECT_EQ(code, 0u);
    }

  private:
    std::string exe_, caption_;
};

inline notes::NoteRecord On(std::chrono::sys_days when, const std::string &text = "") {
    const std::chrono::year_month_day date{when};
    return {{static_cast<uint16_t>(unsigned(date.day())), static_cast<uint16_t>(unsigned(date.month())),
             static_cast<uint16_t>(int(date.year()))},
            text};
}

inline Lines LinesOf(const std::vector<notes::NoteRecord> &notes) {
    Lines lines;
    for (const notes::NoteRecord &note : notes)
        lines.push_back(notes::NoteListLine(note).str());
    return lines;
}

class Tarvela : public ProgramTest {
  protected:
    Tarvela() : ProgramTest(TARVELA_EXE, "Mi agenda") {
        util::LanguageIndex = 2;
        dates::SelectLanguage();
    }
    const std::chrono::sys_days today = [] {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return std::chrono::sys_days{std::chrono::year{now.wYear} / now.wMonth / now.wDay};
    }();
    const std::string agenda = folder.dir + "agenda.dat";
    const std::string here = folder.dir.substr(0, folder.dir.size() - 1); // without the final "/"

    void WriteAgenda(const std::vector<notes::NoteRecord> &notes) {
        testing_support::WriteBytes(agenda, FileOf(notes));
    }
    // What a save of these notes writes, byte for byte.
    static std::vector<uint8_t> FileOf(const std::vector<notes::NoteRecord> &notes) {
        notes::NoteTable table;
        table.notes = notes;
        return notes::EncodeAgendaFile(table);
    }
    Lines List() const { return ListLines(dialog, 100); }
};

} // namespace driver
