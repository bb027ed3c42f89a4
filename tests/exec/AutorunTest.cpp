#include "exec/Autorun.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"

namespace qx {
namespace {

using test::FakeRegistry;
using Texts = std::vector<std::string>;

constexpr const char* kExe = "C:\\Program Files\\Quillox\\Quillox.exe";
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr RegistryRoot kAll = RegistryRoot::LocalMachine;

Texts English(const std::vector<LangPair>& messages) {
    Texts texts;
    for (const LangPair& pair : messages) texts.push_back(LangText(pair, 1));
    return texts;
}

const std::string kSetFailed = LangText(texts::RegistrySetFailed, 1);
const std::string kRemoveFailed = LangText(texts::RegistryRemoveFailed, 1);
const std::string kBoth = LangText(texts::BothAutoruns, 1);

TEST(AutorunTest, IsSetSetRemoveAndCount) {
    FakeRegistry registry;
    EXPECT_FALSE(AutorunIsSet(registry, kUser, "Quillox"));
    EXPECT_FALSE(registry.HasKey(kUser, kAutorunKey));  // reading never creates
    registry.SetValue(kUser, kAutorunKey, "QUILLOX", "");
    registry.writeDenied = {kUser};  // reading works without write rights
    EXPECT_TRUE(AutorunIsSet(registry, kUser, "Quillox"));
    EXPECT_FALSE(AutorunIsSet(registry, kAll, "Quillox"));
    registry = FakeRegistry{};

    ASSERT_TRUE(AutorunSet(registry, kUser, "Quillox", kExe));
    EXPECT_EQ(registry.Value(kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillox"), kExe);
    registry.SetValue(kAll, kAutorunKey, "Other", kExe);
    registry.SetValue(RegistryRoot::ClassesRoot, kAutorunKey, "Quillox", kExe);
    EXPECT_EQ(AutorunCount(registry), 1);
    registry.SetValue(kAll, kAutorunKey, "Quillox", kExe);
    EXPECT_EQ(AutorunCount(registry), 2);
    ASSERT_TRUE(AutorunRemove(registry, kUser, "Quillox"));
    EXPECT_FALSE(registry.HasValue(kUser, kAutorunKey, "Quillox"));
    EXPECT_TRUE(registry.HasKey(kUser, kAutorunKey));  // only the value goes
    EXPECT_EQ(AutorunCount(registry), 1);
    EXPECT_EQ(registry.openKeys, 0);
}

TEST(AutorunTest, SetAndRemove_FailWithoutRightsMissingValueOrFailingCall) {
    FakeRegistry registry;
    registry.writeDenied = {kAll};
    EXPECT_FALSE(AutorunSet(registry, kAll, "Quillox", kExe));
    EXPECT_FALSE(registry.HasKey(kAll, kAutorunKey));
    EXPECT_FALSE(AutorunRemove(registry, kUser, "Quillox"));  // no key
    registry.AddKey(kUser, kAutorunKey);
    EXPECT_FALSE(AutorunRemove(registry, kUser, "Quillox"));  // no value
    registry.SetValue(kUser, kAutorunKey, "Quillox", kExe);
    registry.failDeletes = true;
    EXPECT_FALSE(AutorunRemove(registry, kUser, "Quillox"));
    EXPECT_TRUE(registry.HasValue(kUser, kAutorunKey, "Quillox"));
    registry.failWrites = true;
    EXPECT_FALSE(AutorunSet(registry, kUser, "Second", kExe));
    EXPECT_EQ(registry.openKeys, 0);
}

TEST(AutorunTest, FirstCommandLineItem_IsTheBareProgramPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\Quillox\\Quillox.exe\" -showonstartup", "C:\\Program Files\\Quillox\\Quillox.exe"},
        {"C:\\Tools\\Quillox.exe -showonstartup", "C:\\Tools\\Quillox.exe"},
        {"  \"D:\\Q x\\Quillox.exe\"", "D:\\Q x\\Quillox.exe"},
        {"\"D:\\unclosed quote", "D:\\unclosed quote"},
        {"Quillox.exe\targ", "Quillox.exe"},
        {"   ", ""},
    };
    for (const auto& [line, expected] : cases) EXPECT_EQ(FirstCommandLineItem(line), expected) << line;
}

TEST(AutorunMenuTest, ForThisUserClick_ChecksThenUnchecksWithoutMessages) {
    FakeRegistry registry;
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_TRUE(menu.Toggle(AutorunItem::ForThisUser).empty());
    EXPECT_TRUE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(menu.Checked(AutorunItem::ForAllUsers));
    // Quoted, so that Windows never starts "C:\Program.exe" instead.
    EXPECT_EQ(registry.Value(kUser, kAutorunKey, "Quillox"), "\"C:\\Program Files\\Quillox\\Quillox.exe\"");
    EXPECT_TRUE(menu.Toggle(AutorunItem::ForThisUser).empty());
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(registry.HasValue(kUser, kAutorunKey, "Quillox"));
}

TEST(AutorunMenuTest, ForAllUsersClick_WithoutRightsReportsAndShowsTheTrueState) {
    FakeRegistry registry;
    registry.writeDenied = {kAll};
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    EXPECT_EQ(English(menu.Toggle(AutorunItem::ForAllUsers)), Texts{kSetFailed});
    EXPECT_FALSE(menu.Checked(AutorunItem::ForAllUsers));
    // Put there by an administrator: removing it fails the same way and it stays checked.
    registry.SetValue(kAll, kAutorunKey, "Quillox", kExe);
    menu.UpdateStartupCheck();
    EXPECT_EQ(English(menu.Toggle(AutorunItem::ForAllUsers)), Texts{kRemoveFailed});
    EXPECT_TRUE(menu.Checked(AutorunItem::ForAllUsers));
}

TEST(AutorunMenuTest, ForThisUserClick_ValueRemovedSinceTheMenuOpenedReportsRemoveFailed) {
    FakeRegistry registry;
    registry.SetValue(kUser, kAutorunKey, "Quillox", kExe);
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    registry.keys.clear();  // another tool tidied up
    const auto messages = menu.Toggle(AutorunItem::ForThisUser);
    EXPECT_EQ(English(messages), Texts{kRemoveFailed});
    EXPECT_EQ(LangText(messages[0], 0),
              "Registry-Schl\xFCssel konnte nicht entfernt werden. Vermutlich besitzen sie keine Administratorrechte.");
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(registry.HasKey(kUser, kAutorunKey));  // removing never creates
}

TEST(AutorunMenuTest, BothRootsSet_EveryClickEndsWithBothAutorunsUntilOneIsRemoved) {
    FakeRegistry registry;
    registry.SetValue(kAll, kAutorunKey, "Quillox", kExe);
    registry.writeDenied = {kAll};
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    EXPECT_EQ(English(menu.Toggle(AutorunItem::ForThisUser)), Texts{kBoth});
    EXPECT_TRUE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_TRUE(menu.Checked(AutorunItem::ForAllUsers));
    EXPECT_EQ(English(menu.Toggle(AutorunItem::ForAllUsers)), (Texts{kRemoveFailed, kBoth}));
    EXPECT_EQ(kBoth,
              "Quillox is in the current user's autorun and in the common autorun for all users.\r"
              "You should remove one of the two entrys.");
    EXPECT_TRUE(menu.Toggle(AutorunItem::ForThisUser).empty());
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_TRUE(menu.Checked(AutorunItem::ForAllUsers));
}

}  // namespace
}  // namespace qx
