// The dialog templates "Principal" and the menus "Mnu" inside both programs: each control's id,
// class, text and the styles that change what it does, in their order (which is the tab order);
// each menu item's id and text. Where the controls stand is for the pictures to show.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "tests/win32/driver.h"

namespace {

// Reads a name-or-ordinal field: 0xFFFF then an ordinal (a predefined class), or a
// zero-terminated UTF-16 text. Class names in upper case, as they compare.
std::string ReadNameOrOrdinal(const WORD *&at) {
    if (*at == 0xFFFF) {
        const WORD ordinal = at[1];
        at += 2;
        constexpr const char *Classes[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "?", "COMBOBOX"};
        return ordinal >= 0x80 && ordinal <= 0x85 ? Classes[ordinal - 0x80] : "?";
    }
    std::wstring text;
    while (*at != 0)
        text += static_cast<wchar_t>(*at++);
    ++at;
    return driver::Narrow(text);
}

// The styles of a control that change what it does, by name.
std::string Behaviour(const std::string &className, DWORD style) {
    std::string named;
    const auto add = [&named](bool on, const char *name) { named += on ? std::string(" ") + name : ""; };
    add(style & WS_TABSTOP, "tab");
    add(style & WS_GROUP, "group");
    add(className == "BUTTON" && (style & 0xF) == BS_AUTORADIOBUTTON, "radio");
    add(className == "BUTTON" && (style & 0xF) == BS_DEFPUSHBUTTON, "default");
    add(className == "COMBOBOX", (style & 3) == CBS_DROPDOWNLIST ? "list" : "typed");
    add(className == "LISTBOX" && (style & LBS_NOTIFY), "notify");
    add(className == "EDIT" && (style & ES_MULTILINE) && (style & ES_WANTRETURN), "lines");
    return named;
}

// The dialog's style, menu, class and caption, then "id CLASS text behaviour|" per control.
std::string Principal(const char *path) {
    const HMODULE exe = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = FindResourceA(exe, "PRINCIPAL", MAKEINTRESOURCEA(5)); // RT_DIALOG
    const auto *dialog = static_cast<const DLGTEMPLATE *>(LockResource(LoadResource(exe, found)));
    if (dialog == nullptr) return "no template";
    const auto *at = reinterpret_cast<const WORD *>(dialog + 1);
    std::string shown = std::to_string(dialog->style) + " " + ReadNameOrOrdinal(at); // the menu
    shown += ReadNameOrOrdinal(at);                                                  // the class: none
    shown += " " + ReadNameOrOrdinal(at) + "|";                                      // the caption
    for (int i = 0; i < dialog->cdit; ++i) {
        at = reinterpret_cast<const WORD *>((reinterpret_cast<ULONG_PTR>(at) + 3) & ~ULONG_PTR{3});
        const auto *item = reinterpret_cast<const DLGITEMTEMPLATE *>(at);
        at = reinterpret_cast<const WORD *>(item + 1);
        std::string className = ReadNameOrOrdinal(at);
        CharUpperBuffA(className.data(), static_cast<DWORD>(className.size()));
        const std::string text = ReadNameOrOrdinal(at);
        at += 1 + *at / sizeof(WORD); // creation data
        shown += std::to_string(static_cast<short>(item->id)) + " " + className +
                 (text.empty() ? "" : " " + text) + Behaviour(className, item->style) + "|";
    }
    FreeLibrary(exe);
    return shown;
}

TEST(Resources, EachPrincipalHoldsItsControlsInTabOrder) {
    const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_BORDER | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    EXPECT_EQ(
        Principal(TARVELA_EXE),
        std::to_string(frame | DS_CENTER) +
            " MNU Mi agenda|-1 STATIC Notas: group|50 BUTTON Todas tab radio|"
            "51 BUTTON hoy y ma\xF1. tab radio|52 BUTTON Semana actual tab radio|"
            "53 BUTTON Pr\xF3xima semana tab radio|55 BUTTON Mes actual tab radio|"
            "56 BUTTON Pr\xF3ximo mes tab radio|57 BUTTON Mes tab radio|60 COMBOBOX list|-1 STATIC a\xF1o|"
            "61 COMBOBOX typed|100 LISTBOX notify|-1 STATIC Anotaci\xF3n fecha group|4 BUTTON &elimina tab|"
            "5 BUTTON &nueva tab|112 EDIT tab|10 STATIC group|110 EDIT tab lines|3 BUTTON &aceptar tab|"
            "2 BUTTON &Salir tab|1 BUTTON &Aceptar tab|");
    EXPECT_EQ(Principal(VELMARIX_EXE),
              std::to_string(frame) +
                  " MNU Agenda por a\xF1os|-1 STATIC notas|100 LISTBOX notify|3 BUTTON Ok tab|"
                  "5 BUTTON + tab|6 BUTTON X tab|1 BUTTON Aceptar tab|2 BUTTON Salir tab|"
                  "-1 STATIC a\xF1o|111 COMBOBOX typed|-1 STATIC mes|112 COMBOBOX typed|"
                  "-1 STATIC nota|113 EDIT lines|");
}

// "Popup: id text, id text|" per popup of the menu, after whether the icon is there.
std::string MenuAndIcon(const char *path) {
    const HMODULE exe = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    std::string shown =
        FindResourceA(exe, "IC0", MAKEINTRESOURCEA(14)) ? "icon|" : "no icon|"; // RT_GROUP_ICON
    const HMENU menu = LoadMenuA(exe, "Mnu");
    const auto text = [](HMENU of, int position) {
        char item[64] = {};
        GetMenuStringA(of, static_cast<UINT>(position), item, sizeof item, MF_BYPOSITION);
        return std::string(item);
    };
    for (int p = 0; p < GetMenuItemCount(menu); ++p) {
        const HMENU popup = GetSubMenu(menu, p);
        shown += text(menu, p) + ":";
        for (int i = 0; i < GetMenuItemCount(popup); ++i)
            shown += " " + std::to_string(GetMenuItemID(popup, i)) + " " + text(popup, i) + ",";
        shown += "|";
    }
    DestroyMenu(menu);
    FreeLibrary(exe);
    return shown;
}

TEST(Resources, MenusAndIcons) {
    EXPECT_EQ(MenuAndIcon(TARVELA_EXE),
              "icon|Configuraci\xF3n: 300 Inclusi\xF3n en el men\xFA Inicio,|"
              "\xDAtiles: 501 Edici\xF3n \xFAtiles, 0 ,|Info: 800 Info, 801 Respecto a Tarvela,|");
    EXPECT_EQ(MenuAndIcon(VELMARIX_EXE), "icon|Info: 801 Respecto a Velmarix,|");
}

} // namespace
