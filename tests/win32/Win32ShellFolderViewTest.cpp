#include "platform/win32/Win32ShellFolderView.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/ShellIdList.h"
#include "win32/ShellViewWalk.h"
#include "win32/TempFolder.h"

namespace qx {
namespace {

constexpr DWORD kPatienceMs = 10000;

// Dispatches this thread's messages until done() holds; false when the deadline passes first.
template <class Done>
bool PumpUntil(Done done) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start > kPatienceMs) return false;
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return true;
}

std::vector<std::string> Names(const IShellFolderView& view) {
    std::vector<std::string> names;
    for (const ShellViewItem& item : view.Items()) names.push_back(item.displayName);
    return names;
}

// Items as "name|folder or file|path", sorted: the shell's order is the file system's.
std::vector<std::string> Described(const IShellFolderView& view) {
    std::vector<std::string> lines;
    for (const ShellViewItem& item : view.Items())
        lines.push_back(item.displayName + "|" + (item.isFolder ? "folder" : "file") + "|" + item.fileSystemPath);
    std::sort(lines.begin(), lines.end());
    return lines;
}

bool AllIdListsLaunchable(const IShellFolderView& view) {
    return std::all_of(view.Items().begin(), view.Items().end(),
                       [](const ShellViewItem& item) { return IdListFromBytes(item.idListBytes).has_value(); });
}

TEST(Win32ShellFolderView, RootFoldersCanBeEnteredAndLeftAndEveryItemKeepsALaunchableIdList) {
    Win32ShellFolderView view;
    EXPECT_TRUE(view.AtRoot());
    EXPECT_FALSE(view.GoUp());
    ASSERT_TRUE(view.GoToRoot());
    const std::vector<std::string> rootNames = Names(view);
    ASSERT_FALSE(rootNames.empty());
    EXPECT_TRUE(AllIdListsLaunchable(view));
    // The desktop's own list is empty: a folder-view item may be that, a stored list may not.
    EXPECT_EQ(view.CurrentFolder().idListBytes, std::string(2, '\0'));
    EXPECT_TRUE(ShellItemIdListFromBytes(view.CurrentFolder().idListBytes).has_value());
    EXPECT_FALSE(IdListFromBytes(view.CurrentFolder().idListBytes).has_value());

    int entered = 0;
    for (std::size_t i = 0; i < view.Items().size(); ++i) {
        const ShellViewItem item = view.Items()[i];
        if (!item.isFolder || !view.EnterItem(i)) continue;
        ++entered;
        EXPECT_FALSE(view.AtRoot()) << item.displayName;
        EXPECT_EQ(view.CurrentFolder().idListBytes, item.idListBytes) << item.displayName;
        EXPECT_EQ(view.CurrentFolder().fileSystemPath, item.fileSystemPath) << item.displayName;
        EXPECT_TRUE(AllIdListsLaunchable(view)) << item.displayName;
        for (const ShellViewItem& child : view.Items())  // each child's list continues its folder's
            EXPECT_EQ(child.idListBytes.compare(0, item.idListBytes.size() - 2, item.idListBytes, 0,
                                                item.idListBytes.size() - 2),
                      0);
        ASSERT_TRUE(view.GoUp());
        EXPECT_TRUE(view.AtRoot());
        EXPECT_EQ(Names(view), rootNames);
    }
    EXPECT_GT(entered, 0);
    EXPECT_FALSE(view.EnterItem(view.Items().size()));
}

TEST(Win32ShellFolderView, AFolderReachedFromTheRootListsExactlyItsItemsAndRefreshShowsNewOnes) {
    test::TempFolder temp;
    ASSERT_FALSE(temp.path().empty());
    ASSERT_TRUE(::CreateDirectoryA((temp / "alpha").c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryA((temp / "beta 2").c_str(), nullptr));
    for (const char* name : {"img10.qxd", "img2.qxd"}) {
        UniqueKernelHandle file(::CreateFileA((temp / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(file) << name;
    }

    Win32ShellFolderView view;
    ASSERT_TRUE(test::Reach(view, temp.path())) << temp.path();
    EXPECT_EQ(Described(view), (std::vector<std::string>{"alpha|folder|" + (temp / "alpha"),
                                                         "beta 2|folder|" + (temp / "beta 2"),
                                                         "img10.qxd|file|" + (temp / "img10.qxd"),
                                                         "img2.qxd|file|" + (temp / "img2.qxd")}));
    EXPECT_TRUE(AllIdListsLaunchable(view));

    // The listing is a snapshot until it is read again.
    UniqueKernelHandle made(::CreateFileA((temp / "new.qxd").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(made);
    made.reset();
    EXPECT_EQ(view.Items().size(), 4u);
    view.Refresh();
    EXPECT_EQ(Described(view), (std::vector<std::string>{"alpha|folder|" + (temp / "alpha"),
                                                         "beta 2|folder|" + (temp / "beta 2"),
                                                         "img10.qxd|file|" + (temp / "img10.qxd"),
                                                         "img2.qxd|file|" + (temp / "img2.qxd"),
                                                         "new.qxd|file|" + (temp / "new.qxd")}));

    // A file is not entered; an empty folder is, and going up re-reads the parent.
    const auto indexOf = [&](const std::string& name) {
        const auto found = std::find_if(view.Items().begin(), view.Items().end(),
                                        [&](const ShellViewItem& item) { return item.displayName == name; });
        return static_cast<std::size_t>(found - view.Items().begin());
    };
    EXPECT_FALSE(view.EnterItem(indexOf("img2.qxd")));
    ASSERT_TRUE(view.EnterItem(indexOf("alpha")));
    EXPECT_EQ(view.CurrentFolder().fileSystemPath, temp / "alpha");
    EXPECT_EQ(view.CurrentFolder().displayName, "alpha");
    EXPECT_TRUE(view.Items().empty());
    ASSERT_TRUE(::DeleteFileA((temp / "img10.qxd").c_str()));
    ASSERT_TRUE(view.GoUp());
    EXPECT_EQ(view.CurrentFolder().fileSystemPath, temp.path());
    EXPECT_EQ(view.Items().size(), 4u);
}

// Wine delivers only the reports that programs send through the shell, and for a folder
// watched on its own only those that name the folder itself.
TEST(Win32ShellFolderView, ShellChangeReportsForTheShownFolderNameItWhileAutomaticRefreshIsOn) {
    test::TempFolder temp;
    Win32ShellFolderView view;
    std::vector<std::string> reports;
    view.SetChangeListener([&](const std::string& path) { reports.push_back(path); });
    ASSERT_TRUE(test::Reach(view, temp.path()));
    const auto folderChanged = [](const std::string& path) {
        ::SHChangeNotify(SHCNE_UPDATEDIR, SHCNF_PATHA | SHCNF_FLUSH, path.c_str(), nullptr);
    };

    view.SetAutoRefresh(false);
    EXPECT_FALSE(view.AutoRefresh());
    folderChanged(temp.path());
    view.SetAutoRefresh(true);
    folderChanged(temp.path());
    ASSERT_TRUE(PumpUntil([&] { return !reports.empty(); }));
    EXPECT_EQ(reports, std::vector<std::string>{temp.path()});  // the one made while it was off is gone

    // After a navigation the reports follow the newly shown folder.
    ASSERT_TRUE(view.GoUp());
    reports.clear();
    folderChanged(view.CurrentFolder().fileSystemPath);
    ASSERT_TRUE(PumpUntil([&] { return !reports.empty(); }));
    EXPECT_EQ(reports, std::vector<std::string>{view.CurrentFolder().fileSystemPath});
}

}  // namespace
}  // namespace qx
