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

TEST_F(DialogHelpers, ListPositionsAreOneBasedAndZeroMeansNoneOrTheEnd) {
    const struct {
        void (*change)(HWND, int, uint16_t, std::string_view);
        uint16_t position;
        const char *expected;
    } cases[] = {{ListReplace, 3, "1|2|new|4|5"},
                 {ListReplace, 7, "1|2|3|4|5|new"},
                 {ListReplace, 0, "1|2|3|4|5|new"},
                 {ListInsert, 2, "1|new|2|3|4|5"}};
    for (const auto &c : cases) {
        ListClear(dialog, List);
        for (const char *line : {"1", "2", "3", "4", "5"})
            ListAdd(dialog, List, line);
        c.change(dialog, List, c.position, "new");
        EXPECT_EQ(Lines(List), c.expected) << "row " << &c - cases;
    }
    ListDelete(dialog, List, 2);
    EXPECT_EQ(Lines(List), "1|2|3|4|5");
    EXPECT_EQ(ListSelection(dialog, List), 0);
    ListSelect(dialog, List, 1);
    EXPECT_EQ(ListSelection(dialog, List), 1);
    ListSelect(dialog, List, 0);
    EXPECT_EQ(ListSelection(dialog, List), 0);
}

TEST_F(DialogHelpers, ListFillReplacesTheLinesInOrderCutTo255) {
    ListAdd(dialog, List, "old");
    const std::string longLine = std::string(255, 'a') + "b";
    ListFill(dialog, List, {"1", longLine, "", "3"});
    EXPECT_EQ(Lines(List), "1|" + longLine.substr(0, 255) + "||3");
    ListFill(dialog, List, {});
    EXPECT_EQ(ListCount(dialog, List), 0);
}

TEST_F(DialogHelpers, ComboFillFromListAddsTheNonEmptyItemsInOrderWithoutClearing) {
    ComboAdd(dialog, Combo, "old");
    ComboFillFromList(dialog, Combo, " 1; 2;;10;");
    EXPECT_EQ(Lines(Combo), "old| 1| 2|10");
    ComboSelect(dialog, Combo, 2);
    EXPECT_EQ(ComboSelection(dialog, Combo), 2);
    EXPECT_EQ(GetControlText(dialog, Combo), " 1");
}

} // namespace
