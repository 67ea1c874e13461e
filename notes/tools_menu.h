// The external tools of the notes agenda in its menu: the list loaded from Tools.rel, the tool
// commands of the "Útiles" popup, and starting a tool in its working directory.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include "notes/tools_file.h"
#include "shared/util/system_path.h"

namespace notes {

// The tool in slot i has the menu command ToolCommandBase + i (531..594).
constexpr uint16_t ToolCommandBase = 530;

// The tools the menu shows: what Tools.rel held at start-up, or what the last Ok saved.
const ToolList &Tools();

// Reads Tools.rel of folder, the start directory, into Tools(), and binds it there for the saves;
// true when it existed and was read. Tells the user when it could not be read, or holds more
// tools than the menu has room for.
bool LoadTools(const util::SystemPath &folder);
// Writes list to Tools.rel through a safe replacement; once written, list becomes Tools().
// A failure is shown with the system's reason and leaves the old file whole. True when written.
bool SaveTools(const ToolList &list);

// Loads the menu resource menuName, attaches it to window, takes its popup at position
// (1-based, at most the last) for the tools, loads Tools.rel of folder and appends a command
// per tool.
void SetUpToolsMenu(HWND window, const char *menuName, int position, const util::SystemPath &folder);
// Replaces the items at the end of popup whose command is above base by one per tool.
void RebuildToolsMenu(HMENU popup, uint32_t base);
// Carries out 501 (the tools dialog) and 530..594 (the tool of that slot, when there is one);
// false for any other number.
bool HandleToolCommand(uint16_t number);
// Starts the tool with its working directory current, then makes the old one current again.
void RunTool(ToolEntry tool);

// Remembers the current directory and makes it current again when it goes out of scope,
// through the wide calls, so that a folder named outside the ANSI code page comes back too;
// tells the user when it cannot.
class CurrentDirectoryKeeper {
  public:
    CurrentDirectoryKeeper();
    ~CurrentDirectoryKeeper();
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper &) = delete;
    CurrentDirectoryKeeper &operator=(const CurrentDirectoryKeeper &) = delete;
    CurrentDirectoryKeeper(CurrentDirectoryKeeper &&) = delete;
    CurrentDirectoryKeeper &operator=(CurrentDirectoryKeeper &&) = delete;

  private:
    util::SystemPath remembered_;
};

} // namespace notes
