// The dialog templates "Principal" inside both programs, control by control: ids, classes,
// texts, rectangles in dialog units, styles and their order (which is the tab order).
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "tests/win32/driver.h"

namespace {

struct Control {
    int id;
    std::string className;
    std::string text;
    short x, y, w, h;
    DWORD style; // besides WS_CHILD | WS_VISIBLE
};

// Reads a name-or-ordinal field: 0xFFFF then an ordinal (a predefined class), or a
// zero-terminated UTF-16 text. Class names compare without regard to case.
std::string ReadNameOrOrdinal(const WORD *&at) {
    if (*at == 0xFFFF) {
        const WORD ordinal = at[1];
        at += 2;
        switch (ordinal) {
        case 0x80: return "BUTTON";
        case 0x81: return "EDIT";
        case 0x82: return "STATIC";
        case 0x83: return "LISTBOX";
        case 0x85: return "COMBOBOX";
        default: return "?";
        }
    }
    std::wstring text;
    while (*at != 0)
        text += static_cast<wchar_t>(*at++);
    ++at;
    return driver::Narrow(text);
}

const WORD *AlignToDword(const WORD *at) {
    return reinterpret_cast<const WORD *>((reinterpret_cast<ULONG_PTR>(at) + 3) & ~ULONG_PTR{3});
}

struct Template {
    const char *exe;
    std::string caption;
    DWORD style;
    std::vector<short> rectangle; // x, y, width, height
    std::vector<Control> controls;
};

const DWORD radio = BS_AUTORADIOBUTTON | WS_TABSTOP, push = BS_PUSHBUTTON | WS_TABSTOP;
const std::vector<Template> Templates = {
    {TARVELA_EXE,
     "Mi agenda",
     DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_BORDER | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
     {0, 0, 280, 186},
     {
         {-1, "STATIC", "Notas:", 10, 3, 24, 8, SS_LEFT | WS_GROUP},
         {50, "BUTTON", "Todas", 40, 1, 30, 10, radio},
         {51, "BUTTON", "hoy y ma\xF1.", 70, 1, 54, 10, radio},
         {52, "BUTTON", "Semana actual", 122, 1, 60, 10, radio},
         {53, "BUTTON", "Pr\xF3xima semana", 184, 1, 66, 10, radio},
         {55, "BUTTON", "Mes actual", 40, 12, 50, 10, radio},
         {56, "BUTTON", "Pr\xF3ximo mes", 92, 12, 54, 10, radio},
         {57, "BUTTON", "Mes", 145, 12, 23, 10, radio},
         {60, "COMBOBOX", "", 170, 11, 24, 116, CBS_DROPDOWNLIST},
         {-1, "STATIC", "a\xF1o", 197, 12, 12, 8, SS_LEFT},
         {61, "COMBOBOX", "", 210, 11, 28, 40, CBS_DROPDOWN | WS_VSCROLL},
         {100, "LISTBOX", "", 8, 24, 263, 88, LBS_NOTIFY | WS_BORDER | WS_VSCROLL},
         {-1, "STATIC", "Anotaci\xF3n fecha", 9, 120, 49, 8, SS_LEFT | WS_GROUP},
         {4, "BUTTON", "&elimina", 197, 120, 34, 9, push},
         {5, "BUTTON", "&nueva", 235, 120, 34, 9, push},
         {112, "EDIT", "", 56, 119, 44, 9, ES_LEFT | WS_BORDER | WS_TABSTOP},
         {10, "STATIC", "", 104, 121, 32, 8, SS_LEFT | WS_GROUP},
         {110, "EDIT", "", 9, 130, 260, 28,
          ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP},
         {3, "BUTTON", "&aceptar", 235, 160, 34, 9, push},
         {2, "BUTTON", "&Salir", 100, 170, 40, 14, push},
         {1, "BUTTON", "&Aceptar", 150, 170, 40, 14, push},
     }},
    {VELMARIX_EXE,
     "Agenda por a\xF1os",
     DS_MODALFRAME | WS_POPUP | WS_BORDER | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
     {200, 13, 236, 120},
     {
         {-1, "STATIC", "notas", 5, 0, 30, 8, SS_LEFT},
         {100, "LISTBOX", "", 5, 8, 120, 106, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER},
         {3, "BUTTON", "Ok", 215, 86, 16, 10, push},
         {5, "BUTTON", "+", 202, 86, 12, 10, push},
         {6, "BUTTON", "X", 189, 86, 12, 10, push},
         {1, "BUTTON", "Aceptar", 184, 104, 40, 14, push},
         {2, "BUTTON", "Salir", 142, 104, 40, 14, push},
         {-1, "STATIC", "a\xF1o", 134, 8, 16, 8, SS_LEFT},
         {111, "COMBOBOX", "", 148, 4, 30, 48, CBS_DROPDOWN | WS_VSCROLL | WS_BORDER},
         {-1, "STATIC", "mes", 185, 8, 14, 8, SS_LEFT},
         {112, "COMBOBOX", "", 200, 4, 24, 144, CBS_DROPDOWN | WS_VSCROLL | WS_BORDER},
         {-1, "STATIC", "nota", 130, 20, 16, 8, SS_LEFT},
         {113, "EDIT", "", 130, 30, 102, 55, ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_BORDER},
     }},
};

TEST(Resources, EachPrincipalIsLaidOutControlByControl) {
    for (const Template &want : Templates) {
        SCOPED_TRACE(want.exe);
        const HMODULE exe = LoadLibraryExA(want.exe, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(exe, nullptr);
        const HRSRC found = FindResourceA(exe, "PRINCIPAL", MAKEINTRESOURCEA(5)); // RT_DIALOG
        ASSERT_NE(found, nullptr);
        const auto *dialog = static_cast<const DLGTEMPLATE *>(LockResource(LoadResource(exe, found)));
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->style, want.style);
        EXPECT_EQ(std::vector<short>({dialog->x, dialog->y, dialog->cx, dialog->cy}), want.rectangle);
        const auto *at = reinterpret_cast<const WORD *>(dialog + 1);
        EXPECT_EQ(ReadNameOrOrdinal(at), "MNU");
        EXPECT_EQ(ReadNameOrOrdinal(at), "");
        EXPECT_EQ(ReadNameOrOrdinal(at), want.caption);

        ASSERT_EQ(dialog->cdit, want.controls.size());
        for (const Control &control : want.controls) {
            SCOPED_TRACE("control " + std::to_string(control.id) + " " + control.text);
            at = AlignToDword(at);
            const auto *item = reinterpret_cast<const DLGITEMTEMPLATE *>(at);
            EXPECT_EQ(item->style, control.style | WS_CHILD | WS_VISIBLE);
            EXPECT_EQ(static_cast<short>(item->id), control.id);
            EXPECT_EQ(std::vector<short>({item->x, item->y, item->cx, item->cy}),
                      std::vector<short>({control.x, control.y, control.w, control.h}));
            at = reinterpret_cast<const WORD *>(item + 1);
            std::string className = ReadNameOrOrdinal(at);
            CharUpperBuffA(className.data(), static_cast<DWORD>(className.size()));
            EXPECT_EQ(className, control.className);
            EXPECT_EQ(ReadNameOrOrdinal(at), control.text);
            at += 1 + *at / sizeof(WORD); // creation data
        }
        FreeLibrary(exe);
    }
}

} // namespace

