// Tray icon: the record handed to the shell, tooltip cutting, and what the shown flag allows.
#include "platform/TrayIcon.h"
#include "timerwnd/TimerTrayIcon.h"

#include "TestWindow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using orv::CTrayIcon;

namespace {

// Records every shell call instead of making it; answers with the queued results (default TRUE).
class CRecordingTrayIcon : public CTrayIcon {
public:
    struct Call {
        DWORD message;
        NOTIFYICONDATAA data;
    };
    ~CRecordingTrayIcon() override { Remove(); }

    std::vector<Call> calls;
    std::vector<BOOL> answers;

protected:
    BOOL NotifyShell(DWORD message, NOTIFYICONDATAA* data) override
    {
        calls.push_back({message, *data});
        if (answers.empty())
            return TRUE;
        const BOOL answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};

const HWND kWindow = reinterpret_cast<HWND>(0x1234);

bool TipBytesZeroFrom(const NOTIFYICONDATAA& data, size_t from)
{
    for (size_t i = from; i < CTrayIcon::kTipSize; ++i)
        if (data.szTip[i] != '\0')
            return false;
    return true;
}

}  // namespace

TEST(TrayIcon, AddHandsTheFirstFormRecordToTheShell)
{
    CRecordingTrayIcon tray;
    tray.Init(kWindow, 5);
    const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    EXPECT_TRUE(tray.Add(icon, "Zielmark", WM_APP + 3));
    EXPECT_TRUE(tray.IsShown());

    ASSERT_EQ(tray.calls.size(), 1u);
    const auto& call = tray.calls[0];
    EXPECT_EQ(call.message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(call.data.cbSize, CTrayIcon::kRecordSize);  // 88 in the 32-bit program
    EXPECT_EQ(call.data.hWnd, kWindow);
    EXPECT_EQ(call.data.uID, 5u);
    EXPECT_EQ(call.data.uFlags, static_cast<UINT>(NIF_ICON | NIF_TIP | NIF_MESSAGE));
    EXPECT_EQ(call.data.hIcon, icon);
    EXPECT_EQ(call.data.uCallbackMessage, static_cast<UINT>(WM_APP + 3));
    EXPECT_STREQ(call.data.szTip, "Zielmark");
    EXPECT_TRUE(TipBytesZeroFrom(call.data, 8));
}

TEST(TrayIcon, AddWithoutTipOrCallbackSetsOnlyTheIcon)
{
    CRecordingTrayIcon tray;
    tray.Init(kWindow, 0);
    EXPECT_TRUE(tray.Add(nullptr, nullptr, 0));
    ASSERT_EQ(tray.calls.size(), 1u);
    EXPECT_EQ(tray.calls[0].data.uFlags, static_cast<UINT>(NIF_ICON));

    // Adding again takes the old icon away first.
    EXPECT_TRUE(tray.Add(nullptr, nullptr, 0));
    ASSERT_EQ(tray.calls.size(), 3u);
    EXPECT_EQ(tray.calls[1].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(tray.calls[2].message, static_cast<DWORD>(NIM_ADD));
}

TEST(TrayIcon, TipsAreCutTo63CharactersAndZeroFilled)
{
    CRecordingTrayIcon tray;
    tray.Init(kWindow, 0);
    const std::string longTip(100, 'x');
    ASSERT_TRUE(tray.Add(nullptr, longTip.c_str(), 0));
    EXPECT_EQ(std::string(tray.calls.back().data.szTip), std::string(63, 'x'));
    EXPECT_EQ(tray.calls.back().data.szTip[63], '\0');

    EXPECT_TRUE(tray.SetTip("17 Tage"));
    const auto& modify = tray.calls.back();
    EXPECT_EQ(modify.message, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_EQ(modify.data.uFlags, static_cast<UINT>(NIF_TIP));
    EXPECT_STREQ(modify.data.szTip, "17 Tage");
    EXPECT_TRUE(TipBytesZeroFrom(modify.data, 7));

    ASSERT_TRUE(tray.SetTip(longTip.c_str()));
    EXPECT_TRUE(tray.SetTip(nullptr));
    EXPECT_TRUE(TipBytesZeroFrom(tray.calls.back().data, 0));

    ASSERT_TRUE(tray.SetTip(longTip.c_str()));
    EXPECT_TRUE(tray.SetTip(""));
    EXPECT_TRUE(TipBytesZeroFrom(tray.calls.back().data, 0));
}

TEST(TrayIcon, RemoveTwiceReachesTheShellOnce)
{
    CRecordingTrayIcon tray;
    tray.Init(kWindow, 0);
    ASSERT_TRUE(tray.Add(nullptr, nullptr, 0));
    EXPECT_FALSE(tray.Remove());
    EXPECT_FALSE(tray.Remove());
    ASSERT_EQ(tray.calls.size(), 2u);
    EXPECT_EQ(tray.calls[1].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(tray.calls[1].data.uFlags, 0u);
    EXPECT_FALSE(tray.IsShown());
}

TEST(TrayIcon, RefusedAddLeavesNothingToChangeOrRemove)
{
    CRecordingTrayIcon tray;
    tray.Init(kWindow, 0);
    tray.answers = {FALSE};
    EXPECT_FALSE(tray.Add(nullptr, "Tipp", 0));
    EXPECT_FALSE(tray.IsShown());
    EXPECT_FALSE(tray.SetTip("Neu"));
    EXPECT_FALSE(tray.Remove());
    EXPECT_EQ(tray.calls.size(), 1u);
}

TEST(TrayIcon, RefusedRemoveKeepsTheIconTracked)
{
    CRecordingTrayIcon tray;
    tray.Init(kWindow, 0);
    ASSERT_TRUE(tray.Add(nullptr, nullptr, 0));
    tray.answers = {FALSE};
    EXPECT_TRUE(tray.Remove());
    EXPECT_TRUE(tray.IsShown());

    // A shell that lost the icon (it restarted) refuses the removal; Add still adds it anew.
    tray.answers = {FALSE, TRUE};
    EXPECT_TRUE(tray.Add(nullptr, nullptr, 0));
    EXPECT_TRUE(tray.IsShown());
    ASSERT_EQ(tray.calls.size(), 4u);
    EXPECT_EQ(tray.calls[2].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(tray.calls[3].message, static_cast<DWORD>(NIM_ADD));

    // A refused add after a refused removal leaves nothing the record could still remove.
    tray.answers = {FALSE, FALSE};
    EXPECT_FALSE(tray.Add(nullptr, nullptr, 0));
    EXPECT_FALSE(tray.IsShown());
    EXPECT_FALSE(tray.Remove());
    EXPECT_EQ(tray.calls.size(), 6u);
}

TEST(TrayIcon, RealShellKeepsTheShownFlagInStep)
{
    CTestWindow window;
    ASSERT_NE(window.Handle(), nullptr);
    CTrayIcon tray;
    tray.Init(window.Handle(), 77);
    const bool added = tray.Add(LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), "Zielmark-Test", WM_APP + 1);
    EXPECT_EQ(added, tray.IsShown());
    EXPECT_TRUE(added);
    if (added) {
        EXPECT_TRUE(tray.SetTip("17 Tage"));
        EXPECT_FALSE(tray.Remove());
    }
    EXPECT_FALSE(tray.SetTip("weg"));
}

TEST(TimerTrayIcon, TipFollowsTheDayCountAndReachesTheShellOnlyWhenItChanges)
{
    auto recording = std::make_unique<CRecordingTrayIcon>();
    CRecordingTrayIcon* shell = recording.get();
    CTimerTrayIcon icon(kWindow, std::move(recording));
    EXPECT_FALSE(icon.SetDays(3));  // not shown yet: nothing to change
    ASSERT_TRUE(icon.Show(nullptr, 40004));
    const size_t afterShow = shell->calls.size();
    EXPECT_STREQ(shell->calls.back().data.szTip, "");  // no count yet

    EXPECT_TRUE(icon.SetDays(23));
    EXPECT_STREQ(shell->calls.back().data.szTip, "Noch 23 Tage!");
    EXPECT_TRUE(icon.SetDays(23));
    EXPECT_TRUE(icon.SetDays(23));
    EXPECT_EQ(shell->calls.size(), afterShow + 1);  // the same count asks the shell nothing

    EXPECT_TRUE(icon.SetDays(1));
    EXPECT_STREQ(shell->calls.back().data.szTip, "Noch 1 Tage!");
    EXPECT_TRUE(icon.SetDays(-1));
    EXPECT_STREQ(shell->calls.back().data.szTip, "");
    EXPECT_EQ(shell->calls.size(), afterShow + 3);
}
