#include "exec/Autorun.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"

namespace qx {
namespace {

using test::FakeRegistry;
using Texts = std::vector<std::string>;

constexpr const char* kExe = "C:\\Program Files\\Quillox\\Quillox.exe";
constexpr const char* kQuotedExe = "\"C:\\Program Files\\Quillox\\Quillox.exe\"";
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr RegistryRoot kAll = RegistryRoot::LocalMachine;

TEST(AutorunTest, ReadingCreatesNothingAndFailuresLeaveTheRegistryAsItWas) {
    FakeRegistry registry;
    EXPECT_FALSE(AutorunIsSet(registry, kUser, "Quillox"));
    EXPECT_FALSE(registry.HasKey(kUser, kAutorunKey));  // reading never creates
    registry.writeDenied = {kAll};
    EXPECT_FALSE(AutorunSet(registry, kAll, "Quillox", kExe));
    EXPECT_FALSE(registry.HasKey(kAll, kAutorunKey));
    ASSERT_TRUE(AutorunSet(registry, kUser, "Quillox", kExe));
    EXPECT_EQ(registry.Value(kUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "QUILLOX"), kExe);
    registry.writeDenied = {kUser};  // reading works without write rights
    EXPECT_TRUE(AutorunIsSet(registry, kUser, "Quillox"));
    registry.writeDenied.clear();
    registry.SetValue(RegistryRoot::ClassesRoot, kAutorunKey, "Quillox", kExe);
    EXPECT_EQ(AutorunCount(registry), 1);  // only the user's and the machine's values count
    registry.failDeletes = true;
    EXPECT_FALSE(AutorunRemove(registry, kUser, "Quillox"));
    EXPECT_TRUE(registry.HasValue(kUser, kAutorunKey, "Quillox"));
    registry.failDeletes = false;
    ASSERT_TRUE(AutorunRemove(registry, kUser, "Quillox"));
    EXPECT_TRUE(registry.HasKey(kUser, kAutorunKey));  // only the value goes
    EXPECT_FALSE(AutorunRemove(registry, kUser, "Quillox"));  // no value
    registry.failWrites = true;
    EXPECT_FALSE(AutorunSet(registry, kUser, "Second", kExe));
    EXPECT_EQ(registry.openKeys, 0);
}

// A click on a menu item: its value is set or removed where the rights allow, both check marks
// show the registry as it then is, and both values set at once earn a warning.
TEST(AutorunMenuTest, ClicksChangeTheirRootAndReportFailuresAndBothAutoruns) {
    const std::string setFailed = LangText(texts::RegistrySetFailed, 1);
    const std::string removeFailed = LangText(texts::RegistryRemoveFailed, 1);
    const std::string both = LangText(texts::BothAutoruns, 1);
    struct Case {
        bool user, all, allDenied;
        AutorunItem click;
        Texts messages;
        bool userAfter, allAfter;
    };
    const Case cases[] = {
        {false, false, false, AutorunItem::ForThisUser, {}, true, false},
        {true, false, false, AutorunItem::ForThisUser, {}, false, false},
        {false, false, true, AutorunItem::ForAllUsers, {setFailed}, false, false},
        {false, true, true, AutorunItem::ForAllUsers, {removeFailed}, false, true},
        {false, true, true, AutorunItem::ForThisUser, {both}, true, true},
        {true, true, true, AutorunItem::ForAllUsers, {removeFailed, both}, true, true},
        {true, true, true, AutorunItem::ForThisUser, {}, false, true},
    };
    for (const Case& c : cases) {
        FakeRegistry registry;
        if (c.user) registry.SetValue(kUser, kAutorunKey, "Quillox", kQuotedExe);
        if (c.all) registry.SetValue(kAll, kAutorunKey, "Quillox", kQuotedExe);
        if (c.allDenied) registry.writeDenied = {kAll};
        AutorunMenu menu(registry, kExe);
        menu.UpdateStartupCheck();
        Texts messages;
        for (const LangPair& pair : menu.Toggle(c.click)) messages.push_back(LangText(pair, 1));
        const std::string which = std::to_string(&c - cases);
        EXPECT_EQ(messages, c.messages) << which;
        EXPECT_EQ(menu.Checked(AutorunItem::ForThisUser), c.userAfter) << which;
        EXPECT_EQ(menu.Checked(AutorunItem::ForAllUsers), c.allAfter) << which;
        // Quoted, so that Windows never starts "C:\\Program.exe" instead.
        EXPECT_EQ(registry.Value(kUser, kAutorunKey, "Quillox"), c.userAfter ? kQuotedExe : "") << which;
    }
    // Removed by another tool since the menu opened: the removal fails and creates nothing.
    FakeRegistry registry;
    registry.SetValue(kUser, kAutorunKey, "Quillox", kExe);
    AutorunMenu menu(registry, kExe);
    menu.UpdateStartupCheck();
    registry.keys.clear();
    EXPECT_EQ(menu.Toggle(AutorunItem::ForThisUser).size(), 1u);
    EXPECT_FALSE(menu.Checked(AutorunItem::ForThisUser));
    EXPECT_FALSE(registry.HasKey(kUser, kAutorunKey));
}

}  // namespace
}  // namespace qx
