#include "platform/win32/Win32ShellFolderView.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/win32/ShellIdList.h"
#include "win32/ShellViewWalk.h"
#include "win32/TempFolder.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;

// Dispatches this thread's messages until done() holds; false when 10 s pass first.
template <class Done>
bool PumpUntil(Done done) {
    const DWORD start = ::GetTickCount();
    for (MSG message; !done(); ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT)) {
        if (::GetTickCount() - start > 10000) return false;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }
    return true;
}

// Items as "name|folder or file|path", sorted: the shell's order is the file system's.
Lines Described(const IShellFolderView& view) {
    Lines lines;
    for (const ShellViewItem& item : view.Items())
        lines.push_back(item.displayName + (item.isFolder ? "|folder|" : "|file|") + item.fileSystemPath);
    std::sort(lines.begin(), lines.end());
    return lines;
}

TEST(Win32ShellFolderView, RootFoldersAreEnteredAndLeftAndTheirItemsCarryLaunchableAbsoluteIdLists) {
    Win32ShellFolderView view;
    EXPECT_TRUE(view.AtRoot() && !view.GoUp());
    ASSERT_TRUE(view.GoToRoot());
    const Lines root = Described(view);
    // The desktop's own list is empty: a folder-view item may be that, a stored list may not.
    EXPECT_EQ(view.CurrentFolder().idListBytes, std::string(2, '\0'));
    EXPECT_TRUE(ShellItemIdListFromBytes(std::string(2, '\0')) && !IdListFromBytes(std::string(2, '\0')));
    int entered = 0;
    for (std::size_t i = 0; i < root.size(); ++i) {
        const ShellViewItem folder = view.Items()[i];
        if (!view.EnterItem(i)) continue;
        ++entered;
        EXPECT_EQ(view.CurrentFolder().idListBytes + view.CurrentFolder().fileSystemPath,
                  folder.idListBytes + folder.fileSystemPath);
        const std::string prefix = folder.idListBytes.substr(0, folder.idListBytes.size() - 2);
        for (const ShellViewItem& child : view.Items())  // each continues its folder's list
            EXPECT_TRUE(child.idListBytes.starts_with(prefix) && IdListFromBytes(child.idListBytes)) << i;
        ASSERT_TRUE(view.GoUp());
        EXPECT_EQ(Described(view), root);
    }
    EXPECT_GT(entered, 0);
}

// Wine delivers only the change reports that programs send through the shell, and for a
// folder watched on its own only those that name the folder itself.
TEST(Win32ShellFolderView, AFolderReachedFromTheRootIsListedExactlyReadAgainAndReportedOnWhileShown) {
    test::TempFolder temp;
    const auto make = [&](const std::string& name, bool folder) {
        return folder ? ::CreateDirectoryA((temp / name).c_str(), nullptr) != 0 : std::ofstream(temp / name).good();
    };
    const auto line = [&](const std::string& name, bool folder) {
        return name + (folder ? "|folder|" : "|file|") + (temp / name);
    };
    ASSERT_TRUE(make("alpha", true) && make("beta 2", true) && make("img10.qxd", false) && make("img2.qxd", false));
    Win32ShellFolderView view;
    Lines reports;
    view.SetChangeListener([&](const std::string& path) { reports.push_back(path); });
    ASSERT_TRUE(test::Reach(view, temp.path())) << temp.path();
    Lines expected{line("alpha", true), line("beta 2", true), line("img10.qxd", false), line("img2.qxd", false)};
    EXPECT_EQ(Described(view), expected);

    // The listing is a snapshot until it is read again.
    ASSERT_TRUE(make("new.qxd", false));
    EXPECT_EQ(Described(view), expected);
    view.Refresh();
    expected.push_back(line("new.qxd", false));
    EXPECT_EQ(Described(view), expected);

    const auto folderChanged = [](const std::string& path) {
        ::SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA | SHCNF_FLUSH, path.c_str(), nullptr);
    };
    view.SetAutoRefresh(false);
    folderChanged(temp.path());
    view.SetAutoRefresh(true);
    folderChanged(temp.path());
    ASSERT_TRUE(PumpUntil([&] { return !reports.empty(); }));
    EXPECT_EQ(reports, Lines{temp.path()});  // the one made while it was off is gone

    // A file is not entered; an empty folder is, and the reports follow it there.
    const auto indexOf = [&](const std::string& name) {
        return std::ranges::find(view.Items(), name, &ShellViewItem::displayName) - view.Items().begin();
    };
    EXPECT_FALSE(view.EnterItem(indexOf("img2.qxd")));
    ASSERT_TRUE(view.EnterItem(indexOf("alpha")));
    EXPECT_EQ(view.CurrentFolder().displayName + "|" + view.CurrentFolder().fileSystemPath,
              "alpha|" + (temp / "alpha"));
    EXPECT_TRUE(view.Items().empty());
    reports.clear();
    folderChanged(temp / "alpha");
    ASSERT_TRUE(PumpUntil([&] { return !reports.empty(); }));
    EXPECT_EQ(reports, Lines{temp / "alpha"});

    // Going up reads the parent again.
    ASSERT_TRUE(::DeleteFileA((temp / "img10.qxd").c_str()));
    ASSERT_TRUE(view.GoUp());
    expected.erase(expected.begin() + 2);
    EXPECT_EQ(Described(view), expected);
    EXPECT_EQ(view.CurrentFolder().fileSystemPath, temp.path());
}

}  // namespace
}  // namespace qx
