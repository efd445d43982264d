// Application base paths and the version resource of this very program.
#include "framework/PathParts.h"
#include "framework/VersionInfo.h"
#include "res/version.h"

#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace orv::Windows;

TEST(WinAppPaths, DerivedFromTheProgramFile)
{
    CTestApp app("Zielmark");
    ASSERT_TRUE(app.InitInstance());
    const std::string program = GetModulePath(nullptr);
    const CAppPaths& paths = app.GetPaths();
    EXPECT_EQ(paths.programPath, program);
    const std::string folder = program.substr(0, program.rfind('\\') + 1);
    EXPECT_EQ(paths.programFolder, folder);
    EXPECT_EQ(paths.helpFolder, folder + "help\\");
    EXPECT_EQ(paths.registryKey, "Orvanta\\Zielmark");
    const std::string stem = program.substr(0, program.size() - 4);
    EXPECT_EQ(paths.helpFilePath, stem + ".chm");
    ASSERT_NE(app.GetProfile(), nullptr);
}

TEST(WinAppPaths, EveryPathFollowsTheProgramFileAndNoneWithoutIt)
{
    const CAppPaths paths = AppPathsFor("C:\\Programme\\Tool\\Zielmark.exe", "Zielmark");
    EXPECT_EQ(paths.programFolder, "C:\\Programme\\Tool\\");
    EXPECT_EQ(paths.helpFolder, "C:\\Programme\\Tool\\help\\");
    EXPECT_EQ(paths.helpFilePath, "C:\\Programme\\Tool\\Zielmark.chm");
    EXPECT_EQ(paths.registryKey, "Orvanta\\Zielmark");

    const CAppPaths none = AppPathsFor("", "Zielmark");
    EXPECT_EQ(none.programFolder, "");
    EXPECT_EQ(none.registryKey, "");
}

TEST(WinAppPaths, NameComesFromTheStringTableByDefault)
{
    CTestApp app;
    EXPECT_EQ(app.m_strAppName, "Zielmark");
}

TEST(VersionInfo, ReadsTheGermanStringsAndTheFileVersion)
{
    CVersionInfo info;
    ASSERT_TRUE(info.Open(GetModulePath(nullptr)));
    EXPECT_EQ(info.GetPrefix(), "\\StringFileInfo\\040704B0\\");
    EXPECT_FALSE(info.GetString("FileDescription").empty());
    EXPECT_NE(info.GetString("LegalCopyright").find("Orvanta"), std::string::npos);
    EXPECT_EQ(info.GetString("GibtEsNicht"), "");
    uint16_t major = 0, minor = 0, revision = 0, build = 0;
    ASSERT_TRUE(info.GetFileVersion(major, minor, revision, build));
    EXPECT_EQ(major, ZM_VERSION_MAJOR);
    EXPECT_EQ(build, ZM_VERSION_BUILD);
    EXPECT_FALSE(info.FormatVersion().empty());
    // A translation index past the list takes the first pair.
    ASSERT_TRUE(info.Open(GetModulePath(nullptr), 5));
    EXPECT_EQ(info.GetPrefix(), "\\StringFileInfo\\040704B0\\");
}

TEST(VersionInfo, FileWithoutVersionResourceGivesEmptyTexts)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "zielmark_ohne_version.txt";
    FILE* out = std::fopen(file.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fputs("kein Programm", out);
    std::fclose(out);
    CVersionInfo info;
    EXPECT_FALSE(info.Open(file));
    EXPECT_EQ(info.GetString("FileDescription"), "");
    EXPECT_EQ(info.FormatVersion(), "");
    std::remove(file.c_str());
}
