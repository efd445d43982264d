// Display schemes in the real registry: listing, loading, saving and the first-run import.
#include "settings/DefaultSchemes.h"
#include "settings/SchemaMap.h"

#include "framework/PathParts.h"
#include "framework/RegistryProfile.h"

#include "RegistryTestSupport.h"
#include "TestApp.h"

#include <algorithm>
#include <fstream>

namespace {

using Names = std::vector<std::string>;
using Lines = std::vector<size_t>;

class SchemaRegistryTest : public RegistryTest {
protected:
    void SetUp() override
    {
        RegistryTest::SetUp();
        profile.SetPath(AppPath().c_str());
        char folder[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
        schemeFile = std::string(folder) + "zm_defschem_" + std::to_string(GetCurrentProcessId()) +
                     ".lst";
    }
    void TearDown() override
    {
        profile.CloseSection();
        DeleteFileA(schemeFile.c_str());
        RegistryTest::TearDown();
    }

    void WriteSchemeFile(const std::string& content) const
    {
        std::ofstream out(schemeFile, std::ios::binary);
        out << content;
        ASSERT_TRUE(out.good());
    }
    void PutText(const std::string& name, const std::string& text)
    {
        WriteRaw("Schemata", name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
    }
    std::string TextOf(const std::string& name) const
    {
        const RawValue value = ReadRaw("Schemata", name);
        if (!value.exists || value.type != REG_SZ || value.bytes.empty())
            return "<fehlt>";
        return std::string(reinterpret_cast<const char*>(value.bytes.data()));
    }
    Names SortedNames(const std::string& sub) const
    {
        Names names = ValueNames(sub);
        std::sort(names.begin(), names.end());
        return names;
    }

    orv::Windows::CRegistryProfile profile;
    std::string schemeFile;
};

CDisplaySet WithStep(int32_t step)
{
    CDisplaySet set;
    set.m_nFadingStep = step;
    return set;
}

}  // namespace

TEST_F(SchemaRegistryTest, ListsNamesAndLoadsValidSchemes)
{
    CSchemaMap map(profile);
    Names names{"x"};
    map.ListNames(names);
    EXPECT_TRUE(names.empty());
    EXPECT_TRUE(map.LoadSchemes());
    EXPECT_FALSE(KeyExists("Schemata"));  // nothing to load: the section is not created

    PutText("Glut", "1;0x0000DCFF;0x00000000;0;0x000000FF;0x0000A0FF;8");
    PutText("Kaputt", "1;0x1;0x2;1;0x3;0x4;151");
    const DWORD number = 7;
    WriteRaw("Schemata", "Zahl", REG_DWORD, &number, sizeof(number));
    map.ListNames(names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"Glut", "Kaputt", "Zahl"}));

    ASSERT_TRUE(map.LoadSchemes());
    ASSERT_EQ(map.Schemes().size(), 1u);
    ASSERT_NE(map.Find("Glut"), nullptr);
    EXPECT_EQ(map.Find("Glut")->FormatText(), "1;0x0000DCFF;0x00000000;0;0x000000FF;0x0000A0FF;8");
}

TEST_F(SchemaRegistryTest, SaveRewritesTheSectionAndLoadsBack)
{
    PutText("Veraltet", "1;0x1;0x2;1;0x3;0x4;5");
    WriteRaw("Schemata\\Unter", "x", REG_SZ, "x", 2);
    CSchemaMap map(profile);
    map.Store("Wald", WithStep(2));
    map.Store("Papier", WithStep(1));
    ASSERT_TRUE(map.SaveSchemes());
    EXPECT_EQ(SortedNames("Schemata"), (Names{"Papier", "Wald"}));
    EXPECT_FALSE(KeyExists("Schemata\\Unter"));
    EXPECT_EQ(TextOf("Wald"), "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;2");

    CSchemaMap readBack(profile);
    ASSERT_TRUE(readBack.LoadSchemes());
    EXPECT_EQ(readBack.Schemes(), map.Schemes());
}

TEST_F(SchemaRegistryTest, CaseVariantReplacesTheSchemeInMapAndRegistry)
{
    CSchemaMap map(profile);
    map.Store("Gr\xFCn", WithStep(2));  // "Grün" in code page 1252
    map.Store("Wald", WithStep(3));
    ASSERT_TRUE(map.SaveSchemes());

    map.Store("GR\xDCN", WithStep(7));
    ASSERT_TRUE(map.SaveSchemes());
    EXPECT_EQ(SortedNames("Schemata"), (Names{"GR\xDCN", "Wald"}));
    EXPECT_EQ(TextOf("GR\xDCN"), "1;0x00FFFFFF;0x00000000;1;0x00804000;0x00FF0000;7");

    CSchemaMap readBack(profile);
    ASSERT_TRUE(readBack.LoadSchemes());
    EXPECT_EQ(readBack.Schemes(), map.Schemes());
}

