// Drives a program's dialogs from the test process: start it in a folder, find its windows,
// read and set control texts (as Windows-1252), press buttons and answer message boxes.
// Every wait has a timeout; a Program still running when destroyed is ended.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace driver {

constexpr DWORD DefaultTimeoutMs = 10000;

class Program {
  public:
    Program(const std::string &exe, const std::string &folder, const std::string &arguments = "");
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const;
    // True with the exit code when the program ended within the timeout.
    bool WaitForExit(DWORD &exitCode, DWORD timeoutMs = DefaultTimeoutMs) const;

  private:
    PROCESS_INFORMATION info_{};
};

// Polls condition every 20 ms until it holds or the timeout passes.
bool WaitUntil(const std::function<bool()> &condition, DWORD timeoutMs = DefaultTimeoutMs);

// A visible dialog of the process whose caption starts with captionStart (a message box is
// a dialog too); WaitForBox wants the whole caption.
HWND FindDialog(DWORD processId, const std::string &captionStart);
HWND WaitForDialog(DWORD processId, const std::string &captionStart, DWORD timeoutMs = DefaultTimeoutMs);
HWND WaitForBox(DWORD processId, const std::string &caption, DWORD timeoutMs = DefaultTimeoutMs);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id); // a message box's text is control 0xFFFF
void SetText(HWND dialog, int id, const std::string &text);
std::vector<std::string> ListLines(HWND dialog, int id);
std::vector<std::string> ComboItems(HWND dialog, int id);
int ComboSelectionIndex(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
int FocusedControl(HWND dialog); // the id of the control with the keyboard focus, 0 when none

// Presses a button and returns when the program has handled it.
void Click(HWND dialog, int id);
// Presses a button without waiting: for buttons that open a message box.
void ClickAsync(HWND dialog, int id);
// Selects a list line or combo item (0-based) and notifies the dialog as the control would.
void SelectListLine(HWND dialog, int id, int index);
void SelectComboItem(HWND dialog, int id, int index);
void PressKey(HWND dialog, int id, WORD key);
void Answer(HWND box, int button);

std::wstring Wide(const std::string &text);   // from Windows-1252
std::string Narrow(const std::wstring &text); // to Windows-1252

// Holds a file open with no sharing, so that nobody else can read, replace or delete it.
class FileLock {
  public:
    explicit FileLock(const std::string &path);
    ~FileLock() { Release(); }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool Held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void Release();

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace driver
