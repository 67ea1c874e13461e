// Tarvela's Start-menu installer (menu item 300) and help document (800), end to end.
#include <windows.h>
#include <shlobj.h>
#include "tests/win32/program_test.h"

using namespace driver;

namespace {

std::vector<uint8_t> Bytes(const std::string &text) { return {text.begin(), text.end()}; }
const std::string Installer = "Instalación en el menú Inicio";

class Tarvela : public ProgramTest {
  protected:
    Tarvela() : ProgramTest(TARVELA_EXE, "Mi agenda") {}
    const std::string here = folder.dir.substr(0, folder.dir.size() - 1); // without the final "/"
    HWND installer = nullptr;

    std::string OpenInstaller() { // from item 300; its state and action lines
        WaitUntil([&] { return FindDialog(program->Id(), Installer) == nullptr; });
        PostMessageW(dialog, WM_COMMAND, 300, 0);
        installer = WaitForDialog(program->Id(), Installer);
        return ControlText(installer, 20) + "|" + ControlText(installer, 21);
    }
    void Accept(const std::string &caption, const std::string &text = {}) {
        ClickAsync(installer, IDOK);
        ExpectBox(caption, IDOK, text);
    }
};

TEST_F(Tarvela, InstallerWritesAndDeletesTheBatchFileAndStaysOpenWhenItCannotWrite) {
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
    EXPECT_EQ(testing_support::ReadBytes(batch), Bytes("cd /d " + here + "\r\nTarvela 1\r\n"));

    EXPECT_EQ(OpenInstaller(), "INSTALADO en menú INICIO|Acción: DESINSTALAR");
    EXPECT_EQ(ControlText(installer, 102), inicio);
    Accept("Desinstalado del menú INICIO", "Tarvela");
    EXPECT_FALSE(std::filesystem::exists(batch));

    EXPECT_EQ(OpenInstaller(), "NO INSTALADO en menú INICIO|Acción: INSTALAR");
    ShowWindow(installer, SW_MINIMIZE); // item 300 brings the open installer back, opens no other
    PostMessageW(dialog, WM_COMMAND, 300, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(installer); }, 3000));
}

TEST_F(Tarvela, InfoOpensTheWholeHelpPathFromTheStartFolderElseBesideTheProgram) {
    const std::string log = here + "\\log", blank = here + "\\con blanco", help = blank + "\\Tarvela.pdf";
    std::filesystem::create_directory(blank);
    std::ofstream(help).put('x');
    ASSERT_TRUE(CopyFileA(TARVELA_EXE, (blank + "\\Tarvela.exe").c_str(), FALSE));
    char pdf[256] = {}; // the shell's "open" of .pdf goes to record_open until the end of the test
    LONG size = sizeof pdf;
    RegQueryValueA(HKEY_CLASSES_ROOT, ".pdf", pdf, &size);
    const std::string command = "\"" RECORD_OPEN_EXE "\" \"" + log + "\" \"%1\"";
    RegSetValueA(HKEY_CLASSES_ROOT, "AgendaRecorder\\shell\\open\\command", REG_SZ, command.c_str(), 0);
    RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, "AgendaRecorder", 0);
    for (const std::string &exe : {std::string(TARVELA_EXE), blank + "\\Tarvela.exe"}) {
        std::filesystem::remove(log); // started in the folder of the document, then away from it
        program = std::make_unique<Program>(exe, exe == TARVELA_EXE ? blank : here);
        FindMainDialog();
        PostMessageW(dialog, WM_COMMAND, 800, 0);
        EXPECT_TRUE(WaitUntil([&] { return testing_support::ReadBytes(log) == Bytes(help); })) << exe;
    }
    RegSetValueA(HKEY_CLASSES_ROOT, ".pdf", REG_SZ, pdf, 0);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "AgendaRecorder");
}

} // namespace