TEST_F(SchemaRegistryTest, FirstRunImportsEveryLineWithAColon)
{
    WriteSchemeFile("Wald:1;0x00E6FFF0;0x00000000;1;0x00143C14;0x00286428;2\r\n"
                    ":1;0x1;0x2;1;0x3;0x4;5\r\n"
                    "ohne Doppelpunkt\r\n"
                    "Uhr:12:30\r\n"
                    "Null:1;0x1;0x2;1;0x3;0x4;0\r\n");
    const CDefaultSchemes::Result result = CDefaultSchemes(schemeFile).ImportIfFirstRun(profile);
    EXPECT_EQ(result.outcome, CDefaultSchemes::Outcome::Imported);
    EXPECT_EQ(result.failed, 0u);
    EXPECT_EQ(result.written, 3u);
    EXPECT_EQ(result.skippedLines, (Lines{2, 3}));
    EXPECT_EQ(SortedNames("Schemata"), (Names{"Null", "Uhr", "Wald"}));
    EXPECT_EQ(TextOf("Uhr"), "12:30");

    // Values that are no display settings text stay in the registry but do not load.
    CSchemaMap map(profile);
    ASSERT_TRUE(map.LoadSchemes());
    ASSERT_EQ(map.Schemes().size(), 1u);
    EXPECT_EQ(map.Find("Wald")->m_crStartColor, 0x00143C14u);
}

TEST_F(SchemaRegistryTest, ExistingApplicationKeyMeansNoImport)
{
    WriteSchemeFile("Wald:1;0x1;0x2;1;0x3;0x4;5\n");
    WriteRaw("MainWnd", "Border", REG_BINARY, "\1", 1);
    const CDefaultSchemes::Result result = CDefaultSchemes(schemeFile).ImportIfFirstRun(profile);
    EXPECT_EQ(result.outcome, CDefaultSchemes::Outcome::NotFirstRun);
    EXPECT_FALSE(KeyExists("Schemata"));

    // An empty application key counts as well, and so does an empty "Schemata".
    RegDeleteTreeA(HKEY_CURRENT_USER, KeyPath("MainWnd").c_str());
    ASSERT_TRUE(KeyExists(""));
    EXPECT_EQ(CDefaultSchemes(schemeFile).ImportIfFirstRun(profile).outcome,
              CDefaultSchemes::Outcome::NotFirstRun);
    EXPECT_FALSE(KeyExists("Schemata"));
}

TEST_F(SchemaRegistryTest, MissingFileOrAFolderImportsNothingAndCreatesNoKey)
{
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(MAX_PATH, folder), 0u);
    for (const std::string& path : {schemeFile, std::string(folder)}) {
        SCOPED_TRACE(path);
        const CDefaultSchemes::Result result = CDefaultSchemes(path).ImportIfFirstRun(profile);
        EXPECT_EQ(result.outcome, CDefaultSchemes::Outcome::NoFile);
        EXPECT_FALSE(KeyExists(""));
    }
}

TEST_F(SchemaRegistryTest, SchemeFileLongerThanOneReadImportsEveryLine)
{
    // Far more than one read's worth of bytes: no line may be lost or cut at a read boundary.
    std::string content;
    for (int i = 0; i < 400; ++i)
        content += "Schema" + std::to_string(i) + ":1;0x00E6FFF0;0x00000000;1;0x00143C14;0x00286428;2\r\n";
    ASSERT_GT(content.size(), 20000u);
    WriteSchemeFile(content);
    const CDefaultSchemes::Result result = CDefaultSchemes(schemeFile).ImportIfFirstRun(profile);
    EXPECT_EQ(result.outcome, CDefaultSchemes::Outcome::Imported);
    EXPECT_EQ(result.written, 400u);
    EXPECT_TRUE(result.skippedLines.empty());
    EXPECT_EQ(TextOf("Schema399"), "1;0x00E6FFF0;0x00000000;1;0x00143C14;0x00286428;2");
}

TEST_F(SchemaRegistryTest, ShippedSchemeFileImportsCompletely)
{
    std::string shipped = ZM_SHIPPED_DEFSCHEM;
    if (!shipped.empty() && shipped[0] == '/')
        shipped = "Z:" + shipped;  // the build folder seen through Wine's root drive
    const CDefaultSchemes::Result result = CDefaultSchemes(shipped).ImportIfFirstRun(profile);
    ASSERT_EQ(result.outcome, CDefaultSchemes::Outcome::Imported);
    EXPECT_EQ(result.failed, 0u);
    EXPECT_TRUE(result.skippedLines.empty());
    EXPECT_GE(result.written, 6u);
    EXPECT_LE(result.written, 10u);

    CSchemaMap map(profile);
    ASSERT_TRUE(map.LoadSchemes());
    EXPECT_EQ(map.Schemes().size(), result.written);
    for (const auto& [name, set] : map.Schemes()) {
        EXPECT_EQ(TextOf(name), set.FormatText()) << name;  // written in the canonical form
        EXPECT_NE(set.m_crTextColor, set.m_bTransparent ? set.m_crStartColor : set.m_crBackColor)
            << name;
    }
}

TEST(DefaultSchemes, FileLiesBesideTheProgram)
{
    CTestApp app("Zielmark");
    ASSERT_TRUE(app.InitPaths());
    const std::string path = app.GetPaths().programFolder + CDefaultSchemes::kFileName;
    const std::string program = orv::Windows::GetModulePath(nullptr);
    const size_t slash = program.find_last_of('\\');
    ASSERT_NE(slash, std::string::npos);
    EXPECT_EQ(path, program.substr(0, slash + 1) + "defschem.lst");
}
