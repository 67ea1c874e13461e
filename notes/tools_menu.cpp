#include <windows.h>
#include "notes/tools_menu.h"
#include <algorithm>
#include "notes/notes_ids.h"
#include "notes/tools_dialog.h"
#include "shared/convert/convert.h"
#include "shared/util/data_file_prompts.h"
#include "shared/util/files.h"
#include "shared/util/launch.h"
#include "shared/util/message_boxes.h"
#include "shared/util/system_reason.h"

namespace notes {

namespace {
using convert::ShortString;

struct ToolsMenuState {
    HMENU MainMenu = nullptr;
    HMENU ToolsSubmenu = nullptr;
    ToolList tools;
    util::DataFile file; // Tools.rel of the start directory
};

constexpr util::DataFileWords ToolsWords{ToolsFileName, "útiles", false};

ToolsMenuState state;

} // namespace

CurrentDirectoryKeeper::CurrentDirectoryKeeper() : remembered_(util::CurrentFolder()) {}

CurrentDirectoryKeeper::~CurrentDirectoryKeeper() {
    if (remembered_.empty() || SetCurrentDirectoryW(remembered_.c_str())) return;
    util::ShowMessageFlags("No se puede volver a la carpeta",
                           util::DisplayPath(remembered_) + ":\n" + util::SystemReason(GetLastError()),
                           MB_ICONEXCLAMATION);
}

const ToolList &Tools() { return state.tools; }

bool LoadTools(const util::SystemPath &folder) {
    state.file = util::BindDataFile(folder, ToolsWords);
    const std::vector<uint8_t> &bytes = util::LoadDataFile(state.file);
    util::ReportLoad(state.file);
    if (state.file.loaded != util::ReadStatus::Read) return false;
    state.tools = DecodeTools(bytes);
    if (state.tools.heldBackCount > 0)
        util::ReportHeldBack(state.file, MaxTools + state.tools.heldBackCount, MaxTools);
    return true;
}

bool SaveTools(const ToolList &list) {
    if (!util::SaveAsking(state.file, EncodeTools(list))) return false;
    state.tools = list;
    return true;
}

void SetUpToolsMenu(HWND window, const char *menuName, int position, const util::SystemPath &folder) {
    state.MainMenu = LoadMenuA(GetModuleHandleA(nullptr), menuName);
    // The template's own copy of the menu is replaced, so it goes.
    const HMENU templateMenu = GetMenu(window);
    SetMenu(window, state.MainMenu);
    if (templateMenu != nullptr) DestroyMenu(templateMenu);
    position = std::min(position, GetMenuItemCount(state.MainMenu));
    state.ToolsSubmenu = GetSubMenu(state.MainMenu, position - 1);
    if (LoadTools(folder)) RebuildToolsMenu(state.ToolsSubmenu, ToolCommandBase);
}

void RebuildToolsMenu(HMENU popup, uint32_t base) {
    for (int item = GetMenuItemCount(popup) - 1; item >= 0 && GetMenuItemID(popup, item) > base; --item)
        DeleteMenu(popup, static_cast<UINT>(item), MF_BYPOSITION);
    for (size_t slot = 1; slot <= state.tools.tools.size(); ++slot)
        AppendMenuA(popup, MF_STRING, base + slot, ShortString(state.tools.tools[slot - 1].title).c_str());
}

bool HandleToolCommand(uint16_t number) {
    if (number == IDM_EDIT_TOOLS) {
        if (EditTools() == 1) RebuildToolsMenu(state.ToolsSubmenu, ToolCommandBase);
        return true;
    }
    if (number < ToolCommandBase || number > ToolCommandBase + MaxTools) return false;
    const size_t slot = number - ToolCommandBase;
    if (slot >= 1 && slot <= state.tools.tools.size()) RunTool(state.tools.tools[slot - 1]);
    return true;
}

// A copy of the entry, as the launch may pump messages that reload the tools list it came from.
// NOLINTNEXTLINE(performance-unnecessary-value-param)
void RunTool(ToolEntry tool) {
    uint16_t result = 0;
    {
        const CurrentDirectoryKeeper keeper;
        const std::string &folder = tool.workingDirectory;
        if (!folder.empty() && !util::DirectoryExists(folder)) {
            util::ShowMessageFlags("No trobat directori...", folder, MB_ICONEXCLAMATION);
            return;
        }
        if (!folder.empty() && !SetCurrentDirectoryA(ShortString(folder).c_str())) {
            util::ShowMessageFlags("No se puede entrar en el directorio",
                                   folder + ":\n" + util::SystemReason(GetLastError()), MB_ICONEXCLAMATION);
            return;
        }
        result = util::LaunchTarget(tool.file);
    }
    // Told once the old directory is current again, so the box does not hold the tool's.
    if (util::LaunchFailed(result))
        util::ShowMessageFlags("No se puede abrir", tool.file + ":\n" + util::LaunchFailureReason(result),
                               MB_ICONEXCLAMATION);
}

} // namespace notes
