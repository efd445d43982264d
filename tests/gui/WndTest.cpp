// Window objects: binding, self-deletion after the last message, failed creation, and the
// application told of its main window's end.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Deletes itself after its last message, like the timer window; counts it in `deleted`.
class CSelfOwningWnd : public CWnd {
public:
    CSelfOwningWnd(int& deleted, bool refuseCreate) : m_deleted(deleted), m_refuse(refuseCreate) {}
    ~CSelfOwningWnd() override { ++m_deleted; }

    bool Open()
    {
        return CreateEx(WindowClass{"ZielmarkTestSelfOwning"}, 0, "x", WS_POPUP, 0, 0, 10, 10,
                        nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg == WM_CREATE && m_refuse)
            return -1;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
    void PostNcDestroy() override { delete this; }

private:
    int& m_deleted;
    bool m_refuse;
};

}  // namespace

TEST(Wnd, SelfOwningWindowDeletesItselfAfterItsLastMessage)
{
    int deleted = 0;
    auto* window = new CSelfOwningWnd(deleted, false);
    ASSERT_TRUE(window->Open());
    HWND handle = window->Handle();
    EXPECT_EQ(CWnd::FromHandle(handle), window);
    DestroyWindow(handle);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(CWnd::FromHandle(handle), nullptr);
}

TEST(Wnd, FailedCreationLeavesTheObjectToItsCaller)
{
    int deleted = 0;
    auto* window = new CSelfOwningWnd(deleted, true);
    EXPECT_FALSE(window->Open());
    EXPECT_EQ(deleted, 0);  // not deleted behind the caller's back
    delete window;
    EXPECT_EQ(deleted, 1);
}

TEST(Wnd, TheApplicationLearnsFromItsMainWindowThatItIsGone)
{
    MSG quit{};
    {
        CRecordingApp app;
        int deleted = 0;
        auto* window = new CSelfOwningWnd(deleted, false);
        ASSERT_TRUE(window->Open());
        app.SetMainWindow(window);
        DestroyWindow(window->Handle());
        EXPECT_EQ(deleted, 1);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        EXPECT_EQ(app.GetOwnerHandle(), nullptr);
        EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the loop ends

        // Released first, it goes without a word to the application.
        CPlainWindow released;
        app.SetMainWindow(&released);
        app.ReleaseMainWindow();
        released.DestroyWindow();
        EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
    // A window that outlives the application does not call it.
    CPlainWindow outliving;
    {
        CRecordingApp app;
        app.SetMainWindow(&outliving);
    }
    outliving.DestroyWindow();
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}
