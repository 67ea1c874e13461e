#include <windows.h>
#include "tests/win32/driver.h"

namespace driver {

// Windows-1252 is a single-byte code page: one character each way.
std::wstring Wide(const std::string &text) {
    std::wstring wide(text.size(), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(const std::wstring &text) {
    std::string narrow(text.size(), '\0');
    WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                        static_cast<int>(narrow.size()), nullptr, nullptr);
    return narrow;
}

Program::Program(const std::string &exe, const std::string &folder, const std::string &arguments) {
    std::string path = exe;
    for (char &c : path)
        if (c == '/') c = '\\';
    std::string commandLine = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info_))
        info_ = {};
}

Program::~Program() {
    if (info_.hProcess == nullptr) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, DefaultTimeoutMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Program::Running() const {
    return info_.hProcess != nullptr && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD &exitCode, DWORD timeoutMs) const {
    if (info_.hProcess == nullptr || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(info_.hProcess, &exitCode) != 0;
}

bool WaitUntil(const std::function<bool()> &condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
}

std::string WindowText(HWND window) {
    const auto length = static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return Narrow(text);
}

HWND FindDialog(DWORD processId, const std::string &captionStart) {
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, "#32770", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && WindowText(window).rfind(captionStart, 0) == 0)
            return window;
    }
    return nullptr;
}

HWND WaitForDialog(DWORD processId, const std::string &captionStart, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(processId, captionStart)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForBox(DWORD processId, const std::string &caption, DWORD timeoutMs) {
    HWND found = nullptr;
    const auto shown = [&] {
        return (found = FindDialog(processId, caption)) && WindowText(found) == caption;
    };
    return WaitUntil(shown, timeoutMs) ? found : nullptr;
}

std::string ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void SetText(HWND dialog, int id, const std::string &text) {
    const std::wstring wide = Wide(text);
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

namespace {
std::vector<std::string> Items(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::string> items;
    const auto count = SendMessageW(control, countMessage, 0, 0);
    for (WPARAM i = 0; static_cast<LRESULT>(i) < count; ++i) {
        const auto length = SendMessageW(control, lengthMessage, i, 0);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(control, textMessage, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        items.push_back(Narrow(text));
    }
    return items;
}
} // namespace

std::vector<std::string> ListLines(HWND dialog, int id) {
    return Items(GetDlgItem(dialog, id), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> ComboItems(HWND dialog, int id) {
    return Items(GetDlgItem(dialog, id), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int ComboSelectionIndex(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

bool IsChecked(HWND dialog, int id) {
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int FocusedControl(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) || info.hwndFocus == nullptr)
        return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

// Returns once the program has handled what the click queued: Wine delivers part of a
// click through the program's message queue, after BM_CLICK itself has returned.
void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    DWORD processId = 0;
    GetWindowThreadProcessId(dialog, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process == nullptr) return;
    WaitForInputIdle(process, DefaultTimeoutMs);
    CloseHandle(process);
}

void ClickAsync(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void SelectListLine(HWND dialog, int id, int index) {
    const HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void SelectComboItem(HWND dialog, int id, int index) {
    const HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void PressKey(HWND dialog, int id, WORD key) {
    const HWND control = GetDlgItem(dialog, id);
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
}

void Answer(HWND box, int button) { PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0); }

FileLock::FileLock(const std::string &path)
    : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

void FileLock::Release() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

} // namespace driver
