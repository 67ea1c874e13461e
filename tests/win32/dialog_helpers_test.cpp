// The dialog helpers on a real modeless dialog of the test's own process.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "shared/dialogs/dialog_helpers.h"
#include "tests/win32/test_dialog_ids.h"

using namespace dialogs;

namespace {

INT_PTR CALLBACK TestDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// 300 characters whose every prefix is told apart from the others.
std::string LongText() {
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += static_cast<char>('a' + i % 26);
    return text;
}

using Items = std::vector<std::string>;

class DialogHelpers : public ::testing::Test {
  protected:
    void SetUp() override {
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_DIALOG), nullptr,
                                    TestDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "CreateDialogParamA failed: " << GetLastError();
    }
    void TearDown() override {
        if (dialog) DestroyWindow(dialog);
    }

    // Every line of the list box, or every item of the combo box's list, in order.
    Items Lines(int id) const {
        const bool list = id == IDC_TEST_LIST;
        const UINT countMessage = list ? LB_GETCOUNT : CB_GETCOUNT;
        const UINT lengthMessage = list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
        const UINT textMessage = list ? LB_GETTEXT : CB_GETLBTEXT;
        Items lines;
        const LRESULT count = SendDlgItemMessageA(dialog, id, countMessage, 0, 0);
        for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
            const LRESULT length = SendDlgItemMessageA(dialog, id, lengthMessage, i, 0);
            std::string line(static_cast<size_t>(length) + 1, '\0');
            SendDlgItemMessageA(dialog, id, textMessage, i, reinterpret_cast<LPARAM>(line.data()));
            line.resize(static_cast<size_t>(length));
            lines.push_back(line);
        }
        return lines;
    }

    void FillList(const Items &lines) const {
        ListClear(dialog, IDC_TEST_LIST);
        for (const auto &line : lines)
            ListAdd(dialog, IDC_TEST_LIST, line);
    }

    HWND dialog = nullptr;
};

TEST_F(DialogHelpers, TextsAreCutTo255GoingInAnd254ComingOut) {
    const std::string text = LongText();
    ASSERT_TRUE(SetDlgItemTextA(dialog, IDC_TEST_EDIT, text.c_str()));
    EXPECT_EQ(GetControlText(dialog, IDC_TEST_EDIT), text.substr(0, 254));

    SetControlText(dialog, IDC_TEST_EDIT, text);
    char buffer[400] = {};
    GetDlgItemTextA(dialog, IDC_TEST_EDIT, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), text.substr(0, 255));

    SetWindowCaption(dialog, text);
    GetWindowTextA(dialog, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), text.substr(0, 255));

    ComboAdd(dialog, IDC_TEST_COMBO, text);
    EXPECT_EQ(Lines(IDC_TEST_COMBO), Items{text.substr(0, 255)});
}

TEST_F(DialogHelpers, Windows1252TextRoundTrips) {
    const std::string text = "ma\xF1"
                             "ana \xBFs\xED? \x80 \xE7\xE0";
    SetControlText(dialog, IDC_TEST_EDIT, text);
    EXPECT_EQ(GetControlText(dialog, IDC_TEST_EDIT), text);
    ListAdd(dialog, IDC_TEST_LIST, text);
    EXPECT_EQ(Lines(IDC_TEST_LIST), Items{text});
}

