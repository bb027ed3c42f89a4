#include "exec/RunAsUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <new>
#include <tuple>

namespace qx {
namespace {

class RecordingStarter : public ILogonProcessStarter {
public:
    std::uint32_t StartAsUser(const std::wstring& u, const std::wstring& p, const std::wstring& application,
                              const std::wstring& line) override {
        user = u;
        password = p;
        commandLine = application + L"|" + line;
        return result;
    }
    std::wstring SystemFolder() const override { return L"C:\\Windows\\system32"; }
    std::wstring user, password, commandLine;
    std::uint32_t result = 0;
};

TEST(RunAsUserCommandTest, TheProgramIsTheApplicationAndQuotedTheArgumentsOneQuotedArgument) {
    // Application name, then '|', then the command line.
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\Program Files\\Tool\\tool.exe", L"-mode fast",
         L"C:\\Program Files\\Tool\\tool.exe|\"C:\\Program Files\\Tool\\tool.exe\" \"-mode fast\""},
        {L"\\\\server\\share\\a b.exe", L"", L"\\\\server\\share\\a b.exe|\"\\\\server\\share\\a b.exe\""},
        // Snap-ins run in the system folder's console.
        {L"C:\\Windows\\system32\\compmgmt.msc", L"/s",
         L"C:\\Windows\\system32\\mmc.exe|\"C:\\Windows\\system32\\mmc.exe\" \"C:\\Windows\\system32\\compmgmt.msc\""},
        {L"D:\\My Tools\\Dienste.MSC", L"", L"C:\\Windows\\system32\\mmc.exe|\"C:\\Windows\\system32\\mmc.exe\" \"D:\\My Tools\\Dienste.MSC\""},
        // Only the file's extension counts.
        {L"C:\\x.msc\\run.exe", L"", L"C:\\x.msc\\run.exe|\"C:\\x.msc\\run.exe\""},
        // A bare name has no application: the system finds it by the quoted name.
        {L"notepad", L"C:\\a b.txt", L"|\"notepad\" \"C:\\a b.txt\""},
    };
    RecordingStarter starter;
    for (const auto& [file, parameters, expected] : cases) {
        EXPECT_EQ(RunAsUserLaunch(starter, L"admin", L"pw", file, parameters), 0u);
        EXPECT_EQ(starter.commandLine, expected);
    }
    starter.result = 1326;  // wrong user name or password
    EXPECT_EQ(RunAsUserLaunch(starter, L"Administrator", L"s3cret \x00E4", L"C:\\a.exe", L""), 1326u);
    EXPECT_EQ(starter.user, L"Administrator");
    EXPECT_EQ(starter.password, L"s3cret \x00E4");
}

TEST(SecretTextTest, EveryCopyIsWipedWhenLetGo) {
    for (const std::size_t length : {std::size_t{3}, std::size_t{200}}) {
        std::wstring secret(length, L'x');
        const wchar_t* buffer = secret.data();
        const std::size_t capacity = secret.capacity();
        WipeSecret(secret);
        EXPECT_TRUE(secret.empty());
        EXPECT_EQ(secret.data(), buffer);  // same buffer, nothing reallocated
        for (std::size_t i = 0; i < capacity; ++i) ASSERT_EQ(buffer[i], L'\0') << i;
    }
    // A short text lives inside the object itself: moved from or destroyed, it leaves no trace.
    const wchar_t text[] = L"pw";
    const auto* pattern = reinterpret_cast<const unsigned char*>(text);
    const auto holds = [&](const unsigned char* bytes, std::size_t size) {
        return std::search(bytes, bytes + size, pattern, pattern + 2 * sizeof(wchar_t)) != bytes + size;
    };
    alignas(SecretText) unsigned char storage[sizeof(SecretText)];
    auto* held = new (storage) SecretText(std::wstring(text));
    ASSERT_TRUE(holds(storage, sizeof storage));
    const SecretText moved(std::move(*held));
    EXPECT_EQ(moved.Text(), text);
    EXPECT_FALSE(holds(storage, sizeof storage));
    *held = moved;
    held->~SecretText();
    EXPECT_FALSE(holds(storage, sizeof storage));
}

}  // namespace
}  // namespace qx
