#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;

struct ChangeNotificationTraits {
    using Handle = HANDLE;
    static Handle Empty() noexcept { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { FindCloseChangeNotification(h); }
};

// Waits for the condition, looking again as soon as a file in the folder is made, renamed or
// written, or the process ends, and every 20 ms besides: a moment that lasts only
// milliseconds is caught without spinning on a processor the program needs.
template <typename Condition>
bool WaitForFolderChange(const std::string& folder, HANDLE process, Condition condition, milliseconds timeout) {
    UniqueHandle<ChangeNotificationTraits> change(FindFirstChangeNotificationA(
        folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE));
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
    while (!condition()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const HANDLE handles[] = {process, change.get()};
        const DWORD wait = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kPollInterval.count()));
        WaitForMultipleObjects(change ? 2 : 1, handles, FALSE, wait);
        if (change) FindNextChangeNotification(change.get());
    }
    return true;
}

class EntryFileTest : public QuilloxE2eTest {};

// The first launch converts "execute: " to "exe: " and writes the entries back sorted by Name,
// case-insensitively; an escaped line (columns with "|" or "%") keeps its Name as it is, and
// ANSI bytes pass unchanged. Later launches leave the file alone (see the entry store's tests).
TEST_F(EntryFileTest, FirstLaunch_WritesFilesBackSortedWithExePrefix) {
    const std::string alpha = "alpha|C:\\alpha|||||0||||||0\r\n";
    const std::string beta = "Beta|C:\\beta|||||0|ID1234|{PRODUCT}|{COMPONENT}|admin|reserved text|0\r\n";
    const std::string notepad = "exe: Notepad|notepad.exe|||||0||||||0\r\n";
    const std::string escaped = "%_ESC_%execute: Pipe %| Value|C:\\a%|b.exe|100%%|50%%%% off|||0||||||0\r\n";
    const std::string zeta = "Zeta tool|C:\\\xC4rger\\z\xFC.exe||\xE4\xF6\xFC\xDF|||2||||||0\r\n";
    ASSERT_TRUE(Folder().WriteDataFile("Files.txt", zeta + "execute: " + notepad.substr(5) + escaped + beta + alpha));

    AppProcess& quillox = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(quillox), nullptr);
    quillox.Kill();

    std::string written;
    ASSERT_TRUE(Folder().ReadDataFile("Files.txt", written));
    EXPECT_EQ(written, alpha + beta + notepad + escaped + zeta);
}

