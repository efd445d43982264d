// Data exchange with real controls: both directions and refused input.
#include "GuiTestSupport.h"

#include "platform/DataExchange.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace {

constexpr int kEdit = 100;
constexpr int kCheck = 101;
constexpr int kCombo = 102;

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, owner.Handle(),
                               reinterpret_cast<HMENU>(kEdit), instance, nullptr);
        CreateWindowExA(0, "BUTTON", "X", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 30, 100, 20,
                        owner.Handle(), reinterpret_cast<HMENU>(kCheck), instance, nullptr);
        combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 0, 60,
                                100, 100, owner.Handle(), reinterpret_cast<HMENU>(kCombo), instance,
                                nullptr);
        for (const char* entry : {"kompakt", "standard", "erweitert"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }

    CPlainWindow owner;
    HWND edit = nullptr;
    HWND combo = nullptr;
};

}  // namespace

TEST_F(DataExchangeTest, MovesValuesBothWays)
{
    std::string text = "Weihnachten";
    int32_t checked = 1;
    int32_t index = 2;
    CDataExchange toControls(owner.Handle(), false);
    EXPECT_TRUE(toControls.Text(kEdit, text));
    EXPECT_TRUE(toControls.Check(kCheck, checked));
    EXPECT_TRUE(toControls.ComboIndex(kCombo, index));
    EXPECT_EQ(TextOf(edit), "Weihnachten");

    SetWindowTextA(edit, "Ostern");
    CheckDlgButton(owner.Handle(), kCheck, BST_UNCHECKED);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    CDataExchange toMembers(owner.Handle(), true);
    EXPECT_TRUE(toMembers.Text(kEdit, text));
    EXPECT_TRUE(toMembers.Check(kCheck, checked));
    EXPECT_TRUE(toMembers.ComboIndex(kCombo, index));
    EXPECT_EQ(text, "Ostern");
    EXPECT_EQ(checked, 0);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(toMembers.FailedControl(), 0);
}

TEST_F(DataExchangeTest, RefusedNumbersLeaveTheMemberAndNameTheControl)
{
    CDataExchange toMembers(owner.Handle(), true);
    int32_t value = 7;
    for (const char* bad : {"", "12a", "99999999999", "1.5"}) {
        SetWindowTextA(edit, bad);
        EXPECT_FALSE(toMembers.Int(kEdit, value)) << bad;
        EXPECT_EQ(value, 7);
    }
    EXPECT_EQ(toMembers.FailedControl(), kEdit);
    SetWindowTextA(edit, " -42 ");
    EXPECT_TRUE(toMembers.Int(kEdit, value));
    EXPECT_EQ(value, -42);
    std::string missing;
    EXPECT_FALSE(toMembers.Text(999, missing));
}

TEST_F(DataExchangeTest, DateOutsideThePickersRangeIsNotShownAndNamesThePicker)
{
    constexpr int kPicker = 103;
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    CreateWindowExA(0, DATETIMEPICK_CLASSA, "", WS_CHILD | WS_VISIBLE | DTS_SHORTDATEFORMAT, 0, 90, 100, 20,
                    owner.Handle(), reinterpret_cast<HMENU>(kPicker), GetModuleHandleA(nullptr), nullptr);
    CDataExchange toControls(owner.Handle(), false);
    SYSTEMTIME shown{1800, 12, 0, 24, 18, 30, 15, 0};
    EXPECT_TRUE(toControls.DateTime(kPicker, shown));
    SYSTEMTIME early{1500, 1, 0, 1, 12, 0, 0, 0};
    EXPECT_FALSE(toControls.DateTime(kPicker, early));
    EXPECT_EQ(toControls.FailedControl(), kPicker);

    SYSTEMTIME read{};
    CDataExchange toMembers(owner.Handle(), true);
    ASSERT_TRUE(toMembers.DateTime(kPicker, read));
    EXPECT_EQ(read.wYear, 1800);
    EXPECT_EQ(read.wSecond, 15);
}

TEST(DialogItems, PlainControlsAreSwitchedByIdAndAMissingOneReadsEmpty)
{
    CPlainWindow owner;
    CEmptyDialog dialog(owner.Handle());
    bool disabled = false, checked = false, unchecked = true, missingChecked = true;
    std::string text, missingText = "?";
    AfterDelay(50, [&] {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        CreateWindowExA(0, "BUTTON", "X", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 100, 20,
                        dialog.Handle(), reinterpret_cast<HMENU>(kCheck), instance, nullptr);
        dialog.EnableItem(kCheck, false);
        disabled = !IsWindowEnabled(dialog.GetDlgItem(kCheck));
        dialog.CheckItem(kCheck, true);
        checked = dialog.IsItemChecked(kCheck);
        dialog.CheckItem(kCheck, false);
        unchecked = !dialog.IsItemChecked(kCheck);
        dialog.SetItemText(kCheck, "Transparent");
        text = dialog.GetItemText(kCheck);
        dialog.EnableItem(999, false);
        dialog.CheckItem(999, true);
        dialog.SetItemText(999, "nirgends");
        missingChecked = dialog.IsItemChecked(999);
        missingText = dialog.GetItemText(999);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_TRUE(disabled);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(unchecked);
    EXPECT_EQ(text, "Transparent");
    EXPECT_FALSE(missingChecked);
    EXPECT_EQ(missingText, "");
}
