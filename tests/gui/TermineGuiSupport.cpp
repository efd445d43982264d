// Helpers for the tests of the page "Termine", the appointment dialog and the import dialog.
#include "TermineGuiSupport.h"

#include "../e2e/ScreenCapture.h"

#include <commctrl.h>

#include <memory>

namespace {

using Steps = std::vector<std::function<void()>>;

// The steps still to run, dropped when the window they drive has gone.
std::shared_ptr<Steps>& CurrentSteps()
{
    static std::shared_ptr<Steps> steps;
    return steps;
}

void RunStep(std::shared_ptr<std::vector<std::function<void()>>> steps, size_t index, UINT delayMs)
{
    if (index >= steps->size())
        return;
    AfterDelay(delayMs, [steps, index, delayMs] {
        RunStep(steps, index + 1, delayMs);
        (*steps)[index]();
    });
}

}  // namespace

void RunSteps(std::vector<std::function<void()>> steps, UINT delayMs)
{
    CurrentSteps() = std::make_shared<Steps>(std::move(steps));
    RunStep(CurrentSteps(), 0, delayMs);
}

void CancelSteps()
{
    if (CurrentSteps())
        CurrentSteps()->clear();
    CurrentSteps().reset();
}

std::vector<std::string> ColumnTexts(HWND list, int column)
{
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char text[512] = "";
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

std::vector<LPARAM> RowData(HWND list)
{
    std::vector<LPARAM> data;
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        data.push_back(item.lParam);
    }
    return data;
}

void SelectRows(HWND list, const std::vector<int>& rows)
{
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    for (const int row : rows) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

void ClickHeading(HWND list, int column)
{
    const auto header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT rect{};
    SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(header, WM_LBUTTONUP, 0, point);
}

std::string MessageText(HWND box)
{
    // The platform's message box keeps its text in the static 0xFFFF; ours in its only text static.
    if (HWND text = GetDlgItem(box, 0xFFFF); text && !(GetWindowLongA(text, GWL_STYLE) & SS_ICON))
        return TextOf(text);
    for (HWND child : ChildWindows(box))
        if (ClassOf(child) == "Static" && !(GetWindowLongA(child, GWL_STYLE) & SS_ICON) && !TextOf(child).empty())
            return TextOf(child);
    return {};
}

void Press(HWND button)
{
    SendMessageA(button, BM_CLICK, 0, 0);
}

void SaveScreenshot(HWND window, const std::string& name)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    RECT rect{};
    GetWindowRect(window, &rect);
    const e2e::ScreenImage image = e2e::ScreenImage::Capture(rect);
    EXPECT_FALSE(image.Empty()) << name;
    EXPECT_TRUE(image.SaveBmp(e2e::ScreenshotFolder() + "/" + name + ".bmp")) << name;
}

CTermin TerminOf(const std::string& text)
{
    CTermin termin;
    EXPECT_TRUE(termin.ParseText(text, CPortableCoreHost())) << text;
    return termin;
}

void TermineGuiTest::SetUp()
{
    app.UseHost(host);
    app.SetMainWindow(&mainWindow);
    m_appPath = "ZielmarkTest\\" + std::to_string(GetCurrentProcessId()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + m_appPath).c_str());
    profile.SetPath(m_appPath.c_str());
}

void TermineGuiTest::TearDown()
{
    app.ReleaseMainWindow();
    RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + m_appPath).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZielmarkTest");
}

std::string TermineGuiTest::FolderValue(const char* name) const
{
    char value[MAX_PATH] = "";
    DWORD size = sizeof(value);
    if (RegGetValueA(HKEY_CURRENT_USER, ("Software\\" + m_appPath + "\\Settings\\Termine").c_str(), name,
                     RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return "(missing)";
    return value;
}

void TermineGuiTest::WriteFolderValue(const char* name, const std::string& value) const
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, ("Software\\" + m_appPath + "\\Settings\\Termine").c_str(), 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

INT_PTR TermineGuiTest::RunPage(const std::vector<CTermin>& termine, std::vector<std::function<void()>> steps)
{
    CPropertySheet sheet("Einstellungen", mainWindow.Handle());
    m_page = sheet.AddPage(std::make_unique<CTerminePropPage>(app, profile));
    CTerminList& working = m_page->Termine();
    for (const CTermin& termin : termine)
        working.Add(termin);
    working.m_bModified = 0;
    steps.insert(steps.begin(), [this, &sheet] { m_sheet = sheet.Handle(); });
    // Whatever went wrong before, the sheet does not outlive the test.
    steps.push_back([this] {
        if (m_sheet && IsWindow(m_sheet) && PropSheet_GetCurrentPageHwnd(m_sheet)) {
            ADD_FAILURE() << "the sheet was left open";
            CloseSheet(PSBTN_CANCEL);
        }
    });
    RunSteps(std::move(steps));
    const INT_PTR result = app.RunModal(sheet);
    CancelSteps();
    m_sheet = nullptr;
    // The sheet deletes the page as it goes; what it held stays for the checks.
    m_final = m_page->Termine();
    m_page = nullptr;
    return result;
}

bool TermineGuiTest::ApplyEnabled() const
{
    return IsWindowEnabled(GetDlgItem(m_sheet, 0x3021)) != FALSE;
}

void TermineGuiTest::CloseSheet(int button)
{
    PostMessageA(m_sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

std::vector<std::string> TermineGuiTest::Working() const
{
    std::vector<std::string> texts;
    const CTerminList& working = m_page ? m_page->Termine() : m_final;
    for (size_t i = 0; i < working.GetSize(); ++i)
        texts.push_back(working[i].FormatText(host));
    return texts;
}
