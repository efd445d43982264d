// The compiled resources: string table against the built-in table, menu 130, accelerator
// tables 135 and 136, icon 128 and the German version resource.
#include "core/CoreHost.h"
#include "platform/ResourceText.h"
#include "res/resource.h"
#include "res/version.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <type_traits>
#include <vector>

namespace {

// The resource texts are read through the ANSI API: code page 1252 on a German system.
std::string ToAnsi(const char* utf8)
{
    const int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, nullptr, 0);
    if (wideSize <= 0)
        return "<invalid UTF-8>";
    std::vector<wchar_t> wide(static_cast<size_t>(wideSize));
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), wideSize);
    BOOL lossy = FALSE;
    const int size = WideCharToMultiByte(1252, 0, wide.data(), -1, nullptr, 0, nullptr, &lossy);
    std::vector<char> ansi(static_cast<size_t>(size));
    WideCharToMultiByte(1252, 0, wide.data(), -1, ansi.data(), size, nullptr, nullptr);
    return lossy ? "<not in code page 1252>" : std::string(ansi.data());
}

HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

// Ids of the string-table blocks of the module: block n holds ids 16 (n - 1) .. 16 n - 1.
BOOL CALLBACK CollectBlock(HMODULE, LPCSTR, LPSTR name, LONG_PTR param)
{
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int>*>(param)->push_back(
            static_cast<int>(reinterpret_cast<ULONG_PTR>(name)));
    return TRUE;
}

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using MenuPtr = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconPtr = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapPtr = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

struct ScreenDc {
    ScreenDc() : dc(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
    HDC dc;
};

using Accel = std::tuple<int, int, int>;  // flags, key, command

std::set<Accel> LoadAccelTable(int id)
{
    // Tables loaded from resources are freed with the module; they are not destroyed here.
    HACCEL table = LoadAcceleratorsA(Module(), MAKEINTRESOURCEA(id));
    if (!table)
        return {};
    const int count = CopyAcceleratorTableA(table, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<size_t>(count));
    if (count <= 0 || CopyAcceleratorTableA(table, entries.data(), count) != count)
        return {};
    std::set<Accel> result;
    for (const ACCEL& entry : entries)
        result.insert({entry.fVirt, entry.key, entry.cmd});
    return result;
}

// Pixels of an icon's colour bitmap as 32-bit BGRA, top row first.
std::vector<RGBQUAD> IconPixels(HICON icon, int& width, int& height)
{
    ICONINFO info{};
    if (!GetIconInfo(icon, &info))
        return {};
    BitmapPtr color(info.hbmColor);
    BitmapPtr mask(info.hbmMask);
    BITMAP bitmap{};
    if (!color || !GetObjectA(color.get(), sizeof(bitmap), &bitmap))
        return {};
    width = bitmap.bmWidth;
    height = bitmap.bmHeight;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(header.bmiHeader);
    header.bmiHeader.biWidth = width;
    header.bmiHeader.biHeight = -height;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    ScreenDc screen;
    if (GetDIBits(screen.dc, color.get(), 0, static_cast<UINT>(height), pixels.data(), &header,
                  DIB_RGB_COLORS) != height)
        return {};
    return pixels;
}

}  // namespace

TEST(Resources, EveryBuiltInTextLoadsFromTheStringTable)
{
    std::set<int> ids;
    for (const BuiltInTextEntry& entry : BuiltInTexts()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << "id twice: " << entry.id;
        EXPECT_STRNE(entry.text, "") << entry.id;
        EXPECT_EQ(LoadResourceText(entry.id), ToAnsi(entry.text)) << entry.id;
        EXPECT_STREQ(BuiltInText(entry.id), entry.text) << entry.id;
    }
    // Texts with umlauts and escaped quotes, as the ANSI API sees them.
    EXPECT_EQ(LoadResourceText(IDS_COLUMN_YEARLY), "j\xE4hrl.");
    EXPECT_EQ(LoadResourceText(IDS_CONFIRM_DELETE_MANY), "Eintr\xE4ge wirklich l\xF6schen?");
    EXPECT_EQ(LoadResourceText(IDS_ERR_NO_DESCRIPTION),
              "FEHLER 102: Im Feld \"Beschreibung\" muss ein Text eingegeben werden.");
}

