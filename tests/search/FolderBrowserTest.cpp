#include "search/FolderBrowser.h"

#include <gtest/gtest.h>

#include <map>

#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeShellFolderView.h"
#include "search/SearchTestLists.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
using test::Texts;

// One browser wired as the main window wires it: typing runs the change handling (which enters
// and leaves the mode) and the rebuild; the shell view's namespace has a computer folder with a
// file-system drive and a slow network.
class FolderBrowserTest : public ::testing::Test, public test::NoQueryHooks {
protected:
    FolderBrowserTest() {
        for (const char* file : {"C:\\win10.txt", "C:\\win2.txt", "C:\\awin.txt", "C:\\readme.txt", "C:\\img10.png",
                                 "C:\\IMG3.png", "C:\\img2.png", "C:\\mywinfolder\\x", "C:\\Short\\desktop.ini",
                                 "C:\\Short\\target.lnk", "D:\\Docs\\a.txt", "\\\\server\\share\\doc.txt",
                                 "C:\\docs.lnk", "C:\\app.URL"})
            fs.Put(file, "");
        for (const char* folder : {"C:\\Windows", "C:\\winamp"}) (void)fs.CreateFolder(folder);
        links = {{"C:\\Short\\target.lnk", "D:\\Docs"}, {"C:\\docs.lnk", "D:\\Docs"}, {"C:\\app.URL", "D:\\Docs\\a"}};
        auto& computer = shell.root.Add("Computer", true);
        shell.root.Add("Recycle Bin", true);
        auto& disk = computer.Add("Local Disk ", true, "C:\\");
        disk.Add("Windows", true, "C:\\Windows");
        disk.Add("win.ini", false, "C:\\win.ini");
        computer.Add("Empty", true, "D:\\Empty");
        shell.root.Add("Network", true).Add("server", true, "\\\\server\\share");
        FolderBrowserHooks hooks;
        hooks.setInputText = [this](const std::string& text) { query.FormEditChange(text); };
        hooks.linkTarget = [this](const std::string& path) { return links.count(path) ? links[path] : ""; };
        browser = std::make_unique<FolderBrowser>(
            FolderBrowserContext{list, query, fs, &shell, clock, "Network\\", "Computer\\", "Recycle Bin\\"}, hooks);
    }
    void Type(const std::string& text) {
        query.FormEditChange(text);
        if (browser->active()) browser->List(false);
    }
    void Select(const std::string& row) { list.SetSelected(list.Items().IndexOf(row)); }
    Rows Shown() const { return Texts(list.Items()); }
    std::size_t RefreshChanges() {
        const std::size_t before = browser->refreshRowChanges();
        browser->RefreshFolder(false, true, false);
        return browser->refreshRowChanges() - before;
    }
    bool IsFolderBrowsing() const override { return browser->active(); }
    void SetFolderBrowsing(bool on) override { browser->SetActive(on); }

    test::FakeClock clock;
    test::FakeFileSystem fs;
    test::FakeShellFolderView shell;
    PrefixCharacters prefixes;
    QueryState query{prefixes, *this};
    ListBoxModel list{clock};
    std::map<std::string, std::string> links;
    std::unique_ptr<FolderBrowser> browser;
};

TEST_F(FolderBrowserTest, ListsMatchesBeginningWithTheFilterFirstFoldersFirstInNaturalOrder) {
    const std::vector<std::pair<std::string, Rows>> cases{
        {"<C:\\win", {"winamp", "Windows", "win2.txt", "win10.txt", "mywinfolder", "awin.txt"}},
        {"<C:\\img", {"img2.png", "IMG3.png", "img10.png"}},
        {"<C:\\WIN*txt", {"win2.txt", "win10.txt", "awin.txt"}},
        {"<\\\\server\\share\\", {"doc.txt"}},  // a network path, not the shell namespace
        {"<C:\\nothing", {}},
        {"<E:\\missing\\", {}},
        {"<win", {}},
    };
    for (const auto& [input, rows] : cases) {
        Type(input);
        EXPECT_EQ(Shown(), rows) << input;
        EXPECT_EQ(list.SelectedIndex(), 0) << input;
    }
    EXPECT_EQ(shell.navigations, 0);
    Rows names{"v10", "V9", "a100000", "a99999", "x1y20", "x1y3", "b01", "b1"};  // runs of five stay
    NaturalSort(names);
    EXPECT_EQ(names, (Rows{"a100000", "a99999", "b01", "b1", "V9", "v10", "x1y3", "x1y20"}));
}

