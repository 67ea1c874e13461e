// The dialog helpers on a real modeless dialog of the test's own process (test_dialog.rc).
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "shared/dialogs/dialog_helpers.h"
#include "tests/win32/driver.h"

using namespace dialogs;

namespace {

enum { Edit = 1, Combo = 3 };

TEST(DialogHelpers, TextsAreCutTo255GoingInAnd254ComingOutAndNumbersAreTrimmed) {
    const HWND dialog =
        CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), nullptr, nullptr, 0);
    ASSERT_NE(dialog, nullptr) << "CreateDialogParamA failed: " << GetLastError();
    const std::string text = std::string(254, 'a') + "b" + std::string(45, 'c');
    SetDlgItemTextA(dialog, Edit, text.c_str());
    EXPECT_EQ(GetControlText(dialog, Edit), text.substr(0, 254));
    SetWindowCaption(dialog, text);
    char caption[400] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_EQ(caption, text.substr(0, 255));
    ComboAdd(dialog, Combo, text);
    EXPECT_EQ(driver::ComboItems(dialog, Combo), std::vector{text.substr(0, 255)});
    const std::string accented = "ma\xF1"
                                 "ana \xBFs\xED? \x80"; // Windows-1252 both ways
    SetControlText(dialog, Edit, accented);
    EXPECT_EQ(GetControlText(dialog, Edit), accented);

    // The number reader itself is proved natively; here the trimming and the error flag.
    for (const auto &[typed, value, error] : {std::tuple{" 42 ", 42, 0}, {"", 0, 0}, {"4x", 0, 1}}) {
        SetControlText(dialog, Edit, typed);
        int32_t flag = 99;
        EXPECT_EQ(GetControlInteger(dialog, Edit, flag), value) << typed;
        EXPECT_EQ(flag, error) << typed;
    }
    DestroyWindow(dialog);
}

} // namespace
