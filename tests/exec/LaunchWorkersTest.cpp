#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "exec/LaunchText.h"
#include "exec/LaunchWorkers.h"
#include "exec/LockCounter.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeShellLauncher.h"
#include "platform/KeyboardState.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

constexpr auto kPatience = std::chrono::seconds(10);

template <class Predicate>
bool WaitFor(Predicate done) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

LaunchRequest FileRequest(std::string file, bool keepInputFree, MinimiseMode mode = MinimiseMode::UnlessAlt,
                          ModifierKeys keys = {}) {
    LaunchRequest request;
    request.fileName = std::move(file);
    request.kind = launch_kind::kFile;
    request.keepInputFree = keepInputFree;
    request.minimiseMode = mode;
    request.shiftHeld = keys.shift;
    request.altHeld = keys.alt;
    return request;
}
constexpr ModifierKeys kShift{.shift = true};
constexpr ModifierKeys kAlt{.alt = true};

class LaunchWorkersTest : public ::testing::Test {
protected:
    LaunchWorkersTest() {
        LaunchWorkersServices services;
        services.launcher = shell;
        services.clipboard = clipboard;
        services.setUserInput = [this](bool enable, int id) {
            enable ? inputLock.Unregister(id) : inputLock.Register(id);
        };
        services.languageIndex = [this] { return language; };
        services.showInfo = [this](const std::string& text) { messages.push_back(text); };
        services.minimise = [this] { ++minimised; };
        services.promptPassword = [this](const std::string& caption,
                                         const std::string& prompt) -> std::optional<SecretText> {
            prompts.push_back(caption + "|" + prompt);
            if (!passwordAnswer) return std::nullopt;
            return SecretText(std::wstring(*passwordAnswer));
        };
        launches = std::make_unique<LaunchWorkers>(std::move(services));
    }

    // Ticks until every record is reported; false when one never is.
    bool TickUntilEmpty() {
        return WaitFor([this] {
            launches->OnLaunchTick();
            return launches->RecordCount() == 0;
        });
    }
    bool WaitForWorkersToEnd() {
        return WaitFor([this] { return launches->LiveWorkers() == 0; });
    }

    std::shared_ptr<test::FakeShellLauncher> shell = std::make_shared<test::FakeShellLauncher>();
    std::shared_ptr<test::FakeClipboard> clipboard = std::make_shared<test::FakeClipboard>();
    LockCounter inputLock{nullptr};
    int language = 1;
    std::vector<std::string> messages;
    std::vector<std::string> prompts;
    std::optional<std::wstring> passwordAnswer;  // nothing: cancelled
    int minimised = 0;
    std::unique_ptr<LaunchWorkers> launches;
};