TEST_F(DialogHelpers, GetControlIntegerReadsTrimmedNumbersAndFlagsTheRest) {
    struct Case {
        const char *text;
        int32_t value;
        int32_t error;
    };
    // clang-format off
    const Case cases[] = {
        {" 42 ", 42, 0},       {"", 0, 0},                     {"   ", 0, 0},
        {"4x", 0, 1},          {"-7", -7, 0},                  {"$1F", 31, 0},
        {"$FFFFFFFF", -1, 0},  {"$100000000", 0, 1},           {"%101", 5, 0},
        {"%102", 0, 1},        {"12345678901", 0, 1},          {"2147483647", 2147483647, 0},
        {"2147483648", 0, 1},  {"-2147483648", -2147483647 - 1, 0},
    };
    // clang-format on
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        SetControlText(dialog, IDC_TEST_EDIT, c.text);
        int32_t error = 99;
        EXPECT_EQ(GetControlInteger(dialog, IDC_TEST_EDIT, error), c.value);
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(DialogHelpers, ControlHandleIsTheNamedControl) {
    char className[32] = {};
    GetClassNameA(ControlHandle(dialog, IDC_TEST_COMBO), className, sizeof className);
    EXPECT_STRCASEEQ(className, "ComboBox");
    EXPECT_EQ(ControlHandle(dialog, 999), nullptr);
}

TEST_F(DialogHelpers, ListSelectionIsOneBasedAndZeroMeansNone) {
    FillList({"one", "two", "three"});
    EXPECT_EQ(ListCount(dialog, IDC_TEST_LIST), 3);
    EXPECT_EQ(ListSelection(dialog, IDC_TEST_LIST), 0);
    ListSelect(dialog, IDC_TEST_LIST, 1);
    EXPECT_EQ(ListSelection(dialog, IDC_TEST_LIST), 1);
    ListSelect(dialog, IDC_TEST_LIST, 3);
    EXPECT_EQ(ListSelection(dialog, IDC_TEST_LIST), 3);
    ListSelect(dialog, IDC_TEST_LIST, 0);
    EXPECT_EQ(ListSelection(dialog, IDC_TEST_LIST), 0);
    ListClear(dialog, IDC_TEST_LIST);
    EXPECT_EQ(ListCount(dialog, IDC_TEST_LIST), 0);
}

TEST_F(DialogHelpers, ListInsertDeleteAndReplaceUseOneBasedPositions) {
    FillList({"b", "d"});
    ListInsert(dialog, IDC_TEST_LIST, 1, "a");
    ListInsert(dialog, IDC_TEST_LIST, 3, "c");
    ListInsert(dialog, IDC_TEST_LIST, 0, "e");
    EXPECT_EQ(Lines(IDC_TEST_LIST), (Items{"a", "b", "c", "d", "e"}));
    ListDelete(dialog, IDC_TEST_LIST, 2);
    ListDelete(dialog, IDC_TEST_LIST, 4);
    EXPECT_EQ(Lines(IDC_TEST_LIST), (Items{"a", "c", "d"}));

    struct Case {
        uint16_t position;
        Items expected;
    };
    const Case cases[] = {
        {3, {"1", "2", "new", "4", "5"}},      {1, {"new", "2", "3", "4", "5"}},
        {5, {"1", "2", "3", "4", "new"}},      {6, {"1", "2", "3", "4", "5", "new"}},
        {7, {"1", "2", "3", "4", "5", "new"}}, {0, {"1", "2", "3", "4", "5", "new"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("position " + std::to_string(c.position));
        FillList({"1", "2", "3", "4", "5"});
        ListReplace(dialog, IDC_TEST_LIST, c.position, "new");
        EXPECT_EQ(Lines(IDC_TEST_LIST), c.expected);
    }
}

TEST_F(DialogHelpers, ComboFillFromListAddsItemsInOrderWithoutClearing) {
    struct Case {
        const char *list;
        Items expected;
    };
    const Case cases[] = {
        {" 1; 2; 3; 4; 5; 6; 7; 8; 9;10;11;12",
         {"old", " 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12"}},
        {"a;;b;", {"old", "a", "b"}},
        {";;", {"old"}},
        {"", {"old"}},
        {"only", {"old", "only"}},
        {"x y ; z", {"old", "x y ", " z"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string("list \"") + c.list + "\"");
        ComboClear(dialog, IDC_TEST_COMBO);
        ComboAdd(dialog, IDC_TEST_COMBO, "old");
        ComboFillFromList(dialog, IDC_TEST_COMBO, c.list);
        EXPECT_EQ(Lines(IDC_TEST_COMBO), c.expected);
    }
}

TEST_F(DialogHelpers, ComboSelectionIsOneBasedAndZeroMeansNone) {
    ComboFillFromList(dialog, IDC_TEST_COMBO, "a;b;c");
    EXPECT_EQ(ComboSelection(dialog, IDC_TEST_COMBO), 0);
    ComboSelect(dialog, IDC_TEST_COMBO, 2);
    EXPECT_EQ(ComboSelection(dialog, IDC_TEST_COMBO), 2);
    EXPECT_EQ(GetControlText(dialog, IDC_TEST_COMBO), "b");
    ComboSelect(dialog, IDC_TEST_COMBO, 0);
    EXPECT_EQ(ComboSelection(dialog, IDC_TEST_COMBO), 0);
    ComboClear(dialog, IDC_TEST_COMBO);
    EXPECT_TRUE(Lines(IDC_TEST_COMBO).empty());
}

} // namespace
