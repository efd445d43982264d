// Anchored controls follow the dialog's edges.
#include "GuiTestSupport.h"

#include "platform/Resizer.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCorner = 300;
constexpr int kWide = 301;

class CSizableDialog : public CDialog {
public:
    explicit CSizableDialog(HWND owner)
        : m_template(AllocDialogTemplate(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, 200, 100))
    {
        InitModalIndirect(m_template, owner);
    }
    ~CSizableDialog() override { GlobalFree(m_template); }
    CResizer resizer;

protected:
    BOOL OnInitDialog() override
    {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 100, 60, 50, 20, m_hWnd,
                        reinterpret_cast<HMENU>(kCorner), instance, nullptr);
        CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 80, 20, m_hWnd,
                        reinterpret_cast<HMENU>(kWide), instance, nullptr);
        resizer.Init(m_hWnd, {{kCorner, CResizer::kRight | CResizer::kBottom},
                              {kWide, CResizer::kLeft | CResizer::kTop | CResizer::kRight}});
        return TRUE;
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_SIZE)
            resizer.OnSize(LOWORD(lParam), HIWORD(lParam));
        return CDialog::WindowProc(msg, wParam, lParam);
    }

private:
    HGLOBAL m_template;
};

RECT ClientRectOf(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

TEST(Resizer, AnchoredControlsFollowTheEdges)
{
    CPlainWindow owner;
    CSizableDialog dialog(owner.Handle());
    RECT cornerBefore{}, cornerAfter{}, wideBefore{}, wideAfter{}, window{};
    AfterDelay(50, [&] {
        const HWND handle = dialog.Handle();
        cornerBefore = ClientRectOf(dialog.GetDlgItem(kCorner));
        wideBefore = ClientRectOf(dialog.GetDlgItem(kWide));
        GetWindowRect(handle, &window);
        SetWindowPos(handle, nullptr, 0, 0, window.right - window.left + 40,
                     window.bottom - window.top + 30, SWP_NOMOVE | SWP_NOZORDER);
        cornerAfter = ClientRectOf(dialog.GetDlgItem(kCorner));
        wideAfter = ClientRectOf(dialog.GetDlgItem(kWide));
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(cornerAfter.left - cornerBefore.left, 40);
    EXPECT_EQ(cornerAfter.top - cornerBefore.top, 30);
    EXPECT_EQ(cornerAfter.right - cornerAfter.left, cornerBefore.right - cornerBefore.left);
    EXPECT_EQ(wideAfter.left, wideBefore.left);
    EXPECT_EQ(wideAfter.right - wideBefore.right, 40);
    EXPECT_EQ(wideAfter.top, wideBefore.top);
}
