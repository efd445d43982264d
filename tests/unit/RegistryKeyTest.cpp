// The key wrapper against the real registry: encodings, strict reads, listing and tree deletion.
#include "framework/RegistryKey.h"

#include "RegistryTestSupport.h"

using orv::Windows::CRegistryKey;

namespace {

class RegistryKeyTest : public RegistryTest {
protected:
    void OpenKey(CRegistryKey& key, const std::string& sub = "K")
    {
        DWORD disposition = 0;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, KeyPath(sub), KEY_ALL_ACCESS, 0, nullptr, &disposition),
                  ERROR_SUCCESS);
        EXPECT_TRUE(disposition == REG_CREATED_NEW_KEY || disposition == REG_OPENED_EXISTING_KEY);
    }
};

}  // namespace

TEST_F(RegistryKeyTest, WritesTheFixedEncodings)
{
    CRegistryKey key;
    OpenKey(key);
    ASSERT_EQ(key.SetBool("Flag", true), ERROR_SUCCESS);
    ASSERT_EQ(key.SetInt("Number", -1), ERROR_SUCCESS);
    ASSERT_EQ(key.SetString("Text", "Weihnachten"), ERROR_SUCCESS);
    const BYTE block[3] = {1, 2, 3};
    ASSERT_EQ(key.SetBinary("Block", block, 3), ERROR_SUCCESS);

    const auto flag = ReadRaw("K", "Flag");
    EXPECT_EQ(flag.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(flag.bytes, (std::vector<BYTE>{1}));
    const auto number = ReadRaw("K", "Number");
    EXPECT_EQ(number.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(number.bytes, (std::vector<BYTE>{0xFF, 0xFF, 0xFF, 0xFF}));
    const auto text = ReadRaw("K", "Text");
    EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text.bytes.size(), 12u);  // with the terminating zero
    EXPECT_EQ(ReadRaw("K", "Block").bytes, (std::vector<BYTE>{1, 2, 3}));
}

TEST_F(RegistryKeyTest, ReadsOnlyTheRightTypeAndLength)
{
    const DWORD dword = 1;
    WriteRaw("K", "Border", REG_DWORD, &dword, sizeof(dword));
    const BYTE five = 5;
    WriteRaw("K", "Five", REG_BINARY, &five, 1);
    const BYTE placement40[40] = {};
    WriteRaw("K", "Placement", REG_BINARY, placement40, sizeof(placement40));
    const char expand[] = "%TEMP%";
    WriteRaw("K", "Expand", REG_EXPAND_SZ, expand, sizeof(expand));
    const BYTE longInt[8] = {1};
    WriteRaw("K", "Long", REG_BINARY, longInt, sizeof(longInt));

    CRegistryKey key;
    OpenKey(key);
    bool flag = false;
    // Four bytes do not fit the one-byte reader: the platform call itself refuses.
    EXPECT_EQ(key.GetBool("Border", flag), ERROR_MORE_DATA);
    EXPECT_FALSE(flag);
    const BYTE oneByte = 1;
    WriteRaw("K", "ShortDword", REG_DWORD, &oneByte, 1);
    EXPECT_EQ(key.GetBool("ShortDword", flag), ERROR_INVALID_DATA);
    EXPECT_FALSE(flag);
    EXPECT_EQ(key.GetBool("Five", flag), ERROR_SUCCESS);
    EXPECT_TRUE(flag);

    BYTE placement[44];
    memset(placement, 0x5A, sizeof(placement));
    EXPECT_EQ(key.GetBinary("Placement", placement, sizeof(placement)), ERROR_INVALID_DATA);
    EXPECT_EQ(placement[0], 0x5A);
    EXPECT_EQ(placement[43], 0x5A);

    std::string text = "vorher";
    EXPECT_EQ(key.GetString("Expand", text), ERROR_INVALID_DATA);
    EXPECT_EQ(text, "vorher");
    EXPECT_EQ(key.GetString("Missing", text), ERROR_FILE_NOT_FOUND);

    int32_t number = 7;
    EXPECT_EQ(key.GetInt("Long", number), ERROR_MORE_DATA);
    EXPECT_EQ(number, 7);
}

TEST_F(RegistryKeyTest, EnumeratesValueNames)
{
    CRegistryKey key;
    OpenKey(key);
    std::vector<std::string> names{"stale"};
    key.EnumValueNames(names);
    EXPECT_TRUE(names.empty());

    key.SetString("Erster", "a");
    key.SetString("Zweiter", "b");
    key.EnumValueNames(names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Erster", "Zweiter"}));
}

TEST_F(RegistryKeyTest, DeleteKeyTreeRemovesEveryLevel)
{
    CRegistryKey deep;
    OpenKey(deep, "Termine\\a\\b\\c");
    deep.SetString("v", "x");
    deep.Close();
    CRegistryKey sibling;
    OpenKey(sibling, "Termine\\z");
    sibling.Close();
    CRegistryKey other;
    OpenKey(other, "Image");
    other.Close();

    CRegistryKey app;
    ASSERT_EQ(app.Open(HKEY_CURRENT_USER, KeyPath(), KEY_ALL_ACCESS), ERROR_SUCCESS);
    EXPECT_EQ(app.DeleteKeyTree("Termine"), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists("Termine"));
    EXPECT_TRUE(KeyExists("Image"));
    EXPECT_NE(app.DeleteKeyTree("Termine"), ERROR_SUCCESS);
}

TEST_F(RegistryKeyTest, CloseIsHarmlessWhenNothingIsOpen)
{
    CRegistryKey key;
    EXPECT_EQ(key.Close(), ERROR_SUCCESS);
    EXPECT_NE(key.Open(HKEY_CURRENT_USER, KeyPath("Missing"), KEY_READ), ERROR_SUCCESS);
    EXPECT_FALSE(key.IsOpen());
}
