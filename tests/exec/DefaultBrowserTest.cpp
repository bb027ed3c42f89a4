#include "exec/DefaultBrowser.h"

#include <gtest/gtest.h>

#include "fakes/FakeRegistry.h"

namespace qx {
namespace {

using test::FakeRegistry;

constexpr const char* kUserChoice =
    "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";

TEST(OpenCommandProgramTest, CutsOpenCommandsToTheProgram) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"C:\\Program Files\\Mozilla Firefox\\firefox.exe\" -osint -url \"%1\"",
         "C:\\Program Files\\Mozilla Firefox\\firefox.exe"},
        {"C:\\PROGRA~1\\INTERN~1\\iexplore.exe %1", "C:\\PROGRA~1\\INTERN~1\\iexplore.exe"},
        {"\"C:\\Program Files (x86)\\Opera\\Opera.EXE\" -noautoupdate -- \"%1\"",
         "C:\\Program Files (x86)\\Opera\\Opera.EXE"},
        {"", ""},
        {"\"C:\\Browsers\\browser.exe\"", "C:\\Browsers\\browser.exe"},
        {"browser.exe %1", "browser.exe"},                      // no backslash: searched from the start
        {"C:\\Tools\\browser \"%1\"", "C:\\Tools\\browser %1"},  // no dot: nothing cut
        // A backslash in the arguments moves the search there: the cut lands inside them.
        {"\"C:\\B\\b.exe\" -profile \"D:\\My Profiles\\main.p x\" %1", "C:\\B\\b.exe -profile D:\\My Profiles\\main.p"},
        {"\"C:\\B\\b.exe\" -profile \"D:\\profile\" %1", "C:\\B\\b.exe -profile D:\\profile %1"},
    };
    for (const auto& [command, expected] : cases) EXPECT_EQ(OpenCommandProgram(command), expected) << command;
}

TEST(DefaultBrowserProgramTest, XpReadsTheHttpClassOnlyLaterVersionsTheUserChoice) {
    FakeRegistry registry;
    EXPECT_EQ(DefaultBrowserProgram(registry, 501), "");
    registry.AddKey(RegistryRoot::ClassesRoot, "HTTP\\shell\\open\\command");
    EXPECT_EQ(DefaultBrowserProgram(registry, 601), "");
    registry.SetValue(RegistryRoot::ClassesRoot, "HTTP\\shell\\open\\command", "", "C:\\IE\\iexplore.exe %1");
    EXPECT_EQ(DefaultBrowserProgram(registry, 601), "C:\\IE\\iexplore.exe");  // no choice key
    registry.SetValue(RegistryRoot::CurrentUser, kUserChoice, "Progid", "");
    EXPECT_EQ(DefaultBrowserProgram(registry, 601), "C:\\IE\\iexplore.exe");  // empty choice
    registry.SetValue(RegistryRoot::CurrentUser, kUserChoice, "Progid", "ChromeHTML");
    registry.SetValue(RegistryRoot::ClassesRoot, "ChromeHTML\\shell\\open\\command", "",
                      "\"C:\\Chrome\\chrome.exe\" -- \"%1\"");
    EXPECT_EQ(DefaultBrowserProgram(registry, 601), "C:\\Chrome\\chrome.exe");
    EXPECT_EQ(DefaultBrowserProgram(registry, 502), "C:\\Chrome\\chrome.exe");
    EXPECT_EQ(DefaultBrowserProgram(registry, 501), "C:\\IE\\iexplore.exe");
    EXPECT_EQ(DefaultBrowserProgram(registry, 500), "C:\\IE\\iexplore.exe");
    // A choice whose class is not registered gives nothing, not the HTTP class.
    registry.SetValue(RegistryRoot::CurrentUser, kUserChoice, "Progid", "GoneHTML");
    EXPECT_EQ(DefaultBrowserProgram(registry, 601), "");
    EXPECT_EQ(registry.openKeys, 0);
}

}  // namespace
}  // namespace qx
