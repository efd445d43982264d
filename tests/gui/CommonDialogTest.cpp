// The system's file and colour dialogs run through RunModal: owned by the right window, the
// colour dialog owning messages while it is open, and cancelled from outside.
#include "GuiTestSupport.h"
#include "SheetTestSupport.h"

#include "platform/CommonDialogs.h"

#include <gtest/gtest.h>

namespace {

// Polls for the dialog from inside its own modal loop, keeps a screenshot of it, then cancels it.
void CancelWhenShown(HWND owner, HWND& seen, HWND& ownerDuringRun, orv::Windows::WinApp& app,
                     const char* screenshot, int tries = 60)
{
    AfterDelay(100, [&, owner, screenshot, tries] {
        const HWND dialog = OwnedDialog(owner);
        if (!dialog) {
            if (tries > 0)
                CancelWhenShown(owner, seen, ownerDuringRun, app, screenshot, tries - 1);
            return;
        }
        seen = dialog;
        ownerDuringRun = app.GetOwnerHandle();
        EXPECT_TRUE(SaveScreenshot(dialog, screenshot)) << screenshot;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

}  // namespace

TEST(CommonDialogs, FileDialogIsOwnedByItsOwnerAndCancelReturnsCancel)
{
    CRecordingApp app;
    CPlainWindow owner;
    app.SetMainWindow(&owner);
    CFileDialog dialog(true, "", "", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR,
                       "Termin-Listen (*.lst)|*.lst|Alle Dateien (*.*)|*.*||", owner.Handle());
    HWND seen = nullptr, ownerDuringRun = nullptr;
    CancelWhenShown(owner.Handle(), seen, ownerDuringRun, app, "file_dialog");
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(ownerDuringRun, owner.Handle());  // messages meanwhile belong to its owner
    EXPECT_EQ(dialog.GetError(), 0u);           // cancelled, not failed
    EXPECT_EQ(app.GetOwnerHandle(), owner.Handle());
    app.ReleaseMainWindow();
}

TEST(CommonDialogs, ColorDialogOwnsMessagesWhileOpenAndKeepsItsColourOnCancel)
{
    CRecordingApp app;
    CPlainWindow owner;
    app.SetMainWindow(&owner);
    COLORREF custom[16] = {};
    CColorDialog dialog(RGB(1, 2, 3), CC_RGBINIT, custom, owner.Handle());
    HWND seen = nullptr, ownerDuringRun = nullptr;
    CancelWhenShown(owner.Handle(), seen, ownerDuringRun, app, "color_dialog");
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(ownerDuringRun, seen);
    EXPECT_EQ(dialog.GetColor(), RGB(1, 2, 3));
    EXPECT_EQ(app.GetOwnerHandle(), owner.Handle());
    app.ReleaseMainWindow();
}
