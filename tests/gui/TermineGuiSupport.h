// Driving the page "Termine" and its dialogs as a person would: a sheet of the test's own with
// the page, steps that run one after another from whatever modal loop is open, and lookups of
// rows, message boxes and buttons.
#pragma once

#include "GuiTestSupport.h"

#include "app/Win32CoreHost.h"
#include "framework/RegistryProfile.h"
#include "platform/Dialog.h"
#include "res/resource.h"
#include "sheet/TerminePropPage.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// Runs the steps about `delayMs` apart. The next step is scheduled before a step runs, so a
// step may open a modal dialog and the following steps act inside it.
void RunSteps(std::vector<std::function<void()>> steps, UINT delayMs = 150);
// Drops the steps that have not run yet.
void CancelSteps();

// Rows of a list view: the texts of one column, top to bottom.
std::vector<std::string> ColumnTexts(HWND list, int column);
std::vector<LPARAM> RowData(HWND list);
void SelectRows(HWND list, const std::vector<int>& rows);
// A mouse click on a column heading, through the header control.
void ClickHeading(HWND list, int column);
// The text of a message box (the platform's) or of our message dialog.
std::string MessageText(HWND box);
// Presses a button as the mouse would: the dialog gets its BN_CLICKED.
void Press(HWND button);
// Saves a picture of the window into the build's screenshots folder as `name`.bmp.
void SaveScreenshot(HWND window, const std::string& name);

// A list of ours bound to the list of a dialog template of the program, run modeless; Create
// once the object is complete, so a derived OnInitDialog runs.
template <class ListType, UINT kTemplate>
class CListInTemplate : public CDialog {
public:
    explicit CListInTemplate(HWND owner) : CDialog(kTemplate, owner) {}
    ~CListInTemplate() override { ::DestroyWindow(m_hWnd); }
    HWND List() const { return GetDlgItem(IDC_LIST); }
    ListType list;

protected:
    BOOL OnInitDialog() override
    {
        list.AttachDlgItem(IDC_LIST, m_hWnd);
        return TRUE;
    }
};

class TermineGuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // "Settings\Termine" of the test's own registry area.
    std::string FolderValue(const char* name) const;
    void WriteFolderValue(const char* name, const std::string& value) const;

    // Opens the page with `termine` in a plain sheet; `steps` run while it is open, the last one
    // should close it. Returns the sheet's result.
    INT_PTR RunPage(const std::vector<CTermin>& termine, std::vector<std::function<void()>> steps);

    HWND Sheet() const { return m_sheet; }
    HWND PageWindow() const { return m_page ? m_page->Handle() : nullptr; }
    HWND PageList() const { return GetDlgItem(PageWindow(), 1004); }
    HWND PageButton(int id) const { return GetDlgItem(PageWindow(), id); }
    bool ApplyEnabled() const;
    void CloseSheet(int button);
    // The working list as its text forms (the dates as `host` writes them), in list order; after
    // RunPage as the sheet left it.
    std::vector<std::string> Working() const;
    const CTerminList& Final() const { return m_final; }

    CRecordingApp app;
    CPlainWindow mainWindow;
    CWin32CoreHost host;
    orv::Windows::CRegistryProfile profile;
    // The page while RunPage runs.
    CTerminePropPage* m_page = nullptr;

private:
    std::string m_appPath;
    HWND m_sheet = nullptr;
    CTerminList m_final;
};

// An appointment from its German text form.
CTermin TerminOf(const std::string& text);
