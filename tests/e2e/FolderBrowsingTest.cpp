#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "e2e/RecorderTest.h"

namespace qx {
namespace {

using namespace qx::test;

using Rows = std::vector<std::string>;

// The options menu item "Im Verzeichnisbrowser niemals automatisch minimieren".
constexpr WPARAM kNeverMinimiseInFolderBrowserCommand = 122;

bool MakeFile(const std::string& path) { return static_cast<bool>(std::ofstream(path, std::ios::binary) << "x"); }

// The shell's name of the computer folder, as the desktop lists it.
std::string ComputerFolderName() {
    PIDLIST_ABSOLUTE idList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &idList))) return {};
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(idList), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
    ILFree(idList);
    return info.szDisplayName;
}

class FolderBrowsingTest : public RecorderTest {
protected:
    static ::testing::AssertionResult Shows(HWND window, const std::string& input, const Rows& rows) {
        if (WaitUntil([&] { return InputLineText(window) == input && ListRows(window) == rows; }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "input: " << InputLineText(window)
                                             << ", rows: " << ::testing::PrintToString(ListRows(window));
    }
    // Moves the selection down from row 0 to the row with this text.
    static bool SelectRow(HWND window, const std::string& text) {
        const Rows rows = ListRows(window);
        const int index = static_cast<int>(std::ranges::find(rows, text) - rows.begin());
        for (int row = SelectedRow(window); row < index && row >= 0; ++row) PressKey(VK_DOWN);
        return index < static_cast<int>(rows.size()) && WaitUntil([&] { return SelectedRow(window) == index; });
    }
};

// One program through a whole session of browsing: type a folder, narrow it, go in and up,
// watch files come and go, launch from it with and without the window staying open, call it
// up again and browse again, then walk the shell's namespace from its root.
TEST_F(FolderBrowsingTest, BrowseFilterGoInAndUpFollowChangesLaunchAndBrowseAgain) {
    const std::string tree = Folder().Path() + "tree\\";
    const std::string big = tree + "big\\";
    for (const std::string& folder : {tree, tree + "a\\", big, big + "inner\\", tree + "icons\\"})
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    ASSERT_TRUE(MakeFile(tree + "img10.png") && MakeFile(tree + "img2.png"));
    ASSERT_TRUE(CopyFileA(recorder_.c_str(), (big + "go.exe").c_str(), FALSE));
    ASSERT_TRUE(Folder().WriteDataFile("config.cfg", "NoAutoMinInFolderSearch=1\r\n"));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    const Rows treeRows{"a", "big", "icons", "img2.png", "img10.png"};

    // Folders first, then files, each in natural order; a filter puts the names that begin
    // with it first.
    ASSERT_TRUE(TypeText("<" + tree));
    ASSERT_TRUE(Shows(window, "<" + tree, treeRows));
    ASSERT_TRUE(TypeText("i"));
    EXPECT_TRUE(Shows(window, "<" + tree + "i", {"icons", "img2.png", "img10.png", "big"}));
    ASSERT_TRUE(PressKey(VK_BACK));
    ASSERT_TRUE(Shows(window, "<" + tree, treeRows));

    // Right goes into the selected folder, Left back up; Enter on a folder goes in too.
    const Rows bigRows{"inner", "go.exe"};
    ASSERT_TRUE(SelectRow(window, "big") && PressKey(VK_RIGHT));
    EXPECT_TRUE(Shows(window, "<" + big, bigRows));
    ASSERT_TRUE(PressKey(VK_LEFT));
    EXPECT_TRUE(Shows(window, "<" + tree, treeRows));
    ASSERT_TRUE(SelectRow(window, "big") && PressKey(VK_RETURN));
    ASSERT_TRUE(Shows(window, "<" + big, bigRows));

    // A file made in the folder joins at the end and a deleted one goes; the selection stays.
    ASSERT_TRUE(SelectRow(window, "go.exe") && MakeFile(big + "new.txt"));
    EXPECT_TRUE(Shows(window, "<" + big, {"inner", "go.exe", "new.txt"}));
    ASSERT_TRUE(DeleteFileA((big + "new.txt").c_str()));
    EXPECT_TRUE(Shows(window, "<" + big, bigRows));
    EXPECT_EQ(SelectedRow(window), 1);

    // Enter launches the file, and with "NoAutoMinInFolderSearch" the window stays: a letter
    // typed once the launch has let the input go (and the window stayed) lands in the filter.
    std::string launches;
    const auto launchCount = [&] {
        launches.clear();
        ReadFileBytes(big + "launches.txt", launches);
        return std::ranges::count(launches, '\n');
    };
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return launchCount() == 1; })) << launches;
    EXPECT_NE(launches.find("go.exe"), std::string::npos) << launches;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(window, 10)) != FALSE; }));
    ASSERT_TRUE(TypeText("g"));
    EXPECT_TRUE(Shows(window, "<" + big + "g", {"go.exe"}));
    EXPECT_TRUE(IsShownOnScreen(window));

    // Without the option the launch hides the window; called up again, it browses afresh.
    // Sent, not posted: the option is saved once it returns, and the file is not read while
    // the program replaces it.
    ASSERT_TRUE(SendWithin(window, WM_COMMAND, kNeverMinimiseInFolderBrowserCommand));
    std::string config;
    ASSERT_TRUE(Folder().ReadDataFile("config.cfg", config));
    ASSERT_NE(config.find("NoAutoMinInFolderSearch=0"), std::string::npos) << config;
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return launchCount() == 2; })) << launches;
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
    ASSERT_TRUE(SendRestore(window));
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window) && ReadyForTyping(window); }));
    ASSERT_TRUE(Shows(window, "", {}));
    ASSERT_TRUE(TypeText("<" + big));
    EXPECT_TRUE(Shows(window, "<" + big, {"inner", "go.exe", "launches.txt"}));
    // Ctrl+N makes a new folder under the first free name and selects it.
    for (const char* name : {"Neuer Ordner", "Neuer Ordner (2)"}) {
        ASSERT_TRUE(PressChord({VK_CONTROL, 'N'}));
        EXPECT_TRUE(WaitUntil([&] {
            const Rows rows = ListRows(window);
            return rows.back() == name && SelectedRow(window) == static_cast<int>(rows.size()) - 1;
        })) << ::testing::PrintToString(ListRows(window));
        const DWORD attributes = GetFileAttributesA((big + name).c_str());
        EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) << name;
    }

    // "<\" walks the shell's namespace: the desktop, and in its computer folder the drives.
    ASSERT_TRUE(PressKey(VK_ESCAPE) && Shows(window, "", {}) && TypeText("<\\"));
    const std::string computer = ComputerFolderName();
    ASSERT_FALSE(computer.empty());
    ASSERT_TRUE(WaitUntil([&] { return std::ranges::count(ListRows(window), computer) == 1; }))
        << computer << " not in " << ::testing::PrintToString(ListRows(window));
    ASSERT_TRUE(SelectRow(window, computer) && PressKey(VK_RIGHT));
    const auto listsDrive = [&](const char* drive) {
        const Rows rows = ListRows(window);
        return std::ranges::any_of(rows, [&](const std::string& row) { return row.find(drive) != std::string::npos; });
    };
    EXPECT_TRUE(WaitUntil([&] {
        return InputLineText(window) == "<\\" + computer + "\\" && listsDrive("C:") && listsDrive("Z:");
    }))
        << InputLineText(window) << ::testing::PrintToString(ListRows(window));

    // Ctrl+Alt+R hands over to a fresh instance; this window goes on browsing, named after its
    // folder so that no instance takes it for the running one.
    ASSERT_TRUE(PressChord({VK_CONTROL, VK_MENU, 'R'}));
    EXPECT_TRUE(WaitUntil([&] { return WindowCaption(window) == computer + " - Quillox free"; }))
        << WindowCaption(window);
    // The fresh instance is up before the case ends, so the clean-up finds and ends it.
    EXPECT_TRUE(WaitUntil([&] { return FindTopWindow(kMainWindowClass, kRunningCaption) != nullptr; },
                          kStartupTimeout));
}

}  // namespace
}  // namespace qx
