// Menu wrappers: owned menus are destroyed, borrowed ones survive, check marks by command.
#include "platform/MenuEx.h"

#include <gtest/gtest.h>

using orv::CMenuEx;

namespace {

constexpr UINT kFirst = 100;
constexpr UINT kSecond = 101;

// A menu bar with a pop-up at position 0 and a plain item at position 1.
HMENU BuildMenu(HMENU& popup)
{
    const HMENU bar = CreateMenu();
    popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, kFirst, "Rahmen");
    AppendMenuA(popup, MF_STRING, kSecond, "Immer oben");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "Optionen");
    AppendMenuA(bar, MF_STRING, 102, "Beenden");
    return bar;
}

bool IsChecked(HMENU menu, UINT id)
{
    return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

}  // namespace

TEST(MenuEx, BorrowedSubMenuSetsChecksAndLeavesTheMenuUsable)
{
    HMENU popup = nullptr;
    const HMENU bar = BuildMenu(popup);
    {
        CMenuEx menu;
        ASSERT_TRUE(menu.Attach(bar));

        auto sub = menu.GetSubMenuEx(0);
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->GetSafeHmenu(), popup);
        EXPECT_TRUE(sub->CheckItem(kSecond, true));
        EXPECT_TRUE(IsChecked(popup, kSecond));
        EXPECT_TRUE(sub->CheckItem(kSecond, false));
        EXPECT_FALSE(IsChecked(popup, kSecond));
        EXPECT_FALSE(sub->CheckItem(999, true));

        sub.reset();
        EXPECT_TRUE(IsMenu(popup));
        EXPECT_EQ(GetMenuItemCount(popup), 2);
        // Items of pop-ups are reached by command from the bar as well.
        EXPECT_TRUE(menu.CheckItem(kFirst, true));
        EXPECT_TRUE(IsChecked(popup, kFirst));
    }
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(popup));
}

TEST(MenuEx, NoSubMenuWherePositionHasNoPopup)
{
    HMENU popup = nullptr;
    CMenuEx menu;
    ASSERT_TRUE(menu.Attach(BuildMenu(popup)));
    EXPECT_EQ(menu.GetSubMenuEx(1), nullptr);
    EXPECT_EQ(menu.GetSubMenuEx(7), nullptr);
    EXPECT_EQ(CMenuEx().GetSubMenuEx(0), nullptr);
    EXPECT_EQ(CMenuEx::Wrap(nullptr), nullptr);
}

TEST(Menu, AttachDetachAndDestroy)
{
    HMENU popup = nullptr;
    const HMENU bar = BuildMenu(popup);
    CMenu menu;
    EXPECT_FALSE(menu.Attach(nullptr));
    ASSERT_TRUE(menu.Attach(bar));
    EXPECT_FALSE(menu.Attach(popup));  // would lose the first one
    EXPECT_EQ(menu.GetSafeHmenu(), bar);

    EXPECT_EQ(menu.Detach(), bar);
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
    EXPECT_TRUE(IsMenu(bar));

    ASSERT_TRUE(menu.Attach(bar));
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(menu.DestroyMenu());
}

TEST(Menu, LoadingAMissingResourceFails)
{
    CMenu menu;
    EXPECT_FALSE(menu.LoadMenu(59999));
    EXPECT_EQ(menu.GetSafeHmenu(), nullptr);
}
