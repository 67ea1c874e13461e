// Tarvela's menu end to end: the Start-menu installer (300), the tools (501, 531...) and the help
// document (800). The tools menu is also set up in this process, which has notes.rc linked in.
#include <windows.h>
#include <shlobj.h>
#include "notes/startup_batch_file.h"
#include "notes/tools_menu.h"
#include "tests/win32/program_test.h"

using namespace driver;
using notes::NoteRecord;

namespace {

const std::string Installer = "Instalación en el menú Inicio", ToolsCaption = "Edici\xF3n \xFAtiles";
constexpr int CloseTools = 2, DeleteTool = 4, Up = 5, Down = 6, StoreTool = 15, SaveTools = 20, ToolList = 40,
              Title = 100;

// A tool's four lines in Tools.rel, with no parameters.
std::string ToolLines(std::string title, const std::string &file, const std::string &folder = "") {
    return title.append("\r\n").append(file).append("\r\n").append(folder).append("\r\n\r\n");
}

class TarvelaMenu : public Tarvela {
  protected:
    const std::string toolsFile = folder.dir + "Tools.rel";
    HWND installer = nullptr;

    std::string OpenInstaller() { // its state and action lines
        WaitUntil([&] { return FindDialog(program->Id(), Installer) == nullptr; });
        Command(300);
        installer = WaitForDialog(program->Id(), Installer);
        return ControlText(installer, 20) + "|" + ControlText(installer, 21);
    }
    void Accept(const std::string &caption, const std::string &text = {}) {
        ClickAsync(installer, IDOK);
        ExpectBox(caption, IDOK, text);
    }
    void WriteTools(const std::string &text) { std::ofstream(toolsFile, std::ios::binary) << text; }
    std::vector<uint8_t> SavedTools() { return testing_support::ReadBytes(toolsFile); }
    HWND OpenTools() { return Command(501) ? WaitForDialog(program->Id(), ToolsCaption) : nullptr; }
};

TEST_F(TarvelaMenu, InstallerWritesAndDeletesTheBatchFileAndStaysOpenWhenItCannotWrite) {
    const std::string inicio = here + "\\Inicio", batch = inicio + "\\Tarvela.bat", missing = here + "\\nada";
    std::filesystem::create_directories(batch + ".tmp"); // a folder where the batch file is written first
    std::ofstream(here + "\\Tarvela.exe").put('x');
    Start();
    OpenInstaller();
    char shellStartup[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, shellStartup);
    EXPECT_EQ(ControlText(installer, 102), shellStartup); // the built-in folder does not exist
    const std::vector<std::vector<std::string>> refusals = {
        {"Falta", missing, "Programa no hallado", here + "\\Falta.exe"},
        {"Tarvela", missing, "El directorio no existe", missing},
        {"Tarvela", inicio, "No se puede instalar", ""}};
    for (const auto &refusal : refusals) {
        SetText(installer, 100, refusal[0]);
        SetText(installer, 102, refusal[1]);
        Accept(refusal[2], refusal[3]);
    }
    std::filesystem::remove(batch + ".tmp");
    Accept("Hecho", "Creado acceso de Tarvelaen el menú [Inicio]");
    EXPECT_EQ(testing_support::ReadBytes(batch), Bytes("cd /d \"" + here + "\"\r\n\"Tarvela.exe\" 1\r\n"));

    EXPECT_EQ(OpenInstaller(), "INSTALADO en menú INICIO|Acción: DESINSTALAR");
    EXPECT_EQ(ControlText(installer, 102), inicio);
    Accept("Desinstalado del menú INICIO", "Tarvela");
    EXPECT_FALSE(std::filesystem::exists(batch));

    EXPECT_EQ(OpenInstaller(), "NO INSTALADO en menú INICIO|Acción: INSTALAR");
    ShowWindow(installer, SW_MINIMIZE); // item 300 brings the open installer back, opens no other
    Command(300);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(installer); }, 3000));
}

