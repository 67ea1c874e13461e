#include <windows.h>
#include "shared/about/about.h"
#include "shared/about/about_layout.h"
#include <random>
#include <string>
#include "shared/dialogs/dialog_helpers.h"
#include "shared/text/text_canvas.h"
#include "shared/util/files.h"
#include "shared/util/language.h"

namespace about {

namespace {
using text::PutText;

constexpr COLORREF AboutBackground = RGB(255, 255, 178);
constexpr COLORREF AboutTitleColour = RGB(220, 100, 0);
constexpr COLORREF AboutTextColour = RGB(0, 100, 250);

constexpr const char *AboutClassName = "FerSobre";
constexpr DWORD AboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | 0x80;
static_assert(AboutStyle == 0x80C80080);
constexpr int AboutButton = 1;

// By util::LanguageIndex: 0 Catalan, 1 English, 2 Spanish.
constexpr const char *AboutTitles[3] = {"Quant a ", "About ", "Respecto "};
constexpr const char *AboutButtonWords[3][7] = {
    {"buenu", "Ah!", "Oh!", "vaja!", "hum!", "mmm..", "i vés!"},
    {"Ok", "Ah!", "Oh!", "Bah!", "hum!", "mmm..", "Done"},
    {"bueno", "¡Ah!", "¡Oh!", "psé", "hum!", "mmm..", "¡vaya!"},
};
constexpr const char *AboutWebAddresses[3] = {"www.example.org/agenda", "www.example.org/agenda/en",
                                              "www.example.org/agenda/es"};
constexpr const char *AuthorLine = "Aina Tresserra Vidal - ";
constexpr const char *MailAddress = "agenda@example.org";

// One About window at a time.
struct AboutState {
    bool open = false; // ShowAboutWithMail is running
    HWND window = nullptr;
    std::string description;
    std::string mail;
    std::string programName;
    std::string yearText;
    AboutLayout layout;               // at the system's DPI, set by BuildAboutWindow
    HBRUSH backgroundBrush = nullptr; // the class background, made once with the class
    text::TextCanvas canvas;
    int32_t closeCode = 0;
    bool AboutReady = false;
    bool AboutClassRegistered = false;
    std::mt19937 random; // seeded from the tick count: near seeds still give unrelated words
};
AboutState state;

size_t Language() {
    return util::LanguageIndex >= 0 && util::LanguageIndex <= 2 ? static_cast<size_t>(util::LanguageIndex)
                                                                : 0;
}

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Draws the named icon of the program at the system's icon size.
void DrawIconAt(HWND window, int x, int y, const char *iconName) {
    const auto icon = static_cast<HICON>(LoadImageA(Instance(), iconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    if (icon == nullptr) return;
    const HDC dc = GetDC(window);
    DrawIcon(dc, x, y, icon);
    ReleaseDC(window, dc);
    DestroyIcon(icon);
}

void DrawProgramIcon(HWND window) { DrawIconAt(window, state.layout.icon.x, state.layout.icon.y, "Ic0"); }

void PaintAbout() {
    text::TextCanvas &canvas = state.canvas;
    const AboutLayout &at = state.layout;
    SetFontSize(canvas, at.textFont.height, at.textFont.width);
    SetFontFace(canvas, "arial");
    SetFontBold(canvas, 0);
    SetTextColor(canvas.dc, AboutTitleColour);
    PutText(canvas.dc, at.description.x, at.description.y, state.description);
    SetTextColor(canvas.dc, AboutTextColour);
    PutText(canvas.dc, at.author.x, at.author.y, AuthorLine + state.yearText);
    PutText(canvas.dc, at.web.x, at.web.y, std::string("web: ") + AboutWebAddresses[Language()]);
    if (!state.mail.empty()) PutText(canvas.dc, at.mail.x, at.mail.y, "mail: " + state.mail);
    SetFontFace(canvas, "Comic sans ms");
    SetFontBold(canvas, 0);
    SetFontSize(canvas, at.nameFont.height, at.nameFont.width);
    PutText(canvas.dc, at.name.x, at.name.y, util::ProgramBaseName());
}

void InitAbout(HWND window) {
    state.programName = util::ProgramBaseName();
    state.yearText = util::FileYearText(state.programName + ".exe");
    dialogs::SetWindowCaption(window, AboutTitles[Language()] + state.programName + "...");
    DrawProgramIcon(window);
    PaintAbout();
    const auto word = std::uniform_int_distribution<size_t>(0, 6)(state.random);
    dialogs::SetControlText(window, AboutButton, AboutButtonWords[Language()][word]);
    state.AboutReady = true;
}

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: InitAbout(window); break;
    case WM_PAINT: {
        // Drawn after BeginPaint has erased the background, so that the erasing never wipes
        // the texts, and the icon with them, since a covered window loses it too.
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        if (state.AboutReady) {
            DrawProgramIcon(window);
            PaintAbout();
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_CLOSE: state.closeCode = static_cast<int32_t>(wParam); break;
    case WM_DESTROY:
        // The device context goes back while its window still exists.
        state.AboutReady = false;
        text::CanvasDone(state.canvas);
        PostQuitMessage(state.closeCode);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == AboutButton || LOWORD(wParam) == IDCANCEL) SendMessageA(window, WM_CLOSE, 0, 0);
        break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A registration the system refused is tried again at the next opening.
bool RegisterAboutClass() {
    if (state.AboutClassRegistered) return true;
    if (state.backgroundBrush == nullptr) state.backgroundBrush = CreateSolidBrush(AboutBackground);
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = AboutWindowProc;
    windowClass.hInstance = Instance();
    windowClass.hIcon = LoadIconA(Instance(), "Ic0");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = state.backgroundBrush;
    windowClass.lpszClassName = AboutClassName;
    state.AboutClassRegistered = RegisterClassA(&windowClass) != 0;
    return state.AboutClassRegistered;
}

// Pixels per logical inch of the screen, as the system tells a DPI-aware program.
int32_t SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi;
}

HWND CreateAboutWindow() {
    const AboutLayout &at = state.layout;
    const HWND window =
        CreateWindowExA(0, AboutClassName, "", AboutStyle, at.window.x, at.window.y, at.windowSize.width,
                        at.windowSize.height, nullptr, nullptr, Instance(), nullptr);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOWDEFAULT);
        UpdateWindow(window);
    }
    return window;
}

// The window shown empty with its button and canvas; nullptr, after telling the user, when
// the system refuses the class or the window.
HWND BuildAboutWindow() {
    if (!RegisterAboutClass()) {
        MessageBoxA(nullptr, "Register failed", nullptr, MB_OK);
        return nullptr;
    }
    state.layout = AboutLayoutAt(SystemDpi());
    const HWND window = CreateAboutWindow();
    if (window == nullptr) {
        MessageBoxA(nullptr, "CreaFSobre failed", nullptr, MB_OK);
        return nullptr;
    }
    const AboutLayout &at = state.layout;
    CreateWindowExA(0, "BUTTON", "Vist", WS_CHILD | WS_VISIBLE, at.button.x, at.button.y, at.buttonSize.width,
                    at.buttonSize.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(AboutButton)),
                    Instance(), nullptr);
    text::CanvasInit(state.canvas, window);
    SetBkColor(state.canvas.dc, AboutBackground);
    SetTextColor(state.canvas.dc, AboutTextColour);
    return window;
}
} // namespace

void ShowAbout(std::string_view description) { ShowAboutWithMail(description, MailAddress); }

void ShowAboutWithMail(std::string_view description, std::string_view mail) {
    if (state.open) {
        if (IsWindow(state.window)) dialogs::BringToFront(state.window);
        return;
    }
    state.open = true;
    state.random.seed(GetTickCount());
    state.AboutReady = false;
    state.description = description;
    state.mail = mail;
    state.window = BuildAboutWindow();
    if (state.window != nullptr) {
        SendMessageA(state.window, WM_INITDIALOG, 0, 0);
        // Every message of the thread, the calling program's dialog's too; no dialog keys.
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    state.window = nullptr;
    state.open = false;
}

} // namespace about
