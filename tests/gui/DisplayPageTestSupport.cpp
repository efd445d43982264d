// Fixture of the display page tests: registry area, page set-up, the colour dialog.
#include "DisplayPageTestSupport.h"

namespace {

std::string SchemataKey()
{
    return std::string("Software\\") + DisplayPageTest::kAppPath + "\\Schemata";
}

void DeleteTestArea()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, (std::string("Software\\") + DisplayPageTest::kAppPath).c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\ZielmarkTest");
}

}  // namespace

void DisplayPageTest::SetUp()
{
    DeleteTestArea();
    profile.SetPath(kAppPath);
    app.SetMainWindow(&mainWindow);
}

void DisplayPageTest::TearDown()
{
    app.ReleaseMainWindow();
    DeleteTestArea();
}

CDisplayPropPage* DisplayPageTest::AddPage(CPropertySheet& sheet, const CDisplaySet& settings,
                                           const std::string& schemeName)
{
    auto* page = sheet.AddPage(std::make_unique<CDisplayPropPage>(app, profile));
    page->DisplaySet() = settings;
    page->SchemaName() = schemeName;
    return page;
}

void DisplayPageTest::WriteScheme(const std::string& name, const std::string& text) const
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SchemataKey().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr), ERROR_SUCCESS);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

std::map<std::string, std::string> DisplayPageTest::RegistrySchemes() const
{
    std::map<std::string, std::string> schemes;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SchemataKey().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return schemes;
    for (DWORD index = 0;; ++index) {
        char name[17000];
        BYTE data[512];
        DWORD nameSize = sizeof(name);
        DWORD dataSize = sizeof(data);
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
            break;
        schemes[name] = std::string(reinterpret_cast<const char*>(data));
    }
    RegCloseKey(key);
    return schemes;
}

CDisplaySet SettingsOf(const std::string& text)
{
    CDisplaySet settings;
    EXPECT_TRUE(settings.ParseText(text)) << text;
    return settings;
}

void PickColor(HWND colorDialog, COLORREF color)
{
    // The dialog's red, green and blue fields; it takes each as it is typed.
    SetDlgItemInt(colorDialog, 706, GetRValue(color), FALSE);
    SetDlgItemInt(colorDialog, 707, GetGValue(color), FALSE);
    SetDlgItemInt(colorDialog, 708, GetBValue(color), FALSE);
    SendMessageA(GetDlgItem(colorDialog, IDOK), BM_CLICK, 0, 0);
}
