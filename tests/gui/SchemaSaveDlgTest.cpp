// "Schema speichern": the offered name, its limit, the refusal of an empty name, and help.
#include "SheetTestSupport.h"

#include "res/resource.h"
#include "sheet/SchemaSaveDlg.h"

#include <gtest/gtest.h>

namespace {

class SchemaSaveDlgTest : public ::testing::Test {
protected:
    void SetUp() override { app.SetMainWindow(&mainWindow); }
    void TearDown() override { app.ReleaseMainWindow(); }

    CRecordingApp app;
    CPlainWindow mainWindow;
};

}  // namespace

TEST_F(SchemaSaveDlgTest, OffersTheNameSelectedAndLimitedTo300Characters)
{
    CSchemaSaveDlg dialog(app, mainWindow.Handle());
    dialog.m_strName = "Abend";
    HWND edit = nullptr;
    DWORD start = 99, end = 0;
    LRESULT limit = 0;
    bool focused = false;
    AfterDelay(150, [&] {
        const HWND window = FindDialog("Schema speichern");
        edit = GetDlgItem(window, IDC_SCHEME_NAME);
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
        focused = GetFocus() == edit;
        EXPECT_TRUE(SaveScreenshot(window, "schema_save_dialog"));
        // Typing replaces the selected name.
        SendMessageA(edit, WM_CHAR, 'N', 1);
        PostKey(edit, VK_RETURN);
    });
    EXPECT_EQ(app.RunModal(dialog), IDOK);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);
    EXPECT_EQ(limit, 300);
    EXPECT_TRUE(focused);
    EXPECT_EQ(dialog.m_strName, "N");
}

TEST_F(SchemaSaveDlgTest, EmptyNameIsRefusedWithError103AndTheDialogStays)
{
    CSchemaSaveDlg dialog(app, mainWindow.Handle());
    std::string error;
    bool stillOpen = false;
    AfterDelay(150, [&] {
        const HWND window = FindDialog("Schema speichern");
        AfterDelay(200, [&, window] {
            if (const HWND message = FindDialog("FEHLER")) {
                for (HWND child : ChildWindows(message))
                    if (ClassOf(child) == "Static" && TextOf(child).size() > error.size())
                        error = TextOf(child);
                PostKey(GetFocus(), VK_RETURN);
            }
            AfterDelay(200, [&, window] {
                stillOpen = IsWindowVisible(window) != FALSE;
                // Blanks only are a name as well.
                SetDlgItemTextA(window, IDC_SCHEME_NAME, "  ");
                SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
            });
        });
        SendMessageA(GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(app.RunModal(dialog), IDOK);
    EXPECT_EQ(error, "FEHLER 103: F\xFCr das Anzeige-Schema muss ein Name vergeben werden.");
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(dialog.m_strName, "  ");
}

TEST_F(SchemaSaveDlgTest, F1AndHelpButtonShowItsPageAndEscapeCancels)
{
    CSchemaSaveDlg dialog(app, mainWindow.Handle());
    dialog.m_strName = "Abend";
    AfterDelay(150, [&] {
        const HWND window = FindDialog("Schema speichern");
        PostKey(GetFocus(), VK_F1);
        AfterDelay(100, [window] {
            SendMessageA(FindButton(window, "&Hilfe"), BM_CLICK, 0, 0);
            SetDlgItemTextA(window, IDC_SCHEME_NAME, "Anders");
            PostKey(GetDlgItem(window, IDC_SCHEME_NAME), VK_ESCAPE);
        });
    });
    EXPECT_EQ(app.RunModal(dialog), IDCANCEL);
    EXPECT_EQ(app.topics, (std::vector<std::string>{"ref_dlg_schema.html", "ref_dlg_schema.html"}));
    EXPECT_EQ(dialog.m_strName, "Abend");
}
