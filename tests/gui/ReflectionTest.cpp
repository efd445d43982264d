// Messages about a control reach the control's own object; answers reach the sender; attached
// controls outlive their objects.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr int kButton = 200;
constexpr int kEdit = 201;
constexpr UINT kAskCode = 0x1234;
constexpr COLORREF kRed = RGB(255, 0, 0);

// Answers its own notification and draws itself.
class CSelfDrawingButton : public CWnd {
public:
    int drawn = 0;

protected:
    bool OnNotifyReflect(NMHDR* header, LRESULT& result) override
    {
        if (header->code != kAskCode)
            return false;
        result = 42;
        return true;
    }
    bool OnMessageReflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) override
    {
        if (msg != WM_DRAWITEM)
            return false;
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const HBRUSH red = CreateSolidBrush(kRed);
        FillRect(item->hDC, &item->rcItem, red);
        DeleteObject(red);
        ++drawn;
        result = TRUE;
        return true;
    }
};

class CHostDialog : public CEmptyDialog {
public:
    using CEmptyDialog::CEmptyDialog;
    CSelfDrawingButton button;
    int notifiedParent = 0;

protected:
    BOOL OnInitDialog() override
    {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        CreateWindowExA(0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, 40, 20, m_hWnd,
                        reinterpret_cast<HMENU>(kButton), instance, nullptr);
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 40, 40, 20, m_hWnd,
                        reinterpret_cast<HMENU>(kEdit), instance, nullptr);
        button.AttachDlgItem(kButton, m_hWnd);
        return CEmptyDialog::OnInitDialog();
    }
    bool OnNotify(NMHDR* header, LRESULT& result) override
    {
        ++notifiedParent;
        result = 7;
        return header->code == kAskCode;
    }
};

LRESULT Ask(HWND dialog, HWND from)
{
    NMHDR header{from, static_cast<UINT_PTR>(GetDlgCtrlID(from)), kAskCode};
    return SendMessageA(dialog, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

}  // namespace

TEST(Reflection, NotifyAnswersReachTheSenderFromTheControlOrElseTheDialog)
{
    CPlainWindow owner;
    CHostDialog dialog(owner.Handle());
    LRESULT fromButton = 0;
    LRESULT fromEdit = 0;
    AfterDelay(50, [&] {
        fromButton = Ask(dialog.Handle(), dialog.GetDlgItem(kButton));
        fromEdit = Ask(dialog.Handle(), dialog.GetDlgItem(kEdit));  // no object: the dialog answers
        dialog.EndDialog(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(fromButton, 42);
    EXPECT_EQ(fromEdit, 7);
    EXPECT_EQ(dialog.notifiedParent, 1);
}

TEST(Reflection, OwnerDrawnButtonDrawsThroughItsOwnObject)
{
    CPlainWindow owner;
    CHostDialog dialog(owner.Handle());
    COLORREF pixel = 0;
    AfterDelay(50, [&] {
        const HWND button = dialog.GetDlgItem(kButton);
        InvalidateRect(button, nullptr, TRUE);
        UpdateWindow(button);
        const HDC dc = GetDC(button);
        pixel = GetPixel(dc, 5, 5);
        ReleaseDC(button, dc);
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_GT(dialog.button.drawn, 0);
    EXPECT_EQ(pixel, kRed);
}

TEST(Attach, DetachedControlSurvivesItsObjectAndOnlyOneObjectBindsIt)
{
    CPlainWindow owner;
    const HWND edit = CreateWindowExA(0, "EDIT", "vorher", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20,
                                      owner.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    {
        CWnd first;
        ASSERT_TRUE(first.Attach(edit));
        EXPECT_EQ(CWnd::FromHandle(edit), &first);
        CWnd second;
        EXPECT_FALSE(second.Attach(edit));
        first.SetWindowText("gebunden");
    }  // the object goes, the control stays
    ASSERT_TRUE(IsWindow(edit));
    EXPECT_EQ(CWnd::FromHandle(edit), nullptr);
    SetWindowTextA(edit, "danach");
    EXPECT_EQ(TextOf(edit), "danach");

    CWnd again;
    ASSERT_TRUE(again.Attach(edit));
    EXPECT_EQ(again.Detach(), edit);
    EXPECT_TRUE(IsWindow(edit));
}
