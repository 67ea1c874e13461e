// Drives a program's dialogs from the test process: start it in a folder, find its windows,
// read and set control texts (as Windows-1252), press buttons and answer message boxes.
// Every wait has a timeout; a Program still running when destroyed is ended.
#pragma once
#include <windows.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "shared/util/system_path.h"

namespace driver {

constexpr DWORD DefaultTimeoutMs = 10000;

// Control texts as the programs hold them, in Windows-1252.
inline std::wstring Wide(const std::string &text) { return util::WideFromCodePage(1252, text); }
inline std::string Narrow(const std::wstring &text) { return util::WideToCodePage(1252, text); }

class Program {
  public:
    // exe, folder and arguments in UTF-8, so that a folder may be named outside the ANSI code page.
    Program(std::string exe, const std::string &folder, const std::string &arguments = "") {
        for (char &c : exe)
            if (c == '/') c = '\\';
        std::wstring commandLine =
            util::PathFromUtf8("\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessW(util::PathFromUtf8(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, util::PathFromUtf8(folder).c_str(), &startup, &info_))
            info_ = {};
    }
    ~Program() {
        if (info_.hProcess == nullptr) return;
        if (Running()) TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, DefaultTimeoutMs);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;
    DWORD Id() const { return info_.dwProcessId; }
    bool Running() const {
        return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
    }
    // True with the exit code when the program ended within the timeout.
    bool WaitForExit(DWORD &exitCode, DWORD timeoutMs = DefaultTimeoutMs) const {
        return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
    }

  private:
    PROCESS_INFORMATION info_{};
};

// Polls condition every 20 ms until it holds or the timeout passes.
inline bool WaitUntil(const std::function<bool()> &condition, DWORD timeoutMs = DefaultTimeoutMs) {
    for (const ULONGLONG end = GetTickCount64() + timeoutMs; !condition(); Sleep(20))
        if (GetTickCount64() > end) return false;
    return true;
}

inline std::string WindowText(HWND window) {
    const auto length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                                 reinterpret_cast<LPARAM>(text.data()))));
    return Narrow(text);
}
inline std::string ControlText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
} // a box's: 0xFFFF

// A visible dialog of the process whose caption is caption (whole) or starts with it (a message
// box is a dialog too).
inline HWND FindDialog(DWORD processId, const std::string &caption, bool whole = false) {
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != processId || !IsWindowVisible(window)) continue;
        const std::string text = WindowText(window);
        if (whole ? text == caption : text.rfind(caption, 0) == 0) return window;
    }
    return nullptr;
}
inline HWND WaitForDialog(DWORD processId, const std::string &caption, bool whole = false,
                          DWORD timeoutMs = DefaultTimeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(processId, caption, whole)) != nullptr; }, timeoutMs);
    return found;
}

inline void SetText(HWND dialog, int id, const std::string &text) {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

// The lines of a list box, or the items of a combo box when combo is set.
inline std::vector<std::string> ListLines(HWND dialog, int id, bool combo = false) {
    const HWND control = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    const auto count = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i) {
        std::wstring text(
            static_cast<size_t>(SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0)), L'\0');
        text.push_back(L'\0');
        SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.pop_back();
        items.push_back(Narrow(text));
    }
    return items;
}
inline std::vector<std::string> ComboItems(HWND dialog, int id) { return ListLines(dialog, id, true); }

inline bool IsChecked(HWND dialog, int id) {
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The id of the control with the keyboard focus, 0 when none.
inline int FocusedControl(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) || info.hwndFocus == nullptr)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

// Presses a button and returns once the program has handled what the click queued: Wine
// delivers part of a click through the program's message queue, after BM_CLICK has returned.
inline void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process == nullptr) return;
    WaitForInputIdle(process, DefaultTimeoutMs);
    CloseHandle(process);
}
// Presses a button without waiting: for buttons that open a message box.
inline void ClickAsync(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Selects a list line or combo item (0-based) and notifies the dialog as the control would.
inline void SelectListLine(HWND dialog, int id, int index, bool combo = false) {
    const HWND control = GetDlgItem(dialog, id);
    SendMessageW(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(control));
}
inline void SelectComboItem(HWND dialog, int id, int index) { SelectListLine(dialog, id, index, true); }

inline void PressKey(HWND dialog, int id, WORD key) {
    const HWND control = GetDlgItem(dialog, id);
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

// Holds a file open with no sharing, so that nobody else can read, replace or delete it, until reset.
using FileLock = std::unique_ptr<void, BOOL(WINAPI *)(HANDLE)>;
inline FileLock HoldFile(const std::filesystem::path &path) {
    return {CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr),
            CloseHandle};
}

} // namespace driver
