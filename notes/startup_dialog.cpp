#include <windows.h>
#include <shlobj.h>
#include <string>
#include <vector>
#include "notes/startup_dialog.h"
#include "notes/notes_ids.h"
#include "notes/startup_batch.h"
#include "notes/startup_batch_file.h"
#include "shared/dialogs/dialog_helpers.h"
#include "shared/util/file_io.h"
#include "shared/util/files.h"
#include "shared/util/message_boxes.h"

namespace notes {

namespace {
using namespace dialogs;

// Where older Spanish Windows kept the start-up folder; no current Windows has it.
constexpr const wchar_t *BuiltInStartupFolder =
    L"C:\\Documents and Settings\\All Users\\Menú Inicio\\Programas\\Inicio";

// What CreateStartupBatch did; BatchNotWritten comes with the system's reason, NoBatchForm with
// what the batch file cannot name.
enum BatchResult : int {
    BatchWritten = 0,
    ProgramNotFound = 1,
    StartupFolderMissing = 2,
    BatchNotWritten = 3,
    NoBatchForm = 4
};

// The folders as the system names them; their edits show them in the ANSI code page.
struct StartupDialogState {
    util::SystemPath StartupFolder; // kept for the process, from the first opening on
    bool folderChosen = false;
    std::string ProgramName;
    util::SystemPath ProgramFolder;
    util::SystemPath StartupBatchPath;
    std::string openingName; // ProgramName when the dialog opened: the batch file an uninstall deletes
    bool IsInstalled = false;
    HWND window = nullptr; // the open dialog, nullptr when none
};

StartupDialogState state;

// The built-in folder where it exists, else the current user's start-up folder as the shell
// reports it.
util::SystemPath FirstStartupFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (util::DirectoryExists(BuiltInStartupFolder) ||
        FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return BuiltInStartupFolder;
    return folder;
}

util::SystemPath BatchPathFor(const std::string &programName) {
    return StartupBatchPath(state.StartupFolder, util::PathFromAnsi(programName));
}
util::SystemPath ProgramPath() {
    return StartupProgramPath(state.ProgramFolder, util::PathFromAnsi(state.ProgramName));
}

// The path an edit stands for: left as shown, the path it was filled with, of which it shows
// only a best fit when a letter is outside the ANSI code page (Ł as L); changed, its text.
util::SystemPath EditedPath(HWND dialog, int id, const util::SystemPath &shown) {
    const std::string text = GetControlText(dialog, id);
    return text == util::DisplayPath(shown) ? shown : util::PathFromAnsi(text);
}

void InitStartupDialog(HWND dialog) {
    state.window = dialog;
    state.ProgramName = state.openingName = util::ProgramBaseName();
    state.StartupBatchPath = BatchPathFor(state.ProgramName);
    state.IsInstalled = util::FileExists(state.StartupBatchPath);
    SetControlText(dialog, IDC_INSTALL_STATE,
                   state.IsInstalled ? "INSTALADO en menú INICIO" : "NO INSTALADO en menú INICIO");
    SetControlText(dialog, IDC_INSTALL_ACTION,
                   state.IsInstalled ? "Acción: DESINSTALAR" : "Acción: INSTALAR");
    state.ProgramFolder = util::CurrentFolder();
    SetControlText(dialog, IDC_PROGRAM_NAME, state.ProgramName);
    SetControlText(dialog, IDC_STARTUP_FOLDER, util::DisplayPath(state.StartupFolder));
    SetControlText(dialog, IDC_PROGRAM_FOLDER, util::DisplayPath(state.ProgramFolder));
    SetFocus(ControlHandle(dialog, IDOK));
}

// Writes the batch file through a temporary file, so a failed write leaves any old one whole.
BatchResult CreateStartupBatch(std::string &reason) {
    if (!util::FileExists(ProgramPath())) return ProgramNotFound;
    if (!util::DirectoryExists(state.StartupFolder)) return StartupFolderMissing;
    const StartupBatchBytes batch =
        MakeStartupBatch(state.ProgramFolder, util::PathFromAnsi(state.ProgramName));
    if (batch.bytes.empty()) {
        reason = util::DisplayPath(batch.unnamable);
        return NoBatchForm;
    }
    const util::WriteResult written = util::WriteFileSafely(
        BatchPathFor(state.ProgramName), std::vector<uint8_t>(batch.bytes.begin(), batch.bytes.end()));
    reason = written.reason;
    return written.ok ? BatchWritten : BatchNotWritten;
}

void Install(HWND dialog) {
    state.ProgramName = GetControlText(dialog, IDC_PROGRAM_NAME);
    state.ProgramFolder = EditedPath(dialog, IDC_PROGRAM_FOLDER, state.ProgramFolder);
    std::string reason;
    switch (CreateStartupBatch(reason)) {
    case BatchWritten: // the name runs into "en": the message has read so from the start
        util::ShowMessageFlags("Hecho", "Creado acceso de " + state.ProgramName + "en el menú [Inicio]",
                               MB_ICONINFORMATION);
        EndDialog(dialog, Installed);
        break;
    case ProgramNotFound:
        util::ShowMessageFlags("Programa no hallado", util::DisplayPath(ProgramPath()), MB_ICONEXCLAMATION);
        break;
    case StartupFolderMissing:
        util::ShowMessageFlags("El directorio no existe", util::DisplayPath(state.StartupFolder),
                               MB_ICONEXCLAMATION);
        break;
    case BatchNotWritten:
        util::ShowMessageFlags("No se puede instalar",
                               "No se ha podido escribir " +
                                   util::DisplayPath(BatchPathFor(state.ProgramName)) + ":\n" + reason,
                               MB_ICONEXCLAMATION);
        break;
    case NoBatchForm:
        util::ShowMessageFlags("No se puede instalar",
                               reason +
                                   ":\nel archivo de inicio no puede nombrarlo: tiene letras que la consola "
                                   "de Windows no admite, y no tiene nombre corto (8.3). Cambie el nombre "
                                   "de la carpeta o del programa.",
                               MB_ICONEXCLAMATION);
        break;
    }
}

// A batch file that is gone already counts as removed; one that stays is reported, and the
// dialog stays open in the uninstall state.
void Uninstall(HWND dialog) {
    const util::WriteResult erased = util::EraseFile(state.StartupBatchPath);
    if (!erased.ok && util::FileExists(state.StartupBatchPath)) {
        util::ShowMessageFlags("No se puede desinstalar",
                               "No se ha podido borrar " + util::DisplayPath(state.StartupBatchPath) + ":\n" +
                                   erased.reason,
                               MB_ICONEXCLAMATION);
        return;
    }
    util::ShowMessage("Desinstalado del menú INICIO", state.ProgramName);
    EndDialog(dialog, NotInstalled);
}

// "Aceptar": the batch file to delete is the one the dialog found when it opened, in the
// start-up folder as it was before this press.
void CarryOutAction(HWND dialog) {
    state.StartupBatchPath = BatchPathFor(state.openingName);
    state.StartupFolder = EditedPath(dialog, IDC_STARTUP_FOLDER, state.StartupFolder);
    if (state.IsInstalled)
        Uninstall(dialog);
    else
        Install(dialog);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK: CarryOutAction(dialog); break;
    case IDCANCEL: EndDialog(dialog, state.IsInstalled ? Installed : NotInstalled); break;
    case IDC_PROGRAM_FOLDER_BUTTON: util::ShowMessage("ti ti", "Bt1"); break;
    case IDC_STARTUP_FOLDER_BUTTON: util::ShowMessage("ti ti", "Bt2"); break;
    default: break;
    }
}

INT_PTR CALLBACK StartupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitStartupDialog(dialog); return FALSE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam)); return 0;
    default: return 0;
    }
}

} // namespace

StartupDialogResult RunStartupDialog() {
    if (state.window != nullptr) {
        dialogs::BringToFront(state.window);
        return AlreadyOpen;
    }
    if (!state.folderChosen) state.StartupFolder = FirstStartupFolder();
    state.folderChosen = true;
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), "DlgIni", nullptr, StartupDialogProc, 0);
    state.window = nullptr;
    return result == Installed ? Installed : NotInstalled;
}

void RunStartupInstaller(HMENU menu) {
    const StartupDialogResult result = RunStartupDialog();
    if (result == AlreadyOpen) return;
    const UINT mark = result == Installed ? MF_CHECKED : MF_UNCHECKED;
    CheckMenuItem(menu, IDM_STARTUP_ENTRY, MF_BYCOMMAND | mark);
}

} // namespace notes
