#include "exec/Autorun.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"

namespace qx {
namespace {

using test::FakeRegistry;

constexpr const char* kExe = "C:\\Program Files\\Quillox\\Quillox.exe";

std::vector<std::string> English(const std::vector<LangPair>& messages) {
    std::vector<std::string> texts;
    for (const LangPair& pair : messages) texts.push_back(LangText(pair, 1));
    return texts;
}

const std::string kSetFailed = LangText(texts::RegistrySetFailed, 1);
const std::string kRemoveFailed = LangText(texts::RegistryRemoveFailed, 1);
const std::string kBoth = LangText(texts::BothAutoruns, 1);

TEST(AutorunTest, IsSet_FalseWithoutKeyOrValueAndTrueForAnyCase) {
    FakeRegistry registry;
    EXPECT_FALSE(AutorunIsSet(registry, RegistryRoot::CurrentUser, "Quillox"));
    EXPECT_FALSE(registry.HasKey(RegistryRoot::CurrentUser, kAutorunKey));  // reading never creates
    registry.SetValue(RegistryRoot::CurrentUser, kAutorunKey, "Other", "x");
    EXPECT_FALSE(AutorunIsSet(registry, RegistryRoot::CurrentUser, "Quillox"));
    registry.SetValue(RegistryRoot::CurrentUser, kAutorunKey, "QUILLOX", "");
    EXPECT_TRUE(AutorunIsSet(registry, RegistryRoot::CurrentUser, "Quillox"));
    EXPECT_FALSE(AutorunIsSet(registry, RegistryRoot::LocalMachine, "Quillox"));
    // Reading works without write rights.
    registry.writeDenied = {RegistryRoot::CurrentUser};
    EXPECT_TRUE(AutorunIsSet(registry, RegistryRoot::CurrentUser, "Quillox"));
    EXPECT_EQ(registry.openKeys, 0);
}

TEST(AutorunTest, SetAndRemove_CreateTheKeyWriteThePathAndDeleteIt) {
    FakeRegistry registry;
    ASSERT_TRUE(AutorunSet(registry, RegistryRoot::CurrentUser, "Quillox", kExe));
    EXPECT_EQ(registry.Value(RegistryRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quillox"),
              kExe);
    EXPECT_EQ(AutorunCount(registry), 1);
    ASSERT_TRUE(AutorunRemove(registry, RegistryRoot::CurrentUser, "Quillox"));
    EXPECT_FALSE(registry.HasValue(RegistryRoot::CurrentUser, kAutorunKey, "Quillox"));
    EXPECT_TRUE(registry.HasKey(RegistryRoot::CurrentUser, kAutorunKey));  // only the value goes
    EXPECT_EQ(AutorunCount(registry), 0);
    EXPECT_EQ(registry.openKeys, 0);
}

TEST(AutorunTest, SetAndRemove_FailWithoutRightsMissingValueOrFailingCall) {
    FakeRegistry registry;
    registry.writeDenied = {RegistryRoot::LocalMachine};
    EXPECT_FALSE(AutorunSet(registry, RegistryRoot::LocalMachine, "Quillox", kExe));
    EXPECT_FALSE(registry.HasKey(RegistryRoot::LocalMachine, kAutorunKey));

    EXPECT_FALSE(AutorunRemove(registry, RegistryRoot::CurrentUser, "Quillox"));  // no key
    registry.AddKey(RegistryRoot::CurrentUser, kAutorunKey);
    EXPECT_FALSE(AutorunRemove(registry, RegistryRoot::CurrentUser, "Quillox"));  // no value

    registry.SetValue(RegistryRoot::CurrentUser, kAutorunKey, "Quillox", kExe);
    registry.failDeletes = true;
    EXPECT_FALSE(AutorunRemove(registry, RegistryRoot::CurrentUser, "Quillox"));
    EXPECT_TRUE(registry.HasValue(RegistryRoot::CurrentUser, kAutorunKey, "Quillox"));

    registry.failWrites = true;
    EXPECT_FALSE(AutorunSet(registry, RegistryRoot::CurrentUser, "Second", kExe));
    EXPECT_EQ(registry.openKeys, 0);
}

TEST(AutorunTest, Count_CountsOnlyTheQuilloxValueBelowBothRoots) {
    FakeRegistry registry;
    registry.SetValue(RegistryRoot::ClassesRoot, kAutorunKey, "Quillox", kExe);
    registry.SetValue(RegistryRoot::LocalMachine, kAutorunKey, "Other", kExe);
    EXPECT_EQ(AutorunCount(registry), 0);
    registry.SetValue(RegistryRoot::LocalMachine, kAutorunKey, "Quillox", kExe);
    EXPECT_EQ(AutorunCount(registry), 1);
    registry.SetValue(RegistryRoot::CurrentUser, kAutorunKey, "Quillox", kExe);
    EXPECT_EQ(AutorunCount(registry), 2);
}

TEST(AutorunTest, FirstCommandLineItem_IsTheBareProgramPath) {
    EXPECT_EQ(FirstCommandLineItem("\"C:\\Program Files\\Quillox\\Quillox.exe\" -showonstartup"),
              "C:\\Program Files\\Quillox\\Quillox.exe");
    EXPECT_EQ(FirstCommandLineItem("C:\\Tools\\Quillox.exe -showonstartup"), "C:\\Tools\\Quillox.exe");
    EXPECT_EQ(FirstCommandLineItem("  \"D:\\Q x\\Quillox.exe\""), "D:\\Q x\\Quillox.exe");
    EXPECT_EQ(FirstCommandLineItem("\"D:\\unclosed quote"), "D:\\unclosed quote");
    EXPECT_EQ(FirstCommandLineItem("Quillox.exe\targ"), "Quillox.exe");
    EXPECT_EQ(FirstCommandLineItem(""), "");
    EXPECT_EQ(FirstCommandLineItem("   "), "");
}

TEST(AutorunMenuTest, ForThisUserClick_ChecksThenUnchecksWithoutMessages) {
    FakeRegistry registry;
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(menu.Checked(AutorunItem::ForAllUsers));

    EXPECT_TRUE(menu.ForThisUserClick(AutorunItem::ForThisUser).empty());
    EXPECT_TRUE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(menu.Checked(AutorunItem::ForAllUsers));
    EXPECT_EQ(registry.Value(RegistryRoot::CurrentUser, kAutorunKey, "Quillox"), kExe);

    EXPECT_TRUE(menu.ForThisUserClick(AutorunItem::ForThisUser).empty());
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(registry.HasValue(RegistryRoot::CurrentUser, kAutorunKey, "Quillox"));
}

TEST(AutorunMenuTest, ForAllUsersClick_WithoutRightsReportsAndShowsTheTrueState) {
    FakeRegistry registry;
    registry.writeDenied = {RegistryRoot::LocalMachine};
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    EXPECT_EQ(English(menu.ForThisUserClick(AutorunItem::ForAllUsers)), std::vector<std::string>{kSetFailed});
    EXPECT_FALSE(menu.Checked(AutorunItem::ForAllUsers));

    // Put there by an administrator: removing it fails the same way and it stays checked.
    registry.SetValue(RegistryRoot::LocalMachine, kAutorunKey, "Quillox", kExe);
    menu.UpdateStartupCheck();
    EXPECT_EQ(English(menu.ForThisUserClick(AutorunItem::ForAllUsers)), std::vector<std::string>{kRemoveFailed});
    EXPECT_TRUE(menu.Checked(AutorunItem::ForAllUsers));
}

TEST(AutorunMenuTest, ForThisUserClick_ValueRemovedSinceTheMenuOpenedReportsRemoveFailed) {
    FakeRegistry registry;
    registry.SetValue(RegistryRoot::CurrentUser, kAutorunKey, "Quillox", kExe);
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    ASSERT_TRUE(menu.Checked(AutorunItem::ForThisUser));
    registry.keys.clear();  // another tool tidied up
    const auto messages = menu.ForThisUserClick(AutorunItem::ForThisUser);
    EXPECT_EQ(English(messages), std::vector<std::string>{kRemoveFailed});
    EXPECT_EQ(LangText(messages[0], 0),
              "Registry-Schl\xFCssel konnte nicht entfernt werden. Vermutlich besitzen sie keine Administratorrechte.");
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(registry.HasKey(RegistryRoot::CurrentUser, kAutorunKey));  // removing never creates
}

TEST(AutorunMenuTest, BothRootsSet_EveryClickEndsWithBothAutorunsUntilOneIsRemoved) {
    FakeRegistry registry;
    registry.SetValue(RegistryRoot::LocalMachine, kAutorunKey, "Quillox", kExe);
    registry.writeDenied = {RegistryRoot::LocalMachine};
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    EXPECT_EQ(English(menu.ForThisUserClick(AutorunItem::ForThisUser)), std::vector<std::string>{kBoth});
    EXPECT_TRUE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_TRUE(menu.Checked(AutorunItem::ForAllUsers));

    EXPECT_EQ(English(menu.ForThisUserClick(AutorunItem::ForAllUsers)),
              (std::vector<std::string>{kRemoveFailed, kBoth}));
    EXPECT_EQ(kBoth,
              "Quillox is in the current user's autorun and in the common autorun for all users.\r"
              "You should remove one of the two entrys.");

    EXPECT_TRUE(menu.ForThisUserClick(AutorunItem::ForThisUser).empty());
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_TRUE(menu.Checked(AutorunItem::ForAllUsers));
}

}  // namespace
}  // namespace qx