TEST_F(TarvelaMenu, InfoOpensTheWholeHelpPathFromTheStartFolderElseBesideTheProgram) {
    const std::string log = here + "\\log", blank = here + "\\con blanco", help = blank + "\\Tarvela.pdf";
    std::filesystem::create_directory(blank);
    std::ofstream(help).put('x');
    ASSERT_TRUE(CopyFileA(TARVELA_EXE, (blank + "\\Tarvela.exe").c_str(), FALSE));
    char pdf[256] = {}; // the shell's "open" of .pdf goes to record_start until the end of the test
    LONG size = sizeof pdf;
    RegQueryValueA(HKEY_CLASSES_ROOT, ".pdf", pdf, &size);
    const std::string command = "\"" RECORD_START_EXE "\" \"" + log + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, "AgendaRecorder\\shell\\open\\command", REG_SZ, command.c_str(), 0);
    RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "AgendaRecorder", 0);
    for (const std::string &exe : {std::string(TARVELA_EXE), blank + "\\Tarvela.exe"}) {
        std::filesystem::remove(log); // started in the folder of the document, then away from it
        program = std::make_unique<Program>(exe, exe == TARVELA_EXE ? blank : here);
        FindMainDialog();
        Command(800);
        EXPECT_TRUE(WaitUntil([&] { return testing_support::ReadBytes(log) == Bytes(help); })) << exe;
    }
    RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, pdf, 0);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "AgendaRecorder");
}

TEST_F(TarvelaMenu, ToolsMenuHoldsTheEditorASeparatorAndOneCommandPerTool) {
    WriteTools(ToolLines("Bloc", "a.exe") + ToolLines("B", "b"));
    const HWND window =
        CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    notes::SetUpToolsMenu(window, "Mnu", 2, testing_support::SysPath(folder.dir));
    const HMENU popup = GetSubMenu(GetMenu(window), 1);
    for (int pass = 0; pass < 2; ++pass, notes::RebuildToolsMenu(popup, notes::ToolCommandBase)) {
        std::string items; // the same after a rebuild: it replaces the tool commands
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char text[64] = {};
            GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            items += std::to_string(GetMenuItemID(popup, i)) + " " + text + "|";
        }
        EXPECT_EQ(items, "501 " + ToolsCaption + "|0 |531 Bloc|532 B|");
    }
    DestroyWindow(window);
}

TEST_F(TarvelaMenu, ToolsStartInTheirWorkingDirectoryOrSayWhyNot) {
    const std::string recorder = RECORD_START_EXE " started.txt";
    std::filesystem::create_directory(folder.dir + "work");
    WriteTools(ToolLines("1", recorder, "work") + ToolLines("2", recorder) +
               ToolLines("3", recorder, "nowhere") + ToolLines("4", recorder, "Tools.rel") +
               ToolLines("5", "nothing-here.exe"));
    Start();
    Command(531);
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(folder.dir + "work/started.txt"); }));
    Command(532); // from Tarvela's own directory, which 531 has made current again
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(folder.dir + "started.txt"); }));
    Command(533);
    ExpectBox("No trobat directori...", IDOK, "nowhere");
    Command(534); // a file passes the folder search but cannot be entered
    EXPECT_EQ(ExpectBox("No se puede entrar en el directorio", IDOK).rfind("Tools.rel:\n", 0), 0u);
    Command(535);
    EXPECT_EQ(ExpectBox("No se puede abrir", IDOK).rfind("nothing-here.exe:\n", 0), 0u);
}

