#include "platform/win32/Win32Registry.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

constexpr const char* kTestKey = "Software\\QuilloxTests\\Registry";

// Deletes the test key tree, before and after each case.
class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveTestKeys(); }
    void TearDown() override { RemoveTestKeys(); }
    static void RemoveTestKeys() { ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuilloxTests"); }

    Win32Registry registry;
};

TEST_F(Win32RegistryTest, OpenKey_CreatesOnlyWhenAskedAndIgnoresALeadingBackslash) {
    const std::string path = std::string(kTestKey) + "\\Deeper";
    EXPECT_EQ(registry.OpenKey(RegistryRoot::CurrentUser, path, kRegistryKeyRead, false), nullptr);
    auto key = registry.OpenKey(RegistryRoot::CurrentUser, path, kRegistryKeyAllAccess, true);
    ASSERT_NE(key, nullptr);
    ASSERT_TRUE(key->WriteString("", "default \xE4").ok());
    ASSERT_TRUE(key->WriteString("Name", "").ok());
    key.reset();
    EXPECT_EQ(ReadRegistryString(registry, RegistryRoot::CurrentUser, "\\" + path, ""), "default \xE4");
    auto reader = registry.OpenKey(RegistryRoot::CurrentUser, path, kRegistryKeyRead, false);
    ASSERT_NE(reader, nullptr);
    std::string value = "old";
    EXPECT_TRUE(reader->ReadString("NAME", value));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(reader->ValueExists("Name"));
    EXPECT_FALSE(reader->ValueExists("Missing"));
    EXPECT_FALSE(reader->ReadString("Missing", value));
    EXPECT_FALSE(reader->DeleteValue("Name").ok());  // opened for reading only
}

TEST_F(Win32RegistryTest, ReadString_RefusesNumbersAndCopesWithoutTheClosingNul) {
    auto key = registry.OpenKey(RegistryRoot::CurrentUser, kTestKey, kRegistryKeyAllAccess, true);
    ASSERT_NE(key, nullptr);
    HKEY raw = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, kTestKey, 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
    UniqueRegistryKey owner(raw);
    const DWORD number = 48;
    ::RegSetValueExA(raw, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    ::RegSetValueExA(raw, "Unended", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    ::RegSetValueExA(raw, "Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>("%WINDIR%\\x"), 11);
    std::string value;
    EXPECT_FALSE(key->ReadString("Number", value));
    EXPECT_TRUE(key->ReadString("Unended", value));
    EXPECT_EQ(value, "abc");
    EXPECT_TRUE(key->ReadString("Expand", value));
    EXPECT_EQ(value, "%WINDIR%\\x");
    EXPECT_TRUE(key->DeleteValue("Number").ok());
    const Status again = key->DeleteValue("Number");
    EXPECT_FALSE(again.ok());
    EXPECT_FALSE(again.message().empty());
}

}  // namespace
}  // namespace qx
