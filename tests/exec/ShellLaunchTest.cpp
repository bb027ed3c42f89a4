#include <gtest/gtest.h>

#include "exec/ShellLaunch.h"
#include "fakes/FakeShellLauncher.h"

namespace qx {
namespace {

TEST(RewriteKeepConsole, RunsThroughAConsoleAndRemovesOnlyTheFirstMarker) {
    // cmd drops the first and the last quote of the line, so the program keeps its own.
    const ShellCommand command = RewriteKeepConsole("C:\\Program Files\\t\\build.bat", "-v $kpause \"a b\"");
    EXPECT_EQ(command.file, "cmd");
    EXPECT_EQ(command.parameters, "/k \"\"C:\\Program Files\\t\\build.bat\" -v  \"a b\" && pause && exit\"");
    EXPECT_EQ(RewriteKeepConsole("x", "$kpause$kpause").parameters, "/k \"\"x\" $kpause && pause && exit\"");
    const ShellCommand plain = RewriteKeepConsole("C:\\a.exe", "-kpause $kpaus");
    EXPECT_EQ(plain.file + "|" + plain.parameters, "C:\\a.exe|-kpause $kpaus");
}

TEST(ShellLaunch, PassesFileParametersAndFolderToTheShell) {
    test::FakeShellLauncher shell;
    shell.codes["C:\\a.exe"] = 33;
    EXPECT_EQ(ShellLaunch(shell, "C:\\a.exe", "-x", "C:\\", L"", L""), 33);
    ASSERT_EQ(shell.CallCount(), 1u);
    const auto call = shell.Calls()[0];
    EXPECT_EQ(call.what + "|" + call.file + "|" + call.parameters + "|" + call.folder, "shell|C:\\a.exe|-x|C:\\");
}

TEST(ShellLaunch, EmptyFileIsNotFoundWithoutAskingTheShell) {
    test::FakeShellLauncher shell;
    EXPECT_EQ(ShellLaunch(shell, "", "-x", "C:\\", L"", L""), 2);
    EXPECT_EQ(shell.CallCount(), 0u);
    // The console marker turns even an empty file into a console call.
    EXPECT_EQ(ShellLaunch(shell, "", "$kpause", "", L"", L""), 42);
    EXPECT_EQ(shell.Calls().at(0).file, "cmd");
}

TEST(ShellLaunch, AnotherUserGoesThroughTheLogonWithoutTheConsoleRewriting) {
    test::FakeShellLauncher shell;
    shell.runAsCode = 1326;
    EXPECT_EQ(ShellLaunch(shell, "C:\\a.exe", "$kpause one two", "C:\\w\\", L"admin", L"pw"), 1326);
    ASSERT_EQ(shell.CallCount(), 1u);
    const auto call = shell.Calls()[0];
    EXPECT_EQ(call.what + "|" + call.file + "|" + call.parameters, "runas|C:\\a.exe|$kpause one two");
    EXPECT_EQ(call.user, L"admin");
    EXPECT_EQ(call.password, L"pw");
}

}  // namespace
}  // namespace qx