TEST_F(FolderBrowserTest, RefreshUpdatesRowsInPlaceKeepingTheSelection) {
    Type("<D:\\Docs\\");
    for (const char* file : {"D:\\Docs\\b.txt", "D:\\Docs\\c.txt"}) fs.Put(file, "");
    EXPECT_EQ(RefreshChanges(), 2u);
    Select("b.txt");
    EntryAt(list.Items(), 1).infoText = "12 KB";
    ASSERT_TRUE(fs.DeleteFile("D:\\Docs\\a.txt"));
    fs.Put("D:\\Docs\\a2.txt", "");
    EXPECT_EQ(RefreshChanges(), 2u);
    EXPECT_EQ(Shown(), (Rows{"b.txt", "c.txt", "a2.txt"}));
    EXPECT_EQ(list.SelectedText(), "b.txt");
    EXPECT_EQ(EntryAt(list.Items(), 0).infoText, "@nod");
    EXPECT_EQ(RefreshChanges(), 0u);

    query.FormEditChange("<D:\\Docs\\c");  // typed, not yet rebuilt: the re-read is dropped
    fs.Put("D:\\Docs\\c2.txt", "");
    EXPECT_EQ(RefreshChanges(), 0u);
    browser->List(false);
    EXPECT_EQ(Shown(), (Rows{"c.txt", "c2.txt"}));
}

TEST_F(FolderBrowserTest, GoIntoFolderRowFollowsFoldersLinksAndFolderShortcuts) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"Windows", "<C:\\Windows\\"}, {"readme.txt", "<C:\\readme.txt"}, {"docs.lnk", "<D:\\Docs\\"},
        {"app.URL", "<D:\\Docs\\a"}, {"Short", "<D:\\Docs\\"}};
    for (const auto& [row, input] : cases) {
        Type("<C:\\");
        Select(row);
        browser->GoIntoFolderRow();
        EXPECT_EQ(query.currentText(), input) << row;
    }
    EXPECT_EQ(Shown(), Rows{"a.txt"});
}

TEST_F(FolderBrowserTest, PathModeWalksTheShellByEachNavigationRule) {
    Type("<\\");
    EXPECT_EQ(Shown(), (Rows{"Computer", "Recycle Bin", "Network"}));
    Select("Computer");
    shell.navigations = 0;
    browser->GoIntoFolderRow();  // steps into the selected item
    EXPECT_EQ(query.currentText(), "<\\Computer\\");
    EXPECT_EQ(Shown(), (Rows{"Local Disk ", "Empty"}));
    EXPECT_EQ(shell.navigations, 1);
    Type("<\\Computer\\e");  // the same folder: only the filter changes
    EXPECT_EQ(Shown(), Rows{"Empty"});
    Type("<\\");  // the parent: one level up
    EXPECT_EQ(shell.navigations, 2);
    Type("<\\COMPUTER\\local disk\\w");  // from the root, display names trimmed
    EXPECT_EQ(shell.navigations, 5);
    EXPECT_EQ(Shown(), (Rows{"Windows", "win.ini"}));
    EXPECT_EQ(browser->FindShellItem("win.ini")->fileSystemPath, "C:\\win.ini");
    EXPECT_EQ(browser->ReleasedTitle(), "local disk");
    Type("D");  // leaving and entering again with the same text navigates afresh
    Type("<\\COMPUTER\\local disk\\w");
    EXPECT_EQ(shell.navigations, 8);
    Type("<\\Computer\\local disk \\");  // a typed component is not trimmed
    EXPECT_FALSE(browser->shellFolderLive());
    EXPECT_EQ(browser->CurrentShellFolder()->displayName, "Computer");
    EXPECT_FALSE(browser->NavigateFromRoot("Computer\\Floppy\\"));
    EXPECT_TRUE(browser->NavigateFromRoot("Computer\\Local Disk\\Windows\\x"));
    Type("<\\Computer\\");
    Type("<");  // a plain listing in between leaves the view where it stands
    Type("<\\");
    EXPECT_EQ(Shown(), (Rows{"Computer", "Recycle Bin", "Network"}));
}

