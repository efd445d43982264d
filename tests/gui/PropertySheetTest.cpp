// A property sheet of two pages in our own loop: Apply state, refused page changes, keyboard
// navigation and the result of its end.
#include "GuiTestSupport.h"

#include "platform/PropertySheet.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFirstEdit = 100;
constexpr int kSecondEdit = 101;

class CTestPage : public CPropertyPage {
public:
    CTestPage()
        : CPropertyPage(0),
          m_template(AllocDialogTemplate(WS_CHILD | WS_DISABLED | WS_CAPTION | DS_CONTROL, 200, 100))
    {
        InitModalIndirect(m_template, nullptr);
    }
    ~CTestPage() override { GlobalFree(m_template); }

    bool refuseLeave = false;
    int applied = 0;

protected:
    BOOL OnInitDialog() override
    {
        for (int id : {kFirstEdit, kSecondEdit})
            CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 10,
                            10 + (id - kFirstEdit) * 30, 100, 20, m_hWnd,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
        return TRUE;
    }
    bool OnKillActive() override { return !refuseLeave; }
    bool OnApply() override
    {
        ++applied;
        return true;
    }

private:
    HGLOBAL m_template;
};

class PropertySheetTest : public ::testing::Test {
protected:
    PropertySheetTest() : sheet("Testblatt", owner.Handle())
    {
        first = sheet.AddPage(std::make_unique<CTestPage>());
        second = sheet.AddPage(std::make_unique<CTestPage>());
    }

    HWND Apply() const { return GetDlgItem(sheet.Handle(), CPropertySheet::kApplyButton); }

    CPlainWindow owner;
    CPropertySheet sheet;
    CTestPage* first = nullptr;
    CTestPage* second = nullptr;
};

// Real key strokes, as a keyboard would give them to the window with the focus.
void Type(WORD key, bool control = false)
{
    std::vector<INPUT> inputs;
    auto add = [&](WORD vk, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    if (control)
        add(VK_CONTROL, false);
    add(key, false);
    add(key, true);
    if (control)
        add(VK_CONTROL, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

TEST_F(PropertySheetTest, ApplyFollowsSetModifiedAndCancelEndsWithoutApplying)
{
    bool disabledAtStart = false, enabledWhenModified = false, disabledAgain = false;
    AfterDelay(100, [&] {
        disabledAtStart = !IsWindowEnabled(Apply());
        first->SetModified(true);
        enabledWhenModified = IsWindowEnabled(Apply()) != FALSE;
        first->SetModified(false);
        disabledAgain = !IsWindowEnabled(Apply());
        PostMessageA(sheet.Handle(), WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(disabledAtStart);
    EXPECT_TRUE(enabledWhenModified);
    EXPECT_TRUE(disabledAgain);
    EXPECT_EQ(first->applied, 0);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST_F(PropertySheetTest, RefusedKillActiveKeepsThePageAndOkEndsOnceItIsAllowed)
{
    int indexAfterRefusal = -1, indexAfterRefusedOk = -1;
    bool ownerDisabled = false;
    first->refuseLeave = true;
    AfterDelay(100, [&] {
        ownerDisabled = !IsWindowEnabled(owner.Handle());
        PropSheet_SetCurSel(sheet.Handle(), nullptr, 1);
        indexAfterRefusal = sheet.GetActiveIndex();
        SendMessageA(sheet.Handle(), WM_COMMAND, IDOK, 0);
        indexAfterRefusedOk = sheet.GetActiveIndex();  // still open
        first->refuseLeave = false;
        PostMessageA(sheet.Handle(), WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(indexAfterRefusal, 0);
    EXPECT_EQ(indexAfterRefusedOk, 0);
    EXPECT_EQ(first->applied, 1);
    EXPECT_EQ(second->applied, 0);  // never shown, so never asked
}

TEST_F(PropertySheetTest, TabMovesThroughControlsAndControlTabThroughPages)
{
    HWND focusAfterTab = nullptr;
    HWND secondEdit = nullptr;
    int pageAfterControlTab = -1;
    AfterDelay(150, [&] {
        SetForegroundWindow(sheet.Handle());
        ::SetFocus(GetDlgItem(first->Handle(), kFirstEdit));
        secondEdit = GetDlgItem(first->Handle(), kSecondEdit);
        Type(VK_TAB);
        AfterDelay(150, [&] {
            focusAfterTab = GetFocus();
            Type(VK_TAB, true);
            AfterDelay(150, [&] {
                pageAfterControlTab = sheet.GetActiveIndex();
                PostMessageA(sheet.Handle(), WM_COMMAND, IDCANCEL, 0);
            });
        });
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    ASSERT_NE(secondEdit, nullptr);
    EXPECT_EQ(focusAfterTab, secondEdit);
    EXPECT_EQ(pageAfterControlTab, 1);
}
