// The dialog helpers on a real modeless dialog of the test's own process (test_dialog.rc).
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "shared/dialogs/dialog_helpers.h"

using namespace dialogs;

namespace {

enum { Edit = 1, List = 2, Combo = 3 };

class DialogHelpers : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), nullptr, nullptr, 0);
        ASSERT_NE(dialog, nullptr) << "CreateDialogParamA failed: " << GetLastError();
    }
    void TearDown() override { DestroyWindow(dialog); }

    // The lines of the list box, or of the combo box's list, in order and joined by "|".
    std::string Lines(int id) const {
        const UINT count = id == List ? LB_GETCOUNT : CB_GETCOUNT,
                   get = id == List ? LB_GETTEXT : CB_GETLBTEXT;
        std::string lines;
        for (WPARAM i = 0; i < static_cast<WPARAM>(SendDlgItemMessageA(dialog, id, count, 0, 0)); ++i) {
            char line[300] = {};
            SendDlgItemMessageA(dialog, id, get, i, reinterpret_cast<LPARAM>(line));
            lines.append(i ? "|" : "").append(line);
        }
        return lines;
    }

    HWND dialog = nullptr;
};

TEST_F(DialogHelpers, TextsAreCutTo255GoingInAnd254ComingOutAndNumbersAreTrimmed) {
    const std::string text = std::string(254, 'a') + "b" + std::string(45, 'c');
    SetDlgItemTextA(dialog, Edit, text.c_str());
    EXPECT_EQ(GetControlText(dialog, Edit), text.substr(0, 254));
    SetWindowCaption(dialog, text);
    char caption[400] = {};
    GetWindowTextA(dialog, caption, sizeof caption);
    EXPECT_EQ(caption, text.substr(0, 255));
    ComboAdd(dialog, Combo, text);
    EXPECT_EQ(Lines(Combo), text.substr(0, 255));
    SetControlText(dialog, Edit,
                   "ma\xF1"
                   "ana \xBFs\xED? \x80");
    EXPECT_EQ(GetControlText(dialog, Edit), "ma\xF1"
                                            "ana \xBFs\xED? \x80");

    // The number reader itself is proved natively; here the trimming and the error flag.
    for (const auto &[typed, value, error] : {std::tuple{" 42 ", 42, 0}, {"", 0, 0}, {"4x", 0, 1}}) {
        SetControlText(dialog, Edit, typed);
        int32_t flag = 99;
        EXPECT_EQ(GetControlInteger(dialog, Edit, flag), value) << typed;
        EXPECT_EQ(flag, error) << typed;
    }
}

} // namespace