// Only a folder reached fast, outside the network, with a file-system path is re-read on its own.
TEST_F(FolderBrowserTest, PathModeRefreshesLiveFoldersAndReportedChanges) {
    struct Case { std::string input; int navigationMs; bool live; int rereads, rereadsAfterReport; };
    const std::vector<Case> cases{{"<\\Computer\\Local Disk\\", 1000, true, 1, 2},
                                  {"<\\Computer\\Local Disk\\", 1600, false, 0, 1},
                                  {"<\\Computer\\", 0, false, 1, 2},  // reports no path, read always
                                  {"<\\Network\\server\\", 0, false, 0, 1},
                                  {"<\\Computer\\Empty\\", 0, false, 0, 1},  // not on disk
                                  {"<\\", 0, false, 1, 2},
                                  {"<\\Recycle Bin\\", 0, false, 1, 2}};
    for (const auto& [input, navigationMs, live, rereads, rereadsAfterReport] : cases) {
        Type("<\\x\\");
        shell.onNavigate = [this, ms = navigationMs] { clock.now += ms; };
        Type(input);
        shell.onNavigate = nullptr;
        EXPECT_EQ(browser->shellFolderLive(), live) << input;
        shell.refreshes = 0;
        browser->RefreshFolder(false, false, false);
        EXPECT_EQ(shell.refreshes, rereads) << input;
        browser->OnShellChange(shell.current->item.fileSystemPath);
        browser->RefreshFolder(false, false, false);
        EXPECT_EQ(shell.refreshes, rereadsAfterReport) << input;
    }
    shell.current->Add("new", false, "C:\\new");
    EXPECT_EQ(RefreshChanges(), 1u);
    EXPECT_EQ(Shown().back(), "new");
}

TEST_F(FolderBrowserTest, CreateNewItemTakesTheFirstFreeNameAndSelectsIt) {
    list.SetSize(200, 2 * 19);
    Type("<C:\\zz");
    EXPECT_EQ(browser->CreateNewItem("New", true), "New");
    EXPECT_EQ(query.currentText(), "<C:\\");  // the filter would have hidden it
    EXPECT_EQ(browser->CreateNewItem("New", true), "New (2)");
    EXPECT_TRUE(fs.FolderExists("C:\\New (2)"));
    EXPECT_EQ(list.SelectedText(), "New (2)");
    EXPECT_EQ(list.TopIndex(), list.Count() - 2);
    EXPECT_EQ(browser->CreateNewItem("win2.txt", false), "win2.txt (2)");
    EXPECT_EQ(list.SelectedText(), "win2.txt (2)");

    Type("<\\Computer\\Local Disk\\");  // the shell shows the new folder with a trailing blank
    shell.onNavigate = [this] {
        if (shell.current->children.size() == 2 && fs.FolderExists("C:\\Made")) shell.current->Add("Made ", true);
    };
    EXPECT_EQ(browser->CreateNewItem("Made", true), "Made");
    EXPECT_EQ(list.SelectedText(), "Made ");
    Type("<\\Computer\\");  // not a file-system folder
    EXPECT_EQ(browser->CreateNewItem("New", true), "");
    EXPECT_TRUE(shell.AutoRefresh());
    fs.FailAllWrites();
    Type("<D:\\Docs\\");
    EXPECT_EQ(browser->CreateNewItem("New", false), "");
}

}  // namespace
}  // namespace qx