TEST(Resources, StringTableHoldsNothingButTheBuiltInTexts)
{
    std::vector<int> blocks;
    ASSERT_TRUE(EnumResourceNamesA(Module(), MAKEINTRESOURCEA(6) /* RT_STRING */, CollectBlock,
                                   reinterpret_cast<LONG_PTR>(&blocks)));
    ASSERT_FALSE(blocks.empty());
    size_t found = 0;
    for (const int block : blocks)
        for (int id = (block - 1) * 16; id < block * 16; ++id) {
            const std::string text = LoadResourceText(id);
            if (text.empty())
                continue;
            ++found;
            EXPECT_STRNE(BuiltInText(id), "") << "only in the resource: " << id;
        }
    EXPECT_EQ(found, BuiltInTexts().size());
}

TEST(Resources, NamedTextIdsAllHaveTexts)
{
    for (const int id :
         {IDS_APP_NAME, IDS_COLUMN_TERMIN, IDS_COLUMN_YEARLY, IDS_COLUMN_DESCRIPTION,
          IDS_PREPOSITION_FIRST, IDS_PREPOSITION_LAST, IDS_DAY_ONE_LONG, IDS_DAYS_LONG,
          IDS_HOUR_ONE, IDS_HOURS, IDS_MINUTE_ONE, IDS_MINUTES, IDS_SECOND_ONE, IDS_SECONDS,
          IDS_DAYS_SHORT, IDS_DUE_DATE_FORMAT, IDS_TIP_DAYS_LEFT, IDS_SAMPLE_FIRST, IDS_SAMPLE_LAST,
          IDS_SETTINGS_CAPTION, IDS_NO_APPOINTMENT, IDS_CONFIRM_DELETE_ONE, IDS_CONFIRM_DELETE_MANY,
          IDS_LIST_FILE_FILTER, IDS_LIST_FILE_NAME, IDS_LIST_FILE_EXT, IDS_ERR_UNEXPECTED,
          IDS_ERR_TICKER_START, IDS_ERR_NO_DESCRIPTION, IDS_ERR_NO_SCHEMA_NAME,
          IDS_ERR_NO_HELP_FILE, IDS_ERR_OPEN_FOR_WRITE, IDS_ERR_WRITE, IDS_ERR_OPEN_FOR_READ, IDS_ERR_READ,
          IDS_WARN_INVALID_LINES, IDS_WARN_NO_ENTRIES})
        EXPECT_NE(LoadResourceText(id), "") << id;
    // Error N is id 1900 + N, warning N id 2000 + N; the text starts with the word and number.
    for (int id = IDS_ERROR_FIRST; id <= IDS_ERROR_LAST; ++id)
        EXPECT_EQ(LoadResourceText(id).rfind("FEHLER " + std::to_string(id - 1900) + ": ", 0), 0u)
            << id;
    for (int id = IDS_WARNING_FIRST; id <= IDS_WARNING_LAST; ++id)
        EXPECT_EQ(LoadResourceText(id).rfind("WARNUNG " + std::to_string(id - 2000) + ": ", 0), 0u)
            << id;
}

TEST(Resources, TimerMenuIsOnePopupWithElevenItems)
{
    MenuPtr menu(LoadMenuA(Module(), MAKEINTRESOURCEA(IDR_TIMER_MENU)));
    ASSERT_TRUE(menu);
    ASSERT_EQ(GetMenuItemCount(menu.get()), 1);
    HMENU popup = GetSubMenu(menu.get(), 0);  // owned by `menu`
    ASSERT_TRUE(popup);

    struct Item {
        UINT id;  // 0 for a separator
        const char* text;
    };
    const Item expected[] = {
        {ID_TASKBAR_ICON, "Icon in &Task-Leiste\tAlt-T"},
        {ID_ALWAYS_ON_TOP, "Immer &sichtbar\tAlt-S"},
        {ID_BORDER, "&Rahmen\tAlt-R"},
        {0, nullptr},
        {ID_SETTINGS, "&Einstellungen ...\tStrg-E"},
        {0, nullptr},
        {ID_HELP_START_PAGE, "Hilfe-St&artseite ..."},
        {ID_HELP, "&Hilfe ...\tF1"},
        {ID_APP_ABOUT, "I&nfo ..."},
        {0, nullptr},
        {ID_APP_EXIT, "&Beenden\tAlt-F4"},
    };
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(std::size(expected)));
    const std::map<UINT, UINT> ids = {{ID_TASKBAR_ICON, 40003}, {ID_ALWAYS_ON_TOP, 40002},
                                      {ID_BORDER, 40007},       {ID_SETTINGS, 40005},
                                      {ID_HELP_START_PAGE, 40006}, {ID_HELP, 9},
                                      {ID_APP_ABOUT, 57664},    {ID_APP_EXIT, 57665}};
    for (UINT position = 0; position < std::size(expected); ++position) {
        char text[128] = "";
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof(text);
        ASSERT_TRUE(GetMenuItemInfoA(popup, position, TRUE, &info)) << position;
        const Item& want = expected[position];
        if (!want.text) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR) << position;
            continue;
        }
        EXPECT_FALSE(info.fType & MFT_SEPARATOR) << position;
        EXPECT_EQ(info.wID, ids.at(want.id)) << position;
        EXPECT_STREQ(text, want.text) << position;
    }
}