namespace {

std::string MenuText(HMENU menu, UINT position) {
    char text[64] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

using Menu = std::vector<std::pair<std::string, std::vector<std::pair<UINT, std::string>>>>;

TEST(Resources, MenusAndIcons) {
    const std::vector<std::pair<const char *, Menu>> programs = {
        {TARVELA_EXE,
         {{"Configuraci\xF3n", {{300, "Inclusi\xF3n en el men\xFA Inicio"}}},
          {"\xDAtiles", {{501, "Edici\xF3n \xFAtiles"}, {0, ""}}},
          {"Info", {{800, "Info"}, {801, "Respecto a Tarvela"}}}}},
        {VELMARIX_EXE, {{"Info", {{801, "Respecto a Velmarix"}}}}},
    };
    for (const auto &[path, expected] : programs) {
        SCOPED_TRACE(path);
        const HMODULE exe = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(exe, nullptr);
        EXPECT_NE(FindResourceA(exe, "IC0", MAKEINTRESOURCEA(14)), nullptr); // RT_GROUP_ICON
        const HMENU menu = LoadMenuA(exe, "Mnu");
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(expected.size()));
        for (UINT p = 0; p < expected.size(); ++p) {
            EXPECT_EQ(MenuText(menu, p), expected[p].first);
            const HMENU popup = GetSubMenu(menu, static_cast<int>(p));
            const auto &items = expected[p].second;
            ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(items.size()));
            for (UINT i = 0; i < items.size(); ++i) {
                EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(i)), items[i].first);
                EXPECT_EQ(MenuText(popup, i), items[i].second);
            }
        }
        DestroyMenu(menu);
        FreeLibrary(exe);
    }
}

} // namespace
