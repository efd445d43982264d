// Messages about a control reach the control's own object; answers reach the sender; attached
// controls outlive their objects.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

namespace {

// Counts the texts set through it, so the test sees which messages reach the object.
class CCountingEdit : public CWnd {
public:
    int textsSet = 0;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_SETTEXT)
            ++textsSet;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

// A foreign subclass as another library would add it; it keeps its state in properties.
const char kOuterProc[] = "Test.OuterProc";
const char kOuterCalls[] = "Test.OuterCalls";

LRESULT CALLBACK OuterSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SETTEXT) {
        const auto calls = reinterpret_cast<INT_PTR>(GetPropA(window, kOuterCalls));
        SetPropA(window, kOuterCalls, reinterpret_cast<HANDLE>(calls + 1));
    }
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(window, kOuterProc));
    if (msg == WM_NCDESTROY) {
        RemovePropA(window, kOuterProc);
        RemovePropA(window, kOuterCalls);
    }
    return CallWindowProcW(original, window, msg, wParam, lParam);
}

INT_PTR OuterCalls(HWND window)
{
    return reinterpret_cast<INT_PTR>(GetPropA(window, kOuterCalls));
}

HWND MakeEdit(HWND parent)
{
    return CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, parent, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST(Attach, AnAttachedControlKeepsUserDataThatIsNotOursAndGetsItsProcedureBack)
{
    CPlainWindow owner;
    for (const LONG_PTR userData : {LONG_PTR{0}, LONG_PTR{0x1234}}) {
        const HWND edit = MakeEdit(owner.Handle());
        SetWindowLongPtrW(edit, GWLP_USERDATA, userData);
        const LONG_PTR procedure = GetWindowLongPtrW(edit, GWLP_WNDPROC);
        {
            CCountingEdit object;
            ASSERT_TRUE(object.Attach(edit));
            EXPECT_EQ(CWnd::FromHandle(edit), &object);
            SetWindowTextA(edit, "gebunden");
            EXPECT_EQ(object.textsSet, 1) << "user data " << userData;
            EXPECT_EQ(TextOf(edit), "gebunden");
            if (userData != 0) {
                EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_USERDATA), userData);
            }
        }
        EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), procedure);
        EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_USERDATA), userData);
        EXPECT_EQ(CWnd::FromHandle(edit), nullptr);
        DestroyWindow(edit);
    }
}

TEST(Attach, ASubclassAddedAfterOursStaysWorkingWhenTheObjectGoes)
{
    CPlainWindow owner;
    const HWND edit = MakeEdit(owner.Handle());
    {
        CCountingEdit object;
        ASSERT_TRUE(object.Attach(edit));
        SetPropA(edit, kOuterProc, reinterpret_cast<HANDLE>(GetWindowLongPtrW(edit, GWLP_WNDPROC)));
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterSubclass));
        SetWindowTextA(edit, "eins");
        EXPECT_EQ(object.textsSet, 1);
        EXPECT_EQ(CWnd::FromHandle(edit), &object);  // found through the property now
    }
    // Ours cannot be taken out from under the outer one; it passes everything on.
    EXPECT_EQ(CWnd::FromHandle(edit), nullptr);
    SetWindowTextA(edit, "zwei");
    EXPECT_EQ(TextOf(edit), "zwei");
    EXPECT_EQ(OuterCalls(edit), 2);
    CWnd again;
    EXPECT_FALSE(again.Attach(edit));  // it would chain into our old procedure twice
    EXPECT_TRUE(DestroyWindow(edit));
}

TEST(Attach, AControlDestroyedBeforeItsObjectLeavesItUnbound)
{
    CPlainWindow owner;
    const HWND edit = MakeEdit(owner.Handle());
    CCountingEdit object;
    ASSERT_TRUE(object.Attach(edit));
    EXPECT_TRUE(DestroyWindow(edit));
    EXPECT_EQ(object.Handle(), nullptr);
    EXPECT_FALSE(object.IsAttached());
    EXPECT_EQ(object.Detach(), nullptr);
}

namespace {

// Records which messages about it reach its own object.
class CRecordingControl : public CWnd {
public:
    std::vector<UINT> reflected;

protected:
    bool OnMessageReflect(UINT msg, WPARAM, LPARAM, LRESULT& result) override
    {
        reflected.push_back(msg);
        result = 0;
        return true;
    }
};

}  // namespace

TEST(Reflection, ScrollAndItemMessagesOfAControlReachItsObjectAndTheWindowsOwnScrollDoesNot)
{
    CPlainWindow owner;
    CHostDialog dialog(owner.Handle());
    CRecordingControl control;
    struct Case {
        UINT msg;
        bool fromControl;  // lParam names the control (scroll) or its item structure does
        bool reflected;
    };
    const Case cases[] = {
        {WM_HSCROLL, true, true},      {WM_VSCROLL, true, true},     {WM_HSCROLL, false, false},
        {WM_VSCROLL, false, false},    {WM_DELETEITEM, true, true},  {WM_COMPAREITEM, true, true},
        {WM_VKEYTOITEM, true, true},   {WM_CHARTOITEM, true, true},
    };
    std::vector<std::string> wrong;
    AfterDelay(50, [&] {
        const HWND edit = dialog.GetDlgItem(kEdit);
        EXPECT_TRUE(control.Attach(edit));
        for (const Case& c : cases) {
            control.reflected.clear();
            DELETEITEMSTRUCT deleted{ODT_LISTBOX, static_cast<UINT>(kEdit), 0, edit, 0};
            COMPAREITEMSTRUCT compared{ODT_LISTBOX, static_cast<UINT>(kEdit), edit, 0, 0, 0, 0, 0};
            LPARAM lParam = c.fromControl ? reinterpret_cast<LPARAM>(edit) : 0;
            if (c.msg == WM_DELETEITEM)
                lParam = reinterpret_cast<LPARAM>(&deleted);
            if (c.msg == WM_COMPAREITEM)
                lParam = reinterpret_cast<LPARAM>(&compared);
            SendMessageA(dialog.Handle(), c.msg, kEdit, lParam);
            const bool reached = control.reflected == std::vector<UINT>{c.msg};
            if (reached != c.reflected)
                wrong.push_back("message " + std::to_string(c.msg) + (c.fromControl ? " of the control" : " of the window"));
        }
        control.Detach();
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(wrong, std::vector<std::string>{});
}
