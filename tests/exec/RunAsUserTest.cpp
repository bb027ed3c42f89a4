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
        return result;
    }
    std::wstring user, password, commandLine;
    std::uint32_t result = 0;
};

TEST(RunAsUserCommandLineTest, SnapInsRunInTheConsoleOthersGetOneQuotedArgument) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\Windows\\system32\\compmgmt.msc", L"/s", L"MMC.EXE \"C:\\Windows\\system32\\compmgmt.msc\""},
        {L"D:\\My Tools\\Dienste.MSC", L"", L"MMC.EXE \"D:\\My Tools\\Dienste.MSC\""},
        {L"C:\\Program Files\\Tool\\tool.exe", L"-mode fast", L"C:\\Program Files\\Tool\\tool.exe \"-mode fast\""},
        {L"C:\\Windows\\regedit.exe", L"", L"C:\\Windows\\regedit.exe"},
        // Only the file's extension counts.
        {L"C:\\x.msc\\run.exe", L"", L"C:\\x.msc\\run.exe"},
        {L"C:\\tools\\a.mscx", L"p", L"C:\\tools\\a.mscx \"p\""},
        {L"C:\\tools\\msc", L"", L"C:\\tools\\msc"},
        {L"", L"", L""},
    };
    for (const auto& [file, parameters, expected] : cases) EXPECT_EQ(RunAsUserCommandLine(file, parameters), expected);
}

TEST(RunAsUserLaunchTest, PassesTheRecordsCopiesReturnsTheCodeAndWipesThePassword) {
    RecordingStarter starter;
    LaunchRequest request;
    request.fileName = "C:\\Windows\\system32\\gpedit.msc";
    request.parameters = "ignored";
    request.runAsUser = L"Administrator";
    request.password = L"s3cret \x00E4";
    EXPECT_EQ(RunAsUserLaunch(starter, request), 0u);
    EXPECT_EQ(starter.user, L"Administrator");
    EXPECT_EQ(starter.password, L"s3cret \x00E4");
    EXPECT_EQ(starter.commandLine, L"MMC.EXE \"C:\\Windows\\system32\\gpedit.msc\"");
    EXPECT_TRUE(request.password.empty());
    EXPECT_EQ(request.runAsUser, L"Administrator");

    starter.result = 1326;  // wrong user name or password
    request.fileName = "C:\\Program Files\\Caf\xE9\\caf\xE9.exe";
    request.parameters = "two words \x80";
    EXPECT_EQ(RunAsUserLaunch(starter, request), 1326u);
    EXPECT_EQ(starter.password, L"");  // a cancelled prompt still launches
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

}  // namespace
}  // namespace qx
