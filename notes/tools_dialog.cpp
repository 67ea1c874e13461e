#include <windows.h>
#include <commdlg.h>
#include "notes/tools_dialog.h"
#include <algorithm>
#include <cstddef>
#include <utility>
#include "notes/notes_ids.h"
#include "notes/tools_menu.h"
#include "shared/convert/convert.h"
#include "shared/dialogs/dialog_helpers.h"
#include "shared/util/language.h"
#include "shared/util/message_boxes.h"

namespace notes {

namespace {
using namespace dialogs;

// OPENFILENAMEA as Windows 95 and NT 4 knew it, without the later fields (what
// OPENFILENAME_SIZE_VERSION_400A gives): 76 bytes in the 32-bit program.
constexpr DWORD OpenFileNameSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(sizeof(void *) != 4 || OpenFileNameSize == 76);
constexpr size_t MaxBrowsedFileName = 99;

// Catalan and Spanish; English keeps the template's texts.
constexpr const char *ToolsCaptions[2] = {"Edició eines", "Edición útiles"};
constexpr struct {
    int id;
    const char *texts[2];
} ToolsLabels[] = {
    {IDC_TOOLS_LABEL, {"Eines", "Útiles"}},
    {IDC_TOOL_BOX, {"Eina", "Útil"}},
    {IDC_TOOL_TITLE_LABEL, {"Títol", "Título"}},
    {IDC_TOOL_FILE_LABEL, {"Fitxer", "Fichero"}},
    {IDC_TOOL_DIRECTORY_LABEL, {"Dir. de treball", "Dir. de trabajo"}},
    {IDC_TOOL_PARAMETERS_LABEL, {"paràmetres", "parámetros"}},
};

// Enter moves the focus from each of these controls to the next.
constexpr std::pair<int, int> EnterMoves[] = {{IDC_TOOL_TITLE, IDC_TOOL_FILE},
                                              {IDC_TOOL_FILE, IDC_TOOL_DIRECTORY},
                                              {IDC_TOOL_DIRECTORY, IDC_TOOL_PARAMETERS},
                                              {IDC_TOOL_PARAMETERS, IDC_STORE_TOOL},
                                              {IDC_STORE_TOOL, IDC_TOOL_LIST}};

struct ToolsDialogState {
    HWND window = nullptr;    // the open dialog, so that a second one is not opened
    ToolList list;            // the copy being edited; Ok saves it
    uint16_t CurrentTool = 1; // the slot the fields belong to; ToolCount + 1 for a new tool
    ToolEntry WorkingTool;
    std::string LastBrowsedFile; // kept between openings
};

ToolsDialogState state;

uint16_t ToolCount() { return static_cast<uint16_t>(state.list.tools.size()); }

bool EditingExistingTool() { return state.CurrentTool >= 1 && state.CurrentTool <= ToolCount(); }

ToolEntry &ToolAt(uint16_t slot) { return state.list.tools[slot - 1u]; }

void Enable(HWND dialog, int id, bool enabled) { EnableWindow(ControlHandle(dialog, id), enabled); }

void SetLanguageTexts(HWND dialog) {
    if (util::LanguageIndex != 0 && util::LanguageIndex != 2) return;
    const size_t language = util::LanguageIndex == 0 ? 0 : 1;
    SetWindowCaption(dialog, ToolsCaptions[language]);
    for (const auto &label : ToolsLabels)
        SetControlText(dialog, label.id, label.texts[language]);
}

void FillToolList(HWND dialog) {
    ListClear(dialog, IDC_TOOL_LIST);
    for (const ToolEntry &tool : state.list.tools)
        ListAdd(dialog, IDC_TOOL_LIST, tool.title);
}

void ShowTool(HWND dialog, const ToolEntry &tool) {
    int id = IDC_TOOL_TITLE;
    for (const std::string *field : ToolFields(tool))
        SetControlText(dialog, id++, *field);
}

void ReadToolFields(HWND dialog) {
    int id = IDC_TOOL_TITLE;
    for (std::string *field : ToolFields(state.WorkingTool))
        *field = GetControlText(dialog, id++);
}

void StartNewTool(HWND dialog) {
    ShowTool(dialog, {});
    for (const int id : {IDC_DELETE_TOOL, IDC_TOOL_UP, IDC_TOOL_DOWN})
        Enable(dialog, id, false);
    state.CurrentTool = static_cast<uint16_t>(ToolCount() + 1);
}

void UpdateMoveButtons(HWND dialog) {
    Enable(dialog, IDC_TOOL_UP, state.CurrentTool > 1);
    Enable(dialog, IDC_TOOL_DOWN, state.CurrentTool < ToolCount());
}

void SelectTool(HWND dialog) {
    const uint16_t line = ListSelection(dialog, IDC_TOOL_LIST);
    if (line == 0 || line > ToolCount()) return;
    state.CurrentTool = line;
    ShowTool(dialog, ToolAt(line));
    Enable(dialog, IDC_DELETE_TOOL, true);
    UpdateMoveButtons(dialog);
}

// "<- ok": the fields become the current tool, or a new last one while the list has room.
void StoreTool(HWND dialog) {
    ReadToolFields(dialog);
    if (EditingExistingTool()) {
        ToolAt(state.CurrentTool) = state.WorkingTool;
    } else if (ToolCount() < MaxTools) {
        state.list.tools.push_back(state.WorkingTool);
    } else {
        util::ShowMessageFlags("Lista llena",
                               "La lista ya tiene 64 útiles y no admite más.\n"
                               "Elimine alguno antes de añadir este.",
                               MB_ICONEXCLAMATION);
        return;
    }
    FillToolList(dialog);
    StartNewTool(dialog);
}

void DeleteCurrentTool(HWND dialog) {
    if (!EditingExistingTool()) return;
    const std::string question = "Eliminar \"" + ToolAt(state.CurrentTool).title + "\"?";
    if (!util::Agreed("Confirmar eliminar", question, MB_ICONQUESTION)) return;
    DeleteTool(state.list, state.CurrentTool);
    FillToolList(dialog);
    StartNewTool(dialog);
}

void MoveTool(HWND dialog, int step) {
    const int target = state.CurrentTool + step;
    if (!EditingExistingTool() || target < 1 || target > ToolCount()) return;
    std::swap(ToolAt(state.CurrentTool), ToolAt(static_cast<uint16_t>(target)));
    state.CurrentTool = static_cast<uint16_t>(target);
    FillToolList(dialog);
    ListSelect(dialog, IDC_TOOL_LIST, state.CurrentTool);
    UpdateMoveButtons(dialog);
}

// "···": the chosen file's name into the file field and, when none is typed, its folder
// into the working directory; the list is not touched.
void BrowseForToolFile(HWND dialog) {
    if (!BrowseForFile(state.LastBrowsedFile)) return;
    ReadToolFields(dialog);
    const std::string &path = state.LastBrowsedFile;
    const uint16_t backslash = convert::LastCharPos('\\', path);
    state.WorkingTool.file = path.substr(backslash, MaxBrowsedFileName);
    if (state.WorkingTool.workingDirectory.empty())
        state.WorkingTool.workingDirectory = path.substr(0, std::max(backslash, uint16_t{1}) - 1u);
    ShowTool(dialog, state.WorkingTool);
}

// Command 1, which Enter sends from any control of the dialog.
void MoveFocusOn(HWND dialog) {
    const HWND focus = GetFocus();
    for (const auto &[from, to] : EnterMoves)
        if (focus == ControlHandle(dialog, from)) SetFocus(ControlHandle(dialog, to));
}

void InitToolsDialog(HWND dialog) {
    state.window = dialog;
    SetLanguageTexts(dialog);
    FillToolList(dialog);
    StartNewTool(dialog);
}

void OnCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDOK: MoveFocusOn(dialog); break;
    case IDC_CLOSE_TOOLS: EndDialog(dialog, 0); break;
    case IDC_NEW_TOOL: StartNewTool(dialog); break;
    case IDC_DELETE_TOOL: DeleteCurrentTool(dialog); break;
    case IDC_TOOL_UP: MoveTool(dialog, -1); break;
    case IDC_TOOL_DOWN: MoveTool(dialog, +1); break;
    case IDC_BROWSE_TOOL_FILE: BrowseForToolFile(dialog); break;
    case IDC_STORE_TOOL: StoreTool(dialog); break;
    case IDC_SAVE_TOOLS:
        if (SaveTools(state.list)) EndDialog(dialog, 1);
        break;
    case IDC_TOOL_LIST:
        if (code == LBN_SELCHANGE) SelectTool(dialog);
        break;
    default: break;
    }
}

INT_PTR CALLBACK ToolsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: InitToolsDialog(dialog); return TRUE;
    case WM_COMMAND: OnCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return 0;
    default: return 0;
    }
}

} // namespace

int EditTools() {
    if (state.window != nullptr) {
        dialogs::BringToFront(state.window);
        return 0;
    }
    // The dialog works on a copy, so that "esc" leaves the list as the menu shows it.
    state.list = Tools();
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), "DlgTools", nullptr, ToolsDialogProc, 0);
    state.window = nullptr;
    return result == 1 ? 1 : 0;
}

bool BrowseForFile(std::string &path) {
    const CurrentDirectoryKeeper keeper; // the dialog may change it
    char name[260] = {};
    const std::string start = convert::ShortString(path);
    std::copy(start.begin(), start.end(), name);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = OpenFileNameSize;
    dialog.lpstrFilter = "All files (*.*)\0*.*\0";
    dialog.lpstrFile = name;
    dialog.nMaxFile = sizeof name;
    dialog.lpstrDefExt = "*";
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dialog)) return false;
    path = name;
    return true;
}

} // namespace notes