TEST(Resources, AcceleratorTablesMapTheShortcuts)
{
    const int virt = FVIRTKEY | FNOINVERT;
    EXPECT_EQ(LoadAccelTable(IDR_TIMER_ACCEL),
              (std::set<Accel>{{virt | FCONTROL, 'E', 40005},
                               {virt | FALT, 'R', 40007},
                               {virt | FALT, 'S', 40002},
                               {virt | FALT, 'T', 40003},
                               {virt, VK_F1, 9}}));
    EXPECT_EQ(LoadAccelTable(IDR_DIALOG_ACCEL), (std::set<Accel>{{virt, VK_F1, 9}}));
    EXPECT_EQ(IDR_TIMER_ACCEL, 135);
    EXPECT_EQ(IDR_DIALOG_ACCEL, 136);
}

TEST(Resources, IconGroupHoldsThreeSizesInTrueColourWithAlpha)
{
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_TRUE(found);
    // Resource memory belongs to the module: nothing to free.
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    ASSERT_TRUE(data);
    ASSERT_GE(SizeofResource(Module(), found), 6u);
    const WORD count = static_cast<WORD>(data[4] | data[5] << 8);
    ASSERT_EQ(SizeofResource(Module(), found), 6u + 14u * count);
    std::set<std::pair<int, int>> images;  // width and height at 32 bits per pixel
    for (WORD i = 0; i < count; ++i) {
        const BYTE* entry = data + 6 + 14 * i;
        EXPECT_EQ(entry[6] | entry[7] << 8, 32) << "bits per pixel of image " << i;
        images.insert({entry[0], entry[1]});
    }
    EXPECT_EQ(images, (std::set<std::pair<int, int>>{{16, 16}, {32, 32}, {48, 48}}));
}

TEST(Resources, IconHasSmallAndLargeImagesWithAlpha)
{
    for (const int size : {16, 32, 48}) {
        IconPtr icon(static_cast<HICON>(
            LoadImageA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, size, size, 0)));
        ASSERT_TRUE(icon) << size;
        int width = 0;
        int height = 0;
        const std::vector<RGBQUAD> pixels = IconPixels(icon.get(), width, height);
        ASSERT_FALSE(pixels.empty()) << size;
        EXPECT_EQ(width, size);
        EXPECT_EQ(height, size);
        // A round face: the corners are clear, the middle (the hands' hub) opaque and dark.
        EXPECT_EQ(pixels.front().rgbReserved, 0) << size;
        EXPECT_EQ(pixels.back().rgbReserved, 0) << size;
        const RGBQUAD& hub = pixels[static_cast<size_t>(size / 2) * size + size / 2];
        EXPECT_EQ(hub.rgbReserved, 255) << size;
        EXPECT_LT(hub.rgbRed + hub.rgbGreen + hub.rgbBlue, 3 * 96) << size;
    }
    EXPECT_EQ(IDR_MAINFRAME, 128);
}

TEST(Resources, VersionResourceIsGermanWithDescriptionAndCopyright)
{
    char path[MAX_PATH] = "";
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0407);
    EXPECT_EQ(translation[1], 0x04B0);

    const auto text = [&](const char* name) {
        char* value = nullptr;
        UINT chars = 0;
        const std::string key = std::string("\\StringFileInfo\\040704B0\\") + name;
        if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &chars))
            return std::string();
        return std::string(value);
    };
    EXPECT_EQ(text("FileDescription"), ToAnsi("Zielmark – Countdown"));
    EXPECT_EQ(text("LegalCopyright").rfind("Copyright \xA9 ", 0), 0u) << text("LegalCopyright");
    EXPECT_EQ(text("FileVersion"), ZM_VERSION_TEXT);

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(ZM_VERSION_MAJOR << 16 | ZM_VERSION_MINOR));
    EXPECT_EQ(fixed->dwFileVersionLS,
              static_cast<DWORD>(ZM_VERSION_REVISION << 16 | ZM_VERSION_BUILD));
}
