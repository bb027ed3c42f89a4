#include "exec/RunAsUser.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

class RecordingStarter : public ILogonProcessStarter {
public:
    std::uint32_t StartAsUser(const std::wstring& u, const std::wstring& p, const std::wstring& line) override {
        user = u;
        password = p;
        commandLine = line;
        ++calls;
        return result;
    }
    std::wstring user, password, commandLine;
    int calls = 0;
    std::uint32_t result = 0;
};

TEST(RunAsUserCommandLineTest, SnapInRunsInTheConsoleWithItsPathQuoted) {
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\Windows\\system32\\compmgmt.msc", L"/s"),
              L"MMC.EXE \"C:\\Windows\\system32\\compmgmt.msc\"");
    EXPECT_EQ(RunAsUserCommandLine(L"D:\\My Tools\\Dienste.MSC", L""), L"MMC.EXE \"D:\\My Tools\\Dienste.MSC\"");
    EXPECT_EQ(RunAsUserCommandLine(L"services.Msc", L""), L"MMC.EXE \"services.Msc\"");
}

TEST(RunAsUserCommandLineTest, ParametersBecomeOneQuotedArgumentAndTheProgramStaysBare) {
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\Windows\\notepad.exe", L"C:\\boot.ini"),
              L"C:\\Windows\\notepad.exe \"C:\\boot.ini\"");
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\Program Files\\Tool\\tool.exe", L"-mode fast"),
              L"C:\\Program Files\\Tool\\tool.exe \"-mode fast\"");
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\Windows\\regedit.exe", L""), L"C:\\Windows\\regedit.exe");
}

TEST(RunAsUserCommandLineTest, OnlyTheFileExtensionCountsAsSnapIn) {
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\x.msc\\run.exe", L""), L"C:\\x.msc\\run.exe");
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\tools\\a.mscx", L"p"), L"C:\\tools\\a.mscx \"p\"");
    EXPECT_EQ(RunAsUserCommandLine(L"C:\\tools\\msc", L""), L"C:\\tools\\msc");
    EXPECT_EQ(RunAsUserCommandLine(L"", L""), L"");
}

TEST(RunAsUserLaunchTest, PassesTheRecordsCopiesAndWipesThePassword) {
    RecordingStarter starter;
    LaunchRequest request;
    request.fileName = "C:\\Windows\\system32\\gpedit.msc";
    request.parameters = "ignored";
    request.workingFolder = "C:\\Windows";
    request.runAsUser = L"Administrator";
    request.password = L"s3cret \x00E4";
    EXPECT_EQ(RunAsUserLaunch(starter, request), 0u);
    EXPECT_EQ(starter.user, L"Administrator");
    EXPECT_EQ(starter.password, L"s3cret \x00E4");
    EXPECT_EQ(starter.commandLine, L"MMC.EXE \"C:\\Windows\\system32\\gpedit.msc\"");
    EXPECT_TRUE(request.password.empty());
    EXPECT_EQ(request.runAsUser, L"Administrator");
}

TEST(RunAsUserLaunchTest, ReturnsTheErrorCodeAndWipesOnFailureToo) {
    RecordingStarter starter;
    starter.result = 1326;  // wrong user name or password
    LaunchRequest request;
    request.fileName = "C:\\Program Files\\Caf\xE9\\caf\xE9.exe";
    request.parameters = "two words \x80";
    request.runAsUser = L"admin";
    request.password = L"";  // the prompt was cancelled: the launch still runs
    EXPECT_EQ(RunAsUserLaunch(starter, request), 1326u);
    EXPECT_EQ(starter.calls, 1);
    EXPECT_EQ(starter.commandLine, L"C:\\Program Files\\Caf\x00E9\\caf\x00E9.exe \"two words \x20AC\"");
}

TEST(WipeSecretTest, ZeroesTheWholeBufferAndEmptiesIt) {
    for (const std::size_t length : {std::size_t{3}, std::size_t{200}}) {
        std::wstring secret(length, L'x');
        const wchar_t* buffer = secret.data();
        const std::size_t capacity = secret.capacity();
        WipeSecret(secret);
        EXPECT_TRUE(secret.empty());
        EXPECT_EQ(secret.data(), buffer);  // same buffer, nothing reallocated
        EXPECT_EQ(secret.capacity(), capacity);
        for (std::size_t i = 0; i < capacity; ++i) ASSERT_EQ(buffer[i], L'\0') << i;
    }
}

TEST(WidenAnsiTest, MapsWindows1252) {
    EXPECT_EQ(WidenAnsi("a\xE4\xFC\xDF"), L"a\x00E4\x00FC\x00DF");
    EXPECT_EQ(WidenAnsi("\x80\x8A\x9F\x81\xA0\xFF"), L"\x20AC\x0160\x0178\x0081\x00A0\x00FF");
    EXPECT_EQ(WidenAnsi(""), L"");
}

TEST(PasswordPromptTextTest, NamesTheUserInEitherLanguage) {
    EXPECT_EQ(PasswordPromptText(0, "admin"), "Passwort f\xFCr Benutzer admin");
    EXPECT_EQ(PasswordPromptText(1, "admin"), "Password for user admin");
}

}  // namespace
}  // namespace qx
