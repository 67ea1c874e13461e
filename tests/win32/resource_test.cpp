// The dialog templates "Principal" inside both programs, control by control: ids, classes,
// texts, styles and their order (which is the tab order). Where they stand is for the pictures
// to show.
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
    std::vector<Control> controls;
};

const DWORD radio = BS_AUTORADIOBUTTON | WS_TABSTOP, push = BS_PUSHBUTTON | WS_TABSTOP;
const std::vector<Template> Templates = {
    {TARVELA_EXE,
     "Mi agenda",
     DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_BORDER | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
     {
         {-1, "STATIC", "Notas:", SS_LEFT | WS_GROUP},
         {50, "BUTTON", "Todas", radio},
         {51, "BUTTON", "hoy y ma\xF1.", radio},
         {52, "BUTTON", "Semana actual", radio},
         {53, "BUTTON", "Pr\xF3xima semana", radio},
         {55, "BUTTON", "Mes actual", radio},
         {56, "BUTTON", "Pr\xF3ximo mes", radio},
         {57, "BUTTON", "Mes", radio},
         {60, "COMBOBOX", "", CBS_DROPDOWNLIST},
         {-1, "STATIC", "a\xF1o", SS_LEFT},
         {61, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL},
         {100, "LISTBOX", "", LBS_NOTIFY | WS_BORDER | WS_VSCROLL},
         {-1, "STATIC", "Anotaci\xF3n fecha", SS_LEFT | WS_GROUP},
         {4, "BUTTON", "&elimina", push},
         {5, "BUTTON", "&nueva", push},
         {112, "EDIT", "", ES_LEFT | WS_BORDER | WS_TABSTOP},
         {10, "STATIC", "", SS_LEFT | WS_GROUP},
         {110, "EDIT", "", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_BORDER | WS_TABSTOP},
         {3, "BUTTON", "&aceptar", push},
         {2, "BUTTON", "&Salir", push},
         {1, "BUTTON", "&Aceptar", push},
     }},
    {VELMARIX_EXE,
     "Agenda por a\xF1os",
     DS_MODALFRAME | WS_POPUP | WS_BORDER | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
     {
         {-1, "STATIC", "notas", SS_LEFT},
         {100, "LISTBOX", "", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER},
         {3, "BUTTON", "Ok", push},
         {5, "BUTTON", "+", push},
         {6, "BUTTON", "X", push},
         {1, "BUTTON", "Aceptar", push},
         {2, "BUTTON", "Salir", push},
         {-1, "STATIC", "a\xF1o", SS_LEFT},
         {111, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL | WS_BORDER},
         {-1, "STATIC", "mes", SS_LEFT},
         {112, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL | WS_BORDER},
         {-1, "STATIC", "nota", SS_LEFT},
         {113, "EDIT", "", ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL | WS_BORDER},
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