// Tarvela.exe started in a folder named outside Windows-1252 ("Lódz" to the ANSI calls): after a
// tool has run in its own folder, the tools and the notes are saved where they were read, without a
// question, and the installer takes the folder it shows in edit 101 for the folder itself.
TEST_F(TarvelaMenu, DataFilesAndTheStartUpEntryStayInAFolderNamedOutsideTheAnsiCodePage) {
    const std::wstring lodz = startFolder = testing_support::SysPath(here) + L"\\\u0141\u00F3d\u017A";
    const std::filesystem::path start(lodz), work = folder.dir + "work", inicio = folder.dir + "Inicio";
    std::filesystem::create_directories(start);
    std::filesystem::create_directory(work);
    std::filesystem::create_directory(inicio);
    std::filesystem::copy_file(TARVELA_EXE, start / "Tarvela.exe");
    const NoteRecord old = On(today + std::chrono::days{3}, "vieja"),
                     added = On(today + std::chrono::days{5}, "nueva");
    testing_support::WriteBytes(start / "agenda.dat", FileOf({old}));
    const std::string tool = ToolLines("1", RECORD_START_EXE " started.txt", work.string());
    testing_support::WriteBytes(start / "Tools.rel", Bytes(tool));
    Launch("", util::PathToUtf8(start / "Tarvela.exe"));
    FindMainDialog();
    Command(531);
    EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(work / "started.txt"); }));
    const HWND tools = OpenTools();
    SetText(tools, Title, "2");
    Click(tools, StoreTool);
    ClickAsync(tools, SaveTools); // saved without a question, so the dialog closes
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(tools); }));
    OpenInstaller();
    SetText(installer, 102, inicio.string());
    Accept("Hecho");
    EXPECT_EQ(testing_support::ReadBytes(inicio / "Tarvela.bat"),
              Bytes(notes::MakeStartupBatch(lodz, L"Tarvela").bytes));
    SetText(dialog, 112, dates::DateText(added.date));
    SetText(dialog, 110, added.text);
    Click(dialog, 3);
    ClickAsync(dialog, IDOK);
    ExpectBox("Hecho", IDOK, "modificaciones guardadas");
    ExpectExit();
    EXPECT_EQ(testing_support::ReadBytes(start / "agenda.dat"), FileOf({old, added}));
    EXPECT_EQ(testing_support::ReadBytes(start / "Tools.rel"), Bytes(tool + ToolLines("2", "")));
    EXPECT_FALSE(std::filesystem::exists(work / "agenda.dat") || std::filesystem::exists(work / "Tools.rel"));
}

TEST_F(TarvelaMenu, TheToolsDialogEditsACopyOfTheListThatOnlyOkSaves) {
    WriteTools(ToolLines("A", "a.exe") + ToolLines("B", "b.pdf"));
    Start();
    HWND tools = OpenTools();
    ASSERT_NE(tools, nullptr);
    // A second 501 brings the open dialog to the front and returns at once.
    EXPECT_NE(SendMessageTimeoutW(dialog, WM_COMMAND, 501, 0, SMTO_NORMAL, 3000, nullptr), 0);
    EXPECT_EQ(FindDialog(program->Id(), ToolsCaption), tools);
    PostMessageW(GetDlgItem(tools, Title), WM_LBUTTONDOWN, MK_LBUTTON, 0); // into the title field
    PostMessageW(GetDlgItem(tools, Title), WM_LBUTTONUP, 0, 0);
    const int enterMoves[] = {Title, 101, 102, 103, StoreTool}; // then Enter moves on field by field
    for (size_t i = 0; i < std::size(enterMoves); ++i) {
        EXPECT_TRUE(WaitUntil([&] { return FocusedControl(tools) == enterMoves[i]; }, 3000)) << i;
        if (i + 1 < std::size(enterMoves)) PressKey(tools, enterMoves[i], VK_RETURN);
    }
    for (int id = 100; id <= 103; ++id)
        SetText(tools, id, std::to_string(id));
    Click(tools, StoreTool);
    SelectListLine(tools, ToolList, 0);
    SetText(tools, Title, "A2");
    Click(tools, StoreTool);
    SelectListLine(tools, ToolList, 1);
    for (const int answer : {IDNO, IDYES}) { // after "No" the question comes again
        ClickAsync(tools, DeleteTool);
        ExpectBox("Confirmar eliminar", answer, "Eliminar \"B\"?");
    }
    SelectListLine(tools, ToolList, 0);
    Click(tools, Down);
    EXPECT_EQ(ListLines(tools, ToolList), Lines({"100", "A2"}));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(tools, Up)) && !IsWindowEnabled(GetDlgItem(tools, Down)));
    Click(tools, Up);
    {
        const FileLock lock = HoldFile(toolsFile);
        ClickAsync(tools, SaveTools);
        ExpectBox("Error al guardar", IDOK);
        EXPECT_TRUE(IsWindowVisible(tools));
    }
    Click(tools, SaveTools);
    EXPECT_EQ(SavedTools(), Bytes(ToolLines("A2", "a.exe") + "100\r\n101\r\n102\r\n103\r\n"));
    tools = OpenTools(); // "esc" drops what was done since the dialog opened
    SelectListLine(tools, ToolList, 0);
    ClickAsync(tools, DeleteTool);
    ExpectBox("Confirmar eliminar", IDYES, "Eliminar \"A2\"?");
    Click(tools, CloseTools);
    EXPECT_EQ(ListLines(OpenTools(), ToolList), Lines({"A2", "100"}));
}

} // namespace
