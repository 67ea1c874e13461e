// Tarvela's tools: the menu set up in this process (notes.rc is linked in); the real program running them.
#include <windows.h>
#include <gtest/gtest.h>
#include "notes/tools_menu.h"
#include "tests/win32/program_test.h"

using namespace driver;
using Lines = std::vector<std::string>;

namespace {

constexpr int Close = 2, Delete = 4, Up = 5, Down = 6, Store = 15, Ok = 20, ToolList = 40, Title = 100;
const std::string DialogCaption = "Edici\xF3n \xFAtiles";

// A tool's four lines in Tools.rel, with no parameters.
std::string ToolLines(std::string title, const std::string &file, const std::string &folder = "") {
    return title.append("\r\n").append(file).append("\r\n").append(folder).append("\r\n\r\n");
}

std::vector<uint8_t> Bytes(const std::string &text) { return {text.begin(), text.end()}; }

class Tools : public ProgramTest {
  protected:
    Tools() : ProgramTest(TARVELA_EXE, "Mi agenda") {}
    const std::string toolsFile = folder.dir + "Tools.rel";
    void Write(const std::string &text) { std::ofstream(toolsFile, std::ios::binary) << text; }
    std::vector<uint8_t> Saved() { return testing_support::ReadBytes(toolsFile); }
    bool Command(int number) { return PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(number), 0); }
    HWND OpenTools() { return Command(501) ? WaitForDialog(program->Id(), DialogCaption) : nullptr; }
};

TEST_F(Tools, MenuHoldsTheEditorASeparatorAndOneCommandPerTool) {
    Write(ToolLines("Bloc", "a.exe") + ToolLines("B", "b"));
    const notes::CurrentDirectoryKeeper keeper;
    ASSERT_TRUE(SetCurrentDirectoryA(folder.dir.c_str()));
    const HWND window =
        CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    notes::SetUpToolsMenu(window, "Mnu", 2);
    const HMENU popup = GetSubMenu(GetMenu(window), 1);
    for (int pass = 0; pass < 2; ++pass, notes::RebuildToolsMenu(popup, notes::ToolCommandBase)) {
        std::string items; // the same after a rebuild: it replaces the tool commands
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char text[64] = {};
            GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            items += std::to_string(GetMenuItemID(popup, i)) + " " + text + "|";
        }
        EXPECT_EQ(items, "501 " + DialogCaption + "|0 |531 Bloc|532 B|");
    }
    DestroyWindow(window);
}

TEST_F(Tools, StartInTheirWorkingDirectoryOrSayWhyNot) {
    const std::string recorder = RECORD_CWD_EXE " cwd.txt";
    std::filesystem::create_directory(folder.dir + "work");
    Write(ToolLines("1", recorder, "work") + ToolLines("2", recorder) + ToolLines("3", recorder, "nowhere") +
          ToolLines("4", recorder, "Tools.rel") + ToolLines("5", "nothing-here.exe"));
    Start();
    Command(531);
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(folder.dir + "work/cwd.txt"); }));
    Command(532); // from Tarvela's own directory, which 531 has made current again
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(folder.dir + "cwd.txt"); }));
    Command(533);
    ExpectBox("No trobat directori...", IDOK, "nowhere");
    Command(534); // a file passes the folder search but cannot be entered
    EXPECT_EQ(ExpectBox("No se puede entrar en el directorio", IDOK).rfind("Tools.rel:\n", 0), 0u);
    Command(535);
    EXPECT_EQ(ExpectBox("No se puede abrir", IDOK).rfind("nothing-here.exe:\n", 0), 0u);
}

TEST_F(Tools, TheDialogEditsACopyOfTheListThatOnlyOkSaves) {
    Write(ToolLines("A", "a.exe") + ToolLines("B", "b.pdf"));
    Start();
    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(ControlText(tools, 33), "Dir. de trabajo");
    // A second 501 brings the open dialog to the front and returns at once.
    EXPECT_NE(SendMessageTimeoutW(dialog, WM_COMMAND, 501, 0, SMTO_NORMAL, 3000, nullptr), 0);
    EXPECT_EQ(FindDialog(program->Id(), DialogCaption), tools);
    for (int id = 100; id <= 103; ++id)
        SetText(tools, id, std::to_string(id));
    Click(tools, Store);
    SelectListLine(tools, ToolList, 0);
    SetText(tools, Title, "A2");
    Click(tools, Store);
    SelectListLine(tools, ToolList, 1);
    for (const int answer : {IDNO, IDYES}) { // after "No" the question comes again
        ClickAsync(tools, Delete);
        ExpectBox("Confirmar eliminar", answer, "Eliminar \"B\"?");
    }
    SelectListLine(tools, ToolList, 0);
    Click(tools, Down);
    EXPECT_EQ(ListLines(tools, ToolList), Lines({"100", "A2"}));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(tools, Up)) && !IsWindowEnabled(GetDlgItem(tools, Down)));
    Click(tools, Up);
    {
        FileLock lock(toolsFile);
        ClickAsync(tools, Ok);
        ExpectBox("Error al guardar", IDOK);
        EXPECT_TRUE(IsWindowVisible(tools));
    }
    Click(tools, Ok);
    EXPECT_EQ(Saved(), Bytes(ToolLines("A2", "a.exe") + "100\r\n101\r\n102\r\n103\r\n"));
    tools = OpenTools(); // "esc" drops what was done since the dialog opened
    SelectListLine(tools, ToolList, 0);
    ClickAsync(tools, Delete);
    ExpectBox("Confirmar eliminar", IDYES, "Eliminar \"A2\"?");
    Click(tools, Close);
    EXPECT_EQ(ListLines(OpenTools(), ToolList), Lines({"A2", "100"}));
}

TEST_F(Tools, AListThatCouldNotBeReadIsReplacedOnlyWhenAsked) {
    Write(ToolLines("A", "a.exe"));
    const auto original = Saved();
    auto lock = std::make_unique<FileLock>(toolsFile);
    Start();
    lock.reset();
    const HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(ListLines(tools, ToolList).empty());
    ClickAsync(tools, Ok);
    ExpectBox("Reemplazar Tools.rel", IDNO);
    EXPECT_TRUE(IsWindowVisible(tools));
    EXPECT_EQ(Saved(), original);
    ClickAsync(tools, Ok);
    ExpectBox("Reemplazar Tools.rel", IDYES);
    EXPECT_TRUE(WaitUntil([&] { return Saved().empty(); }));
}

} // namespace
