// The registry settings store: sections below the application key and readers with defaults.
#include "framework/RegistryProfile.h"

#include "RegistryTestSupport.h"

using orv::Windows::CRegistryProfile;

namespace {

class RegistryProfileTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        profile.SetPath(AppPath().c_str());
    }
    CRegistryProfile profile;
};

}  // namespace

TEST_F(RegistryProfileTest, OpenSectionCreatesEveryMissingLevel)
{
    EXPECT_FALSE(KeyExists(""));
    ASSERT_TRUE(profile.OpenSection("Settings\\Termine"));
    EXPECT_TRUE(profile.IsOpen());
    EXPECT_TRUE(KeyExists("Settings\\Termine"));
    ASSERT_TRUE(profile.WriteString("ExportPath", "C:\\Daten\\"));
    EXPECT_EQ(profile.CloseSection(), 0);
    EXPECT_FALSE(profile.IsOpen());
    EXPECT_EQ(ReadRaw("Settings\\Termine", "ExportPath").type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistryProfileTest, TypedValuesRoundTripAndBadOnesGiveDefaults)
{
    ASSERT_TRUE(profile.OpenSection("MainWnd"));
    EXPECT_TRUE(profile.WriteBool("AlwaysOnTop", 5));
    EXPECT_TRUE(profile.WriteInt("DblClkCmd", -1));
    const int32_t colours[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
    EXPECT_TRUE(profile.WriteBinary("Colours", sizeof(colours), colours));
    EXPECT_TRUE(profile.WriteString("Name", "Nacht"));
    profile.CloseSection();
    EXPECT_EQ(ReadRaw("MainWnd", "AlwaysOnTop").bytes, (std::vector<BYTE>{1}));
    EXPECT_EQ(ReadRaw("MainWnd", "DblClkCmd").bytes, (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}));

    const DWORD dword = 1;
    WriteRaw("MainWnd", "Border", REG_DWORD, &dword, sizeof(dword));
    const char expand[] = "x";
    WriteRaw("MainWnd", "Expand", REG_EXPAND_SZ, expand, sizeof(expand));

    ASSERT_TRUE(profile.OpenSection("MainWnd"));
    EXPECT_TRUE(profile.GetBool("AlwaysOnTop", false));
    EXPECT_FALSE(profile.GetBool("Border", false));
    EXPECT_TRUE(profile.GetBool("Missing", true));
    EXPECT_EQ(profile.GetInt("DblClkCmd", 40005), -1);
    EXPECT_EQ(profile.GetInt("Border", 40005), 40005);
    EXPECT_EQ(profile.GetString("Name", "def"), "Nacht");
    EXPECT_EQ(profile.GetString("Expand", "def"), "def");

    int32_t read[3] = {};
    EXPECT_EQ(profile.GetBinary("Colours", sizeof(read), colours, read), ERROR_SUCCESS);
    EXPECT_EQ(read[2], 0x000000FF);
    const int32_t defaults[2] = {4, 5};
    int32_t shortRead[2] = {0, 0};
    EXPECT_NE(profile.GetBinary("Colours", sizeof(shortRead), defaults, shortRead), ERROR_SUCCESS);  // stored length differs
    EXPECT_EQ(shortRead[0], 4);
    EXPECT_EQ(shortRead[1], 5);
    profile.CloseSection();
}

TEST_F(RegistryProfileTest, ShortPlacementLeavesTheCurrentOneInPlace)
{
    const BYTE placement40[40] = {9};
    WriteRaw("MainWnd", "Placement", REG_BINARY, placement40, sizeof(placement40));
    ASSERT_TRUE(profile.OpenSection("MainWnd"));
    BYTE current[44];
    memset(current, 0x33, sizeof(current));
    EXPECT_EQ(profile.GetBinary("Placement", sizeof(current), current, current), ERROR_INVALID_DATA);
    EXPECT_EQ(current[0], 0x33);
    EXPECT_EQ(current[43], 0x33);

    BYTE stored[44] = {1, 2, 3};
    EXPECT_TRUE(profile.WriteBinary("Placement", sizeof(stored), stored));
    EXPECT_EQ(profile.GetBinary("Placement", sizeof(current), current, current), 0);
    EXPECT_EQ(current[2], 3);
    EXPECT_EQ(current[43], 0);
}

TEST_F(RegistryProfileTest, DeleteSectionRemovesTheTreeOnce)
{
    ASSERT_TRUE(profile.OpenSection("Termine\\tief\\tiefer"));
    profile.CloseSection();
    ASSERT_TRUE(profile.OpenSection("Image"));
    EXPECT_TRUE(profile.DeleteSection("Termine"));
    EXPECT_TRUE(profile.IsOpen());  // the open section is not touched
    profile.CloseSection();
    EXPECT_FALSE(KeyExists("Termine"));
    EXPECT_TRUE(KeyExists("Image"));
    EXPECT_FALSE(profile.DeleteSection("Termine"));

    CRegistryProfile nowhere;
    nowhere.SetPath((AppPath() + "\\Fehlt").c_str());
    EXPECT_TRUE(nowhere.DeleteSection("Termine"));  // nothing stored, nothing to delete
}

TEST_F(RegistryProfileTest, DeleteValue)
{
    ASSERT_TRUE(profile.OpenSection("Image"));
    profile.WriteString("Schema", "Tag");
    EXPECT_TRUE(profile.DeleteValue("Schema"));
    EXPECT_FALSE(profile.DeleteValue("Schema"));
    EXPECT_EQ(profile.GetString("Schema", "-"), "-");
}
