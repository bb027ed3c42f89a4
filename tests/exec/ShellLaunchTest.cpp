#include <gtest/gtest.h>

#include <vector>

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

// Calls as "what|file|parameters|folder"; another user goes through the logon, unrewritten.
TEST(ShellLaunch, PassesFileParametersAndFolderToTheShellOrTheLogon) {
    test::FakeShellLauncher shell;
    shell.codes["C:\\a.exe"] = 33;
    shell.runAsCode = 1326;
    EXPECT_EQ(ShellLaunch(shell, "C:\\a.exe", "-x", "C:\\", L"", L""), 33);
    EXPECT_EQ(ShellLaunch(shell, "", "-x", "C:\\", L"", L""), 2);  // not found, the shell is not asked
    // The console marker turns even an empty file into a console call.
    EXPECT_EQ(ShellLaunch(shell, "", "$kpause", "", L"", L""), 42);
    EXPECT_EQ(ShellLaunch(shell, "C:\\a.exe", "$kpause one", "C:\\w\\", L"admin", L"pw"), 1326);
    std::vector<std::string> calls;
    for (const auto& call : shell.Calls())
        calls.push_back(call.what + "|" + call.file + "|" + call.parameters + "|" + call.folder);
    EXPECT_EQ(calls, (std::vector<std::string>{"shell|C:\\a.exe|-x|C:\\", "shell|cmd|/k \"\"\"  && pause && exit\"|",
                                               "runas|C:\\a.exe|$kpause one|"}));
    EXPECT_EQ(shell.Calls().back().user, L"admin");
    EXPECT_EQ(shell.Calls().back().password, L"pw");
}

}  // namespace
}  // namespace qx
