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

// The write-back of a large entry file, killed at different moments, must leave the old
// or the new file whole, and whatever it leaves behind must not hinder the next start.
TEST_F(EntryFileTest, KilledWhileRewritingFiles_LeavesOldOrNewFileWhole) {
    constexpr int kLines = 200000;
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
    // Files in the data folder that are not among these, the history, settings and log aside.
    const auto filesBeyond = [&](const std::set<std::string>& known) {
        std::set<std::string> added;
        for (const auto& entry : std::filesystem::directory_iterator(Folder().DataFolder())) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && !known.count(name) && name != "OldOrders.txt" && name != "config.cfg" &&
                name != "log.txt")
                added.insert(name);
        }
        return added;
    };

    // Each kill follows the first sign of the rewrite (a new file named after Files.txt beside
    // it, or Files.txt changing size; not the history's own save just before) a little later:
    // through the write (some tens of milliseconds), at its end, and once well after it.
    for (const DWORD delay : {0, 2, 4, 6, 9, 12, 16, 20, 30, 200}) {
        ASSERT_TRUE(prepareFirstLaunch());
        const std::set<std::string> known = filesBeyond({});
        AppProcess& victim = StartQuillox();
        bool begun = false;
        WaitForFolderChange(
            Folder().DataFolder(), victim.Handle(),
            [&] {
                begun = FileSize(Folder().DataFile("Files.txt")) != static_cast<long long>(oldBytes.size()) ||
                        std::ranges::any_of(filesBeyond(known), [](const std::string& name) {
                            return name.starts_with("Files.txt");
                        });
                return begun || !victim.IsRunning() || FindTopWindow(kMainWindowClass, kRunningCaption);
            },
            kLargeStartupTimeout);
        Sleep(delay);
        victim.Kill();
        ASSERT_FALSE(victim.IsRunning());

        const std::string when =
            begun ? std::to_string(delay) + " ms after the write began" : "after a start-up with no write seen";
        std::string now;
        ASSERT_TRUE(Folder().ReadDataFile("Files.txt", now)) << "Files.txt is gone after a kill " << when;
        EXPECT_TRUE(now == oldBytes || now == newBytes) << "killed " << when << ": Files.txt holds " << now.size()
                                                        << " bytes, neither the old " << oldBytes.size()
                                                        << " nor the new " << newBytes.size();
        std::cout << "killed " << when << ": " << (now == newBytes ? "new" : now == oldBytes ? "old" : "torn")
                  << " file\n";
    }

    // Left-over temporary files do not disturb the next start, which writes the converted
    // file, and a finished save adds none.
    const std::set<std::string> before = filesBeyond({});
    ASSERT_TRUE(prepareFirstLaunch());
    AppProcess& last = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(last, kLargeStartupTimeout), nullptr);
    last.Kill();
    std::string written;
    ASSERT_TRUE(Folder().ReadDataFile("Files.txt", written));
    EXPECT_TRUE(written == newBytes) << "Files.txt holds " << written.size() << " bytes, not the converted "
                                     << newBytes.size() << "; it begins: " << written.substr(0, 160);
    const std::set<std::string> added = filesBeyond(before);
    EXPECT_TRUE(added.empty()) << "a completed save left " << *added.begin();
}

}  // namespace
}  // namespace qx
