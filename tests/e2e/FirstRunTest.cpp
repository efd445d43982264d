// The first start with no registry key, and a later start that finds the key.
#include "E2eFixture.h"
#include "ScreenCapture.h"

#include <fstream>
#include <map>

namespace e2e {
namespace {

// The schemes of the defschem.lst installed beside the program: name -> value text.
std::map<std::string, std::string> ShippedSchemes()
{
    std::map<std::string, std::string> schemes;
    std::ifstream file(FolderOf(InstalledExe()) + "\\defschem.lst");
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t colon = line.find(':');
        if (colon != std::string::npos && colon > 0)
            schemes[line.substr(0, colon)] = line.substr(colon + 1);
    }
    return schemes;
}

TEST_F(ZielmarkTest, FirstRunImportsTheSchemesAndSavesEveryOptionOnClose)
{
    ASSERT_FALSE(AppRegistry::Exists());
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(ScreenImage::Capture(WindowRect(timer)).SaveBmp(ScreenshotFolder() + "\\first-run.bmp"));

    const auto shipped = ShippedSchemes();
    ASSERT_EQ(shipped.size(), 10u);
    EXPECT_EQ(AppRegistry::ValueNames("Schemata").size(), shipped.size());
    for (const auto& [name, text] : shipped) {
        const auto stored = AppRegistry::Get("Schemata", name);
        ASSERT_TRUE(stored) << name;
        EXPECT_EQ(stored->type, static_cast<DWORD>(REG_SZ)) << name;
        EXPECT_EQ(stored->Text(), text) << name;
    }

    // Defaults: at 20,20, framed, on top. The options section exists but stays empty until closing.
    const RECT shown = WindowRect(timer);
    EXPECT_EQ(shown.left, 20);
    EXPECT_EQ(shown.top, 20);
    EXPECT_TRUE(GetWindowLongA(timer, GWL_STYLE) & WS_DLGFRAME);
    EXPECT_TRUE(GetWindowLongA(timer, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(AppRegistry::SectionExists("MainWnd"));
    EXPECT_TRUE(AppRegistry::ValueNames("MainWnd").empty());

    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_EQ(Run().ExitCode(), 0u);

    EXPECT_EQ(AppRegistry::ValueNames("MainWnd").size(), 5u);
    const auto placement = StoredPlacement();
    ASSERT_TRUE(placement) << "Placement is not a 44-byte REG_BINARY block";
    EXPECT_EQ(placement->length, 44u);
    EXPECT_EQ(placement->showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    EXPECT_EQ(placement->rcNormalPosition.left, shown.left);
    EXPECT_EQ(placement->rcNormalPosition.top, shown.top);
    EXPECT_EQ(placement->rcNormalPosition.right, shown.right);
    EXPECT_EQ(placement->rcNormalPosition.bottom, shown.bottom);
    EXPECT_EQ(StoredBool("TaskbarIcon"), std::optional<bool>(true));
    EXPECT_EQ(StoredBool("AlwaysOnTop"), std::optional<bool>(true));
    EXPECT_EQ(StoredBool("Border"), std::optional<bool>(true));
    EXPECT_EQ(StoredInt("DblClkCmd"), std::optional<int32_t>(40005));
}

TEST_F(ZielmarkTest, LaterRunDoesNotImportTheSchemesAgain)
{
    // A user who deleted every scheme keeps none.
    AppRegistry::SetBool("MainWnd", "Border", true);
    HWND timer = Start();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(AppRegistry::ValueNames("Schemata").empty());
    ASSERT_TRUE(CloseByMessage(timer));
    EXPECT_TRUE(AppRegistry::ValueNames("Schemata").empty());
}

}  // namespace
}  // namespace e2e
