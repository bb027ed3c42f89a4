#include <algorithm>
#include <cctype>
#include <cstdio>
#include <iostream>
#include <set>
#include <vector>

#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;
using std::chrono::milliseconds;

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Splits CR LF lines; false when the text holds a lone CR or LF or lacks the final CR LF.
bool SplitCrLfLines(const std::string& text, std::vector<std::string>& lines) {
    lines.clear();
    for (size_t start = 0, end = 0; start < text.size(); start = end + 2) {
        end = text.find("\r\n", start);
        if (end == std::string::npos) return false;
        lines.push_back(text.substr(start, end - start));
        if (lines.back().find_first_of("\r\n") != std::string::npos) return false;
    }
    return true;
}

// The Name column of a stored line, unescaped.
std::string NameOfLine(const std::string& line) {
    const bool escaped = line.rfind("%_ESC_%", 0) == 0;
    std::string name;
    for (size_t i = escaped ? 7 : 0; i < line.size(); ++i) {
        if (escaped && line[i] == '%' && i + 1 < line.size()) {
            name += line[++i];
        } else if (line[i] == '|') {
            break;
        } else {
            name += line[i];
        }
    }
    return name;
}

// The names used here are ASCII letters, digits, blanks and a few signs that sort below or
// above all letters, so a plain ASCII fold gives the same order as any case-insensitive one.
std::string Folded(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string WithExePrefix(const std::string& line) {
    return line.rfind("execute: ", 0) == 0 ? "exe: " + line.substr(9) : line;
}

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
        if (now >= deadline) {
            return false;
        }
        const HANDLE handles[] = {process, change.get()};
        const DWORD wait = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, kPollInterval.count()));
        WaitForMultipleObjects(change ? 2 : 1, handles, FALSE, wait);
        if (change) {
            FindNextChangeNotification(change.get());
        }
    }
    return true;
}

class EntryFileTest : public QuilloxE2eTest {};

TEST_F(EntryFileTest, FirstLaunch_WritesFilesBackSortedWithExePrefix_KeepingEscapesAndDuplicates) {
    // Columns with "|" or "%" make an escaped line, which does not begin with "execute: ": its
    // Name stays as it is. The same Name once converted ("execute: Notepad") is kept twice.
    const std::vector<std::string> original = {
        "execute: regedit|regedit||registry editor|||0||||||0",
        "Notepad|C:\\Windows\\notepad.exe||editor text||C:\\Windows\\notepad.exe|0||||||0",
        "%_ESC_%Pipe %| Value|C:\\a%|b.exe|100%%|50%%%% off|||0||||||0",
        "execute: Command prompt|cmd.exe|/k ver|console shell|C:\\Windows|C:\\Windows\\system32\\cmd.exe|0||||||0",
        "notepad|C:\\Tools\\np.exe|-n||||1||||||0",
        "%_ESC_%execute: echo|cmd.exe|/c echo 100%%||||0||||||0",
        "url: Example|http://example.org/?q=a&b=c||web|||0||||||601",
        "Zeta tool|C:\\\xC4rger\\z\xFC.exe||\xE4\xF6\xFC\xDF|||2||||||0",
        "Notepad|C:\\Windows\\notepad.exe||editor text||C:\\Windows\\notepad.exe|0||||||0",
        "alpha|C:\\alpha|||||0||||||0",
        "Beta|C:\\beta|||||0|ID1234|{PRODUCT}|{COMPONENT}|admin|reserved text|0",
        "execute: Notepad|notepad.exe|||||0||||||0",
        "exe: Notepad|notepad.exe|||||0||||||0",
    };
    ASSERT_TRUE(Folder().WriteDataFile("Files.txt", JoinLines(original)));

    AppProcess& quillox = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(quillox), nullptr);
    quillox.Kill();

    std::string written;
    ASSERT_TRUE(Folder().ReadDataFile("Files.txt", written));
    std::vector<std::string> lines;
    ASSERT_TRUE(SplitCrLfLines(written, lines)) << "not CR LF text:\n" << written;

    std::multiset<std::string> expected;
    for (const std::string& line : original) expected.insert(WithExePrefix(line));
    EXPECT_EQ(std::multiset<std::string>(lines.begin(), lines.end()), expected) << written;
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return Folded(NameOfLine(a)) < Folded(NameOfLine(b));
    })) << "not sorted by Name, case-insensitively:\n" << written;
    EXPECT_EQ(FileSize(Folder().DataFile("OldOrders.txt")), 0);
}

TEST_F(EntryFileTest, LaterLaunch_LeavesFilesAsItIs) {
    const std::string unsorted = "execute: regedit|regedit\r\nBeta|C:\\beta|||||0||||||0\r\nalpha|C:\\alpha\r\n";
    MarkAsLaunchedBefore();
    ASSERT_TRUE(Folder().WriteDataFile("Files.txt", unsorted));

    AppProcess& quillox = StartQuillox();
    ASSERT_NE(WaitForRunningWindow(quillox), nullptr);
    quillox.Kill();

    std::string afterwards;
    ASSERT_TRUE(Folder().ReadDataFile("Files.txt", afterwards));
    EXPECT_EQ(afterwards, unsorted);
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
        const auto names = ListFiles(Folder().DataFolder());
        return std::set<std::string>(names.begin(), names.end());
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
