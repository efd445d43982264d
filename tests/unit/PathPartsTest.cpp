// Paths beside the program: splitting, replacing title and extension, absolute folders.
#include "framework/PathParts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

using orv::Windows::CPathParts;
using orv::Windows::FullPath;
using orv::Windows::GetModulePath;

namespace {

std::string CurrentFolder()
{
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::string text = folder;
    if (text.back() != '\\')
        text += '\\';
    return text;
}

}  // namespace

TEST(PathParts, SplitsAndJoinsWithNewTitleAndExtension)
{
    CPathParts parts("C:\\Programme\\Tool\\app.exe");
    EXPECT_EQ(parts.GetDrive(), "C:");
    EXPECT_EQ(parts.GetDirectory(), "\\Programme\\Tool\\");
    EXPECT_EQ(parts.MakePath(), "C:\\Programme\\Tool\\app.exe");
    EXPECT_EQ(parts.SetTitle("defschem"), 9u);
    EXPECT_EQ(parts.SetExtension(".lst"), 5u);
    EXPECT_EQ(parts.MakePath(), "C:\\Programme\\Tool\\defschem.lst");
    EXPECT_EQ(parts.GetFolder(), "C:\\Programme\\Tool\\");

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(parts.WriteTo(out.get()), out.get());
    std::rewind(out.get());
    char written[MAX_PATH] = "";
    ASSERT_NE(std::fgets(written, sizeof(written), out.get()), nullptr);
    EXPECT_STREQ(written, "C:\\Programme\\Tool\\defschem.lst");
}

TEST(PathParts, RelativePathsResolveAgainstTheCurrentFolder)
{
    EXPECT_EQ(CPathParts("app.exe").GetFolder(), CurrentFolder());
    EXPECT_EQ(FullPath("app.exe"), CurrentFolder() + "app.exe");
    EXPECT_EQ(CPathParts("C:\\a\\..\\b\\c.txt").GetFullPath(), "C:\\b\\c.txt");
}

TEST(PathParts, UnresolvablePathsGiveEmptyText)
{
    EXPECT_EQ(FullPath(""), "");
    EXPECT_EQ(FullPath("C:\\" + std::string(400, 'x')), "");
}

TEST(PathParts, ModulePathIsThisProgram)
{
    const std::string path = GetModulePath(nullptr);
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
    EXPECT_EQ(FullPath(path), path);
}