// The write-back of a large entry file, killed at different moments, must leave the old
// or the new file whole, and whatever it leaves behind must not hinder the next start.
TEST_F(EntryFileTest, KilledWhileRewritingFiles_LeavesOldOrNewFileWhole) {
    constexpr int kLines = 200000;
    constexpr int kKills = 10;
    constexpr milliseconds kLargeStartupTimeout{180000};

    std::string oldBytes;
    std::string newBytes;
    for (int i = 0; i < kLines; ++i) {
        char number[16];
        std::snprintf(number, sizeof number, "%06d", i);
        const std::string n = number;
        // Names ascend, so the sorted file keeps this order.
        const std::string rest = "Tool " + n + "|C:\\Programs\\Tool" + n + "\\run.exe|--quiet --id=" + n +
                                 "|tool number " + n + "|C:\\Programs\\Tool" + n + "||0||||||0";
        oldBytes += "execute: " + rest + "\r\n";
        newBytes += "exe: " + rest + "\r\n";
    }

    const auto prepareFirstLaunch = [&] {
        return Folder().WriteDataFile("Files.txt", oldBytes) && Folder().DeleteDataFile("OldOrders.txt");
    };
    // On a mismatch tells what the file holds instead.
    const auto filesTxtIs = [&](const std::string& bytes) -> ::testing::AssertionResult {
        std::string now;
        if (!Folder().ReadDataFile("Files.txt", now)) return ::testing::AssertionFailure() << "Files.txt cannot be read";
        if (now == bytes) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "Files.txt holds " << now.size() << " bytes, not " << bytes.size()
                                             << "; it begins: " << now.substr(0, 160);
    };
    const auto dataFiles = [&] {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Folder().DataFolder()))
            if (entry.is_regular_file()) names.insert(entry.path().filename().string());
        return names;
    };
    // Files in the data folder that are not among these, the history and the log aside.
    const auto filesBeyond = [&](const std::set<std::string>& known) {
        std::set<std::string> added;
        for (const std::string& name : dataFiles())
            if (!known.count(name) && name != "OldOrders.txt" && name != "log.txt") added.insert(name);
        return added;
    };

    // An undisturbed run tells how long the start-up takes.
    ASSERT_TRUE(prepareFirstLaunch());
    const ULONGLONG started = GetTickCount64();
    AppProcess& calibration = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(calibration, kLargeStartupTimeout), nullptr);
    const ULONGLONG startupMs = GetTickCount64() - started;
    calibration.Kill();
    ASSERT_TRUE(filesTxtIs(newBytes)) << "the undisturbed run did not write the converted file";

    // Half of the kills follow the first sign of the rewrite (a new file beside Files.txt, or
    // Files.txt changing size) by a few milliseconds, to land inside the write itself; the
    // others are spread over the whole start-up.
    std::set<std::string> known;
    const auto writeHasBegun = [&] {
        return FileSize(Folder().DataFile("Files.txt")) != static_cast<long long>(oldBytes.size()) ||
               !filesBeyond(known).empty();
    };
    constexpr DWORD kAfterWriteBeginsMs[] = {0, 3, 8, 15, 30};
    int keptOld = 0;
    int keptNew = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        ASSERT_TRUE(prepareFirstLaunch());
        known = dataFiles();
        AppProcess& victim = StartQuillox();
        std::string when;
        if (kill % 2 == 0) {
            const DWORD delay = kAfterWriteBeginsMs[(kill / 2) % std::size(kAfterWriteBeginsMs)];
            bool begun = false;
            WaitForFolderChange(
                Folder().DataFolder(), victim.Handle(),
                [&] {
                    begun = writeHasBegun();
                    return begun || !victim.IsRunning() || FindTopWindow(kMainWindowClass, kRunningCaption);
                },
                kLargeStartupTimeout);
            Sleep(delay);
            when = begun ? std::to_string(delay) + " ms after the write began" : "after a start-up with no write seen";
        } else {
            const auto delay = static_cast<DWORD>(startupMs * (2 + kill) / 10);
            Sleep(delay);
            when = std::to_string(delay) + " ms after the start";
        }
        victim.Kill();
        ASSERT_FALSE(victim.IsRunning());

        std::string now;
        ASSERT_TRUE(Folder().ReadDataFile("Files.txt", now)) << "Files.txt is gone after a kill " << when;
        const bool isOld = now == oldBytes;
        const bool isNew = now == newBytes;
        EXPECT_TRUE(isOld || isNew) << "killed " << when << ": Files.txt holds " << now.size()
                                    << " bytes, neither the old " << oldBytes.size() << " nor the new "
                                    << newBytes.size();
        keptOld += isOld;
        keptNew += isNew;
    }
    std::cout << "start-up " << startupMs << " ms; kills leaving the old file: " << keptOld
              << ", the new file: " << keptNew << "\n";
    RecordProperty("KillsLeavingOldFile", keptOld);
    RecordProperty("KillsLeavingNewFile", keptNew);

    // Left-over temporary files do not disturb the next start, and a finished save adds none.
    const std::set<std::string> before = dataFiles();
    ASSERT_TRUE(prepareFirstLaunch());
    AppProcess& last = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(last, kLargeStartupTimeout), nullptr);
    last.Kill();
    EXPECT_TRUE(filesTxtIs(newBytes)) << "the start after the kills did not write the converted file";
    const std::set<std::string> added = filesBeyond(before);
    EXPECT_TRUE(added.empty()) << "a completed save left " << *added.begin();
}

}  // namespace
}  // namespace qx