TEST_F(LaunchWorkersTest, LockedLaunchHoldsInputUntilTheWorkerReportsThenMinimises) {
    launches->ReleaseWait(true, true);  // nothing waited for: forgotten
    shell->Hold();
    launches->StartLaunch(FileRequest("C:\\slow.exe", false));
    ASSERT_TRUE(WaitFor([&] { return shell->CallCount() == 1; }));
    for (int i = 0; i < kMaxWaitTicks + 3; ++i) launches->OnLaunchTick();
    EXPECT_EQ(inputLock.counter(), 1);
    EXPECT_TRUE(launches->Busy());
    EXPECT_EQ(launches->ShownTicks(), kMaxWaitTicks);  // the waiting display stops counting there
    EXPECT_EQ(minimised, 0);

    shell->Open();
    ASSERT_TRUE(TickUntilEmpty());
    EXPECT_TRUE(inputLock.IsFree());
    EXPECT_FALSE(launches->Busy());
    EXPECT_EQ(launches->ShownTicks(), 0);
    EXPECT_EQ(minimised, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchWorkersTest, FreeLaunchMinimisesAtOnceUnlessAltOrNever) {
    launches->StartLaunch(FileRequest("C:\\a.exe", true, MinimiseMode::UnlessAlt));
    EXPECT_EQ(minimised, 1);  // before any tick
    EXPECT_TRUE(inputLock.IsFree());

    launches->StartLaunch(FileRequest("C:\\b.exe", true, MinimiseMode::UnlessAlt, kAlt));
    EXPECT_EQ(minimised, 1);
    launches->StartLaunch(FileRequest("C:\\c.exe", true, MinimiseMode::Always, kAlt));
    EXPECT_EQ(minimised, 2);
    launches->StartLaunch(FileRequest("C:\\d.exe", true, MinimiseMode::Never));
    EXPECT_EQ(minimised, 2);

    ASSERT_TRUE(TickUntilEmpty());
    EXPECT_EQ(minimised, 2);  // a free launch never minimises again on success
}

// Esc frees the window where it is; hiding the window frees it and minimises it, and a launch
// that then succeeds minimises it again. Either way the launch is still reported.
TEST_F(LaunchWorkersTest, ReleasingTheWaitFreesTheInputOnceAndTheLaunchIsStillReported) {
    shell->codes["C:\\gone.exe"] = 2;
    for (const bool hide : {false, true}) {
        shell->Hold();
        launches->StartLaunch(FileRequest(hide ? "C:\\slow.exe" : "C:\\gone.exe", false));
        launches->OnLaunchTick();
        ASSERT_TRUE(launches->Busy());
        launches->ReleaseWait(true, hide);
        EXPECT_TRUE(inputLock.IsFree());
        EXPECT_FALSE(launches->Busy());
        EXPECT_EQ(launches->ShownTicks(), 0);
        EXPECT_EQ(minimised, hide ? 1 : 0);
        EXPECT_EQ(launches->RecordCount(), 1u);
        shell->Open();
        ASSERT_TRUE(TickUntilEmpty());
        EXPECT_EQ(inputLock.counter(), 0);  // released once only
        EXPECT_EQ(minimised, hide ? 2 : 0);
    }
    EXPECT_EQ(messages, std::vector<std::string>{"File or folder \"C:\\gone.exe\" could not be found."});
}

// Failures are reported in the order of the launches, and keep the window, as Alt does.
TEST_F(LaunchWorkersTest, FailuresAreReportedInListOrderAndKeepTheWindowAsAltDoes) {
    shell->codes["C:\\first.exe"] = 2;
    shell->codes["C:\\x.doc"] = 31;
    language = 0;
    launches->StartLaunch(FileRequest("C:\\a.exe", false, MinimiseMode::UnlessAlt, kAlt));
    launches->StartLaunch(FileRequest("C:\\first.exe", true, MinimiseMode::Never));
    launches->StartLaunch(FileRequest("C:\\x.doc", false));
    ASSERT_TRUE(WaitForWorkersToEnd());
    ASSERT_TRUE(TickUntilEmpty());
    EXPECT_EQ(messages, (std::vector<std::string>{"Datei oder Ordner \"C:\\first.exe\" wurde nicht gefunden.",
                                                  LangText(texts::NoAssociation, 0)}));
    EXPECT_EQ(minimised, 0);
    EXPECT_TRUE(inputLock.IsFree());
}

// There is no file name for Shift to copy (Shift copying one: the run-as and shell-item cases).
TEST_F(LaunchWorkersTest, AnIdListWithoutAFileNameIsInvokedEvenWithShift) {
    LaunchRequest request = FileRequest("", true, MinimiseMode::Never, kShift);
    request.idListBytes = std::string("\x14\x00\x1F\x50", 4) + std::string(16, '\x01');
    launches->StartLaunch(request);
    ASSERT_TRUE(TickUntilEmpty());
    ASSERT_EQ(shell->CallCount(), 1u);
    EXPECT_EQ(shell->Calls()[0].what, "idlist");
    EXPECT_EQ(shell->Calls()[0].file, request.idListBytes);
    EXPECT_FALSE(clipboard->text.has_value());
    EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchWorkersTest, AnotherUserIsAskedForThePasswordAndItsFailureReported) {
    shell->runAsCode = 1326;
    shell->systemTexts[1326] = "The user name or password is incorrect";
    passwordAnswer = L"geh\u00E4im\u20AC\u4E2D";  // stays UTF-16 all the way
    LaunchRequest request = FileRequest("C:\\admin.msc", false);
    request.runAsUser = L"J\u00FCrgen";
    request.password = SecretText(L"stored");  // never used: the prompt's answer replaces it
    launches->StartLaunch(request);
    EXPECT_EQ(prompts, std::vector<std::string>{"Password request|Password for user J\xFCrgen"});
    ASSERT_TRUE(TickUntilEmpty());
    ASSERT_EQ(shell->CallCount(), 1u);
    EXPECT_EQ(shell->Calls()[0].user, L"J\u00FCrgen");
    EXPECT_EQ(shell->Calls()[0].password, L"geh\u00E4im\u20AC\u4E2D");
    EXPECT_EQ(messages, std::vector<std::string>{"Error 1326: The user name or password is incorrect"});

    // A cancelled prompt starts nothing and frees the input: the end-to-end run-as test.
    request.shiftHeld = true;  // only copies the file name: no prompt
    launches->StartLaunch(request);
    ASSERT_TRUE(TickUntilEmpty());
    EXPECT_EQ(prompts.size(), 1u);
    EXPECT_EQ(clipboard->text, "C:\\admin.msc");
}

TEST_F(LaunchWorkersTest, ShellItemsFolderOpensAtOnceOthersOnAWorkerShiftCopiesThePath) {
    LaunchRequest request = FileRequest("", true, MinimiseMode::Never);
    request.shellItemIdList = "folder-id";
    request.shellItemPath = "C:\\Daten";
    request.shellItemIsFolder = true;
    launches->StartLaunch(request);
    ASSERT_EQ(shell->CallCount(), 1u);  // on this thread, before any tick
    EXPECT_EQ(shell->Calls()[0].file + "|" + shell->Calls()[0].parameters, "folder-id|open");
    EXPECT_EQ(launches->LiveWorkers(), 0);
    ASSERT_TRUE(TickUntilEmpty());

    request.shellItemIdList = "file-id";
    request.shellItemIsFolder = false;
    launches->StartLaunch(request);
    ASSERT_TRUE(TickUntilEmpty());
    ASSERT_EQ(shell->CallCount(), 2u);
    EXPECT_EQ(shell->Calls()[1].what + "|" + shell->Calls()[1].file + "|" + shell->Calls()[1].parameters,
              "item|file-id|");

    request.shiftHeld = true;
    request.shellItemIsFolder = true;
    launches->StartLaunch(request);
    ASSERT_TRUE(TickUntilEmpty());
    EXPECT_EQ(clipboard->text, "C:\\Daten\\");
    EXPECT_EQ(shell->CallCount(), 2u);
    EXPECT_TRUE(messages.empty());
}

TEST_F(LaunchWorkersTest, HundredLaunchesLeaveNoRecordOrThreadBehind) {
    for (int i = 0; i < 100; ++i)
        launches->StartLaunch(FileRequest("C:\\p" + std::to_string(i) + ".exe", i % 2 == 0, MinimiseMode::Never));
    EXPECT_EQ(inputLock.counter(), 50);
    ASSERT_TRUE(TickUntilEmpty());
    EXPECT_EQ(launches->LiveWorkers(), 0);
    EXPECT_TRUE(inputLock.IsFree());
    EXPECT_EQ(shell->CallCount(), 100u);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(shell.use_count(), 2);  // the test and the interface: no worker holds it any more
}

TEST_F(LaunchWorkersTest, DestroyingWhileAWorkerIsBlockedNeitherWaitsNorFreesWhatItUses) {
    shell->Hold();
    launches->StartLaunch(FileRequest("C:\\hangs.exe", false));
    launches->StartLaunch(FileRequest("C:\\quick.exe", true));
    ASSERT_TRUE(WaitFor([&] { return shell->CallCount() == 2; }));
    launches.reset();  // returns although one worker is still inside the shell
    shell->Open();
    // Both workers let go of the launcher once they end; none was killed.
    ASSERT_TRUE(WaitFor([&] { return shell.use_count() == 1; }));
}

}  // namespace
}  // namespace qx
