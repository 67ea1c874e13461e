// Drives a program's dialogs from the test process: start it in a folder, find its windows,
// read and set control texts (as Windows-1252), press buttons and answer message boxes.
// Every wait has a timeout; a Program that is still running when destroyed is ended.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

namespace driver {

constexpr DWORD DefaultTimeoutMs = 10000;

// A fresh folder under the temporary folder, removed with its files at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::string &Path() const { return path_; }
    std::string File(const std::string &name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

class Program {
  public:
    Program(const std::string &exe, const std::string &folder, const std::string &arguments = "");
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    DWORD Id() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    // True with the exit code when the program ended within the timeout.
    bool WaitForExit(DWORD &exitCode, DWORD timeoutMs = DefaultTimeoutMs);
    bool Running();

  private:
    PROCESS_INFORMATION info_{};
};

// Polls condition every 20 ms until it holds or the timeout passes.
bool WaitUntil(const std::function<bool()> &condition, DWORD timeoutMs = DefaultTimeoutMs);

// A visible dialog of the process whose caption starts with captionStart, or nullptr.
HWND FindDialog(DWORD processId, const std::string &captionStart);
HWND WaitForDialog(DWORD processId, const std::string &captionStart, DWORD timeoutMs = DefaultTimeoutMs);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::string &text);
std::vector<std::string> ListLines(HWND dialog, int id);
std::vector<std::string> ComboItems(HWND dialog, int id);
int ComboSelectionIndex(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
// The control of the dialog that has the keyboard focus, as its id (0 when none).
int FocusedControl(HWND dialog);

// Presses a button and returns when the dialog has handled it.
void Click(HWND dialog, int id);
// Presses a button without waiting: for buttons that open a message box.
void ClickAsync(HWND dialog, int id);
// Selects a list line or combo item (0-based; -1 none) and notifies the dialog as a user would.
void SelectListLine(HWND dialog, int id, int index);
void SelectComboItem(HWND dialog, int id, int index);
// Sends a key press to a control, as the keyboard would.
void PressKey(HWND dialog, int id, WORD key);

// A message box is a dialog of its own; its text is the static control 0xFFFF.
std::string MessageBoxText(HWND box);
bool HasButton(HWND box, int id);
void Answer(HWND box, int button);

// Waits for a box with that caption, checks nothing else; nullptr on timeout.
HWND WaitForMessageBox(DWORD processId, const std::string &caption, DWORD timeoutMs = DefaultTimeoutMs);

// Windows-1252 and UTF-16 conversions of the texts crossing the process boundary.
std::wstring Wide(const std::string &text);
std::string Narrow(const std::wstring &text);

std::vector<uint8_t> ReadFileBytes(const std::string &path);
void WriteFileBytes(const std::string &path, const std::vector<uint8_t> &bytes);
bool FileExists(const std::string &path);

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
