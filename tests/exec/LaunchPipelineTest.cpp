#include "exec/LaunchPipeline.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "controls/ListBoxModel.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeSystemInfo.h"
#include "fakes/TestStore.h"
#include "store/EntryStore.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
using test::kData;
const std::string kBrowser = "C:\\Program Files\\Mozilla\\FireFox.EXE";
constexpr int kToBrowser = launch_kind::kWebAddress | launch_kind::kDefaultBrowser;

// File, parameters, working folder and kind of a request, '|'-joined.
std::string Req(const LaunchRequest& r) {
    return r.fileName + "|" + r.parameters + "|" + r.workingFolder + "|" + std::to_string(r.kind);
}

class FakeInstaller : public IInstallerLookup {
public:
    bool Available() const override { return available; }
    std::optional<std::string> LocalComponentPath(const std::string& product,
                                                  const std::string& component) const override {
        if (product == "{P}" && component == "{C}") return "D:\\Office\\word.exe";
        return std::nullopt;
    }
    std::optional<AdvertisedShortcut> ShortcutTarget(const std::string&) const override { return std::nullopt; }
    bool available = true;
};

class LaunchPipelineTest : public ::testing::Test {
protected:
    LaunchPipelineTest()
        : store(test::TestStoreContext(fs, system)),
          list(clock),
          pipeline(LaunchContext{store, list, fs, &installer}, {}) {
        fs.Put(kData + "OldOrders.txt", "");
        (void)store.LoadEntries(LoadOptions{1, false});
        LaunchHooks hooks = Recording();
        hooks.inputMode = [this] { return mode; };
        hooks.ctrlHeld = [this] { return ctrl; };
        hooks.isReleased = [this] { return released; };
        hooks.lockUntilExecDone = [this] { return lockUntilDone; };
        hooks.noAutoMinimiseInFolderBrowser = [this] { return noAutoMin; };
        hooks.defaultBrowser = [] { return kBrowser; };
        hooks.endInPlaceEdit = [this] { ++editsEnded; };
        hooks.isFolderBrowsing = [this] { return browsing; };
        hooks.browsedFolder = [] { return std::string("C:\\Data"); };
        hooks.showSelectionProperties = [this] { ++propertiesShown; };
        pipeline.SetHooks(hooks);
        list.SetSize(200, 100);
        list.SetScrollThumbImage({12, 20});
    }

    LaunchHooks Recording() {
        LaunchHooks hooks;
        hooks.startLaunch = [this](const LaunchRequest& r) { launched.push_back(r); };
        return hooks;
    }
    void AddEntry(const std::string& line) {
        std::string name;
        ASSERT_TRUE(store.AddEntryFromLine(line, false, name, false, false, true)) << line;
    }
    // A row as the search makes it: it carries the entry of that name, if there is one.
    void SelectRow(const std::string& text) {
        const int entry = store.EntryList().IndexOf(text);
        list.Items().AddObjectRef(text, entry >= 0 ? store.EntryList().Objects(entry) : nullptr);
        list.SetSelected(list.Count() - 1);
    }
    // Enter on a new selected row, with these modifiers; the one request it made.
    LaunchRequest Enter(const std::string& row, ModifierKeys keys = {}) {
        launched.clear();
        SelectRow(row);
        pipeline.ResultListDblClick(LaunchSender::MainWindow, keys);
        EXPECT_EQ(launched.size(), 1u) << row;
        return launched.empty() ? LaunchRequest{} : launched.back();
    }

    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    test::FakeClock clock;
    FakeInstaller installer;
    EntryStore store;
    ListBoxModel list;
    LaunchPipeline pipeline;

    std::vector<LaunchRequest> launched;
    InputMode mode = InputMode::EntrySearch;
    bool ctrl = false, released = false, lockUntilDone = true, noAutoMin = false, browsing = false;
    int editsEnded = 0, propertiesShown = 0;
};

TEST_F(LaunchPipelineTest, EntryRowsByKind) {
    fs.Put("C:\\Data\\a.txt", "x");
    noAutoMin = true;  // only for the folder browser
    for (const char* line : {"Editor|C:\\Tools\\edit.exe|-n %HOMEDRIVE%\\x.txt||||0|14 00|||||0",
                             "Tool|..\\Tools\\t.exe|||.\\work||0||||||0", "Data|C:\\Data", "Note|hello world",
                             "Printers|||||||14 00 1F 50|||||0", "exe: Open|notepad C:\\a b.txt| ",
                             "exe: Keep|notepad C:\\a b.txt|-x", "url: Site|http://ex.com/a b|ignored||C:\\x||0||||bob||0",
                             "Fonts|\\Control Panel\\Fonts", "Word|C:\\stale.exe|||||0||{P}|{C}|||0"})
        AddEntry(line);
    const std::pair<const char*, const char*> cases[] = {
        {"Editor", "C:\\Tools\\edit.exe|-n C:\\x.txt|C:\\Tools\\|4"},
        {"Tool", "C:\\Apps\\Tools\\t.exe||C:\\Apps\\Quillox\\work|4"},
        // The working folder is taken before the folder gets its backslash.
        {"Data", "C:\\Data\\||C:\\|4"},
        {"Note", "hello world|||4"},
        {"Printers", "|||4"},
        // A command entry is split only without parameters; else the whole Value is the file.
        {"exe: Open", "notepad|C:\\a b.txt||4"},
        {"exe: Keep", "notepad C:\\a b.txt|-x|notepad C:\\|4"},
        {"url: Site", "http://ex.com/a%20b|||1"},
        // No folder view: a shell path falls back to a file.
        {"Fonts", "\\Control Panel\\Fonts||\\Control Panel\\|4"},
        {"Word", "D:\\Office\\word.exe||D:\\Office\\|4"},
    };
    for (const auto& [row, expected] : cases) {
        const LaunchRequest r = Enter(row);
        EXPECT_EQ(Req(r), expected) << row;
        EXPECT_EQ(r.minimiseMode, MinimiseMode::UnlessAlt);
        EXPECT_FALSE(r.keepInputFree);
        EXPECT_TRUE(r.runAsUser.empty()) << row;  // a web address never runs as another user
    }
    EXPECT_EQ(Enter("Editor").idListBytes, std::string("\x14\x00", 2));
    EXPECT_EQ(Enter("Printers").idListBytes, std::string("\x14\x00\x1F\x50", 4));
    EXPECT_EQ(editsEnded, 12);
    // A released window stays where it is; without the lock option the input stays free.
    released = true;
    lockUntilDone = false;
    EXPECT_EQ(Enter("Note").minimiseMode, MinimiseMode::Never);
    EXPECT_TRUE(Enter("Note").keepInputFree);
    // Entries never enter the histories.
    EXPECT_TRUE(store.CommandHistory().Lines().empty());
    EXPECT_TRUE(store.UrlHistory().Lines().empty());
    EXPECT_FALSE(fs.FileExists(kData + "OldURLs.txt"));

    AddEntry("Other|C:\\other.exe|||||0||{P}|{X}|||0");
    EXPECT_EQ(pipeline.ResolveEntryTarget(*store.FindEntry("Other")), "C:\\other.exe");
    installer.available = false;
    EXPECT_EQ(pipeline.ResolveEntryTarget(*store.FindEntry("Word")), "C:\\stale.exe");
}

TEST_F(LaunchPipelineTest, RunAsEntryNeverSendsTheStoredPasswordAndTheKeysTravelAlong) {
    AddEntry("Admin|C:\\a.exe|||||0||||B\xF6rje|stored|0");
    LaunchRequest r = Enter("Admin");
    EXPECT_EQ(r.runAsUser, L"B\u00F6rje");
    EXPECT_TRUE(r.password.empty());  // the launch threads ask at every launch
    EXPECT_FALSE(r.shiftHeld || r.altHeld);
    r = Enter("Admin", {.shift = true, .alt = true});
    EXPECT_TRUE(r.shiftHeld && r.altHeld);
    pipeline.LaunchText("calc", launch_kind::kCommand, false, MinimiseMode::Always, true);
    EXPECT_FALSE(launched.back().shiftHeld);  // launches without a key press of their own
}

// A folder-view item when the name is the wanted one; the request carries copies of its facts.
std::optional<ShellViewItem> ViewItem(const std::string& name, const std::string& wanted, bool isFolder = false) {
    if (name != wanted) return std::nullopt;
    return ShellViewItem{name, isFolder, isFolder ? "C:\\" + name : "", "id:" + name};
}
std::string Item(const LaunchRequest& r) {
    return r.shellItemIdList + "|" + r.shellItemPath + "|" + (r.shellItemIsFolder ? "folder" : "file");
}

TEST_F(LaunchPipelineTest, ShellPathOpensFolderViewItemWithoutRunAs) {
    std::vector<bool> enabled;
    std::string navigatedTo;
    LaunchHooks hooks = Recording();
    hooks.navigateFolderView = [&](const std::string& location) {
        navigatedTo = location;
        return true;
    };
    hooks.findFolderViewItem = [](const std::string& name) { return ViewItem(name, "Fonts", true); };
    hooks.setFormEnabled = [&](bool on) { enabled.push_back(on); };
    pipeline.SetHooks(hooks);
    AddEntry("Fonts|\\Control Panel\\Fonts\\|p||w||0||||bob||0");
    const LaunchRequest r = Enter("Fonts");
    EXPECT_EQ(navigatedTo, "Control Panel\\Fonts");
    EXPECT_EQ(enabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(Item(r), "id:Fonts|C:\\Fonts|folder");
    EXPECT_EQ(Req(r), "|||4");
    EXPECT_TRUE(r.runAsUser.empty());
}

TEST_F(LaunchPipelineTest, CommandRowsSplitAtFirstBlankAndEnterHistoryOnceOnTop) {
    mode = InputMode::Command;
    EXPECT_EQ(Req(Enter("exe: \"C:\\Program Files\\x.exe\" -a")), "\"C:\\Program|Files\\x.exe\" -a||2");
    EXPECT_EQ(fs.Get(kData + "OldOrders.txt"), "exe: \"C:\\Program Files\\x.exe\" -a\r\n");
    // The program is resolved, its arguments are not.
    EXPECT_EQ(Req(Enter("exe: .\\tool.exe %HOMEDRIVE%")), "C:\\Apps\\Quillox\\tool.exe|%HOMEDRIVE%||2");
    Enter("exe: calc");
    Enter("exe: CALC");
    EXPECT_EQ(store.CommandHistory().Lines(),
              (Lines{"exe: CALC", "exe: .\\tool.exe %HOMEDRIVE%", "exe: \"C:\\Program Files\\x.exe\" -a"}));
    // A bare marker launches nothing useful and stays out of the history.
    EXPECT_EQ(Req(Enter("exe: ")), "|||2");
    EXPECT_EQ(store.CommandHistory().Lines().size(), 3u);
    EXPECT_TRUE(store.UrlHistory().Lines().empty());
}

TEST_F(LaunchPipelineTest, UrlRowsEncodeBlanksAndCtrlSendsThemToTheDefaultBrowser) {
    mode = InputMode::Url;
    EXPECT_EQ(Req(Enter("url: www.x.de/a b")), "www.x.de/a%20b|||1");
    EXPECT_EQ(fs.Get(kData + "OldURLs.txt"), "url: www.x.de/a b\r\n");
    EXPECT_EQ(Req(Enter("url: https://x.de/a b", {.ctrl = true})), kBrowser + "|\"x.de/a%20b\"||9");
    EXPECT_EQ(store.UrlHistory().Lines(), (Lines{"url: https://x.de/a b", "url: www.x.de/a b"}));
}

TEST_F(LaunchPipelineTest, CtrlEnterOnEntries) {
    constexpr ModifierKeys kCtrl{.ctrl = true};
    AddEntry("url: Docs|http://docs.de");
    AddEntry("Editor|C:\\Tools\\edit.exe|-x||C:\\w||0||||bob|pw|0");
    EXPECT_EQ(Req(Enter("url: Docs", kCtrl)), kBrowser + "|\"docs.de\"||9");
    // A file entry opens its folder, still as its user.
    const LaunchRequest r = Enter("Editor", kCtrl);
    EXPECT_EQ(Req(r), "C:\\Tools\\||C:\\Tools\\|4");
    EXPECT_EQ(r.runAsUser, L"bob");
}

TEST_F(LaunchPipelineTest, TypedTextGetsItsMarkerInHistory) {
    pipeline.LaunchText("regedit /s", launch_kind::kCommand, true, MinimiseMode::Always, true);
    pipeline.LaunchText("a.de/x y", launch_kind::kWebAddress, true, MinimiseMode::Always, true);
    pipeline.OpenUrlFromDialog("http://s.de/?q=a b", true);
    ctrl = true;  // read at call time
    pipeline.OpenUrlFromDialog("http://s.de/?q=c", false);
    ASSERT_EQ(launched.size(), 4u);
    EXPECT_EQ(Req(launched[0]), "regedit|/s||2");
    EXPECT_EQ(Req(launched[1]), "a.de/x%20y|||1");
    EXPECT_EQ(launched[1].minimiseMode, MinimiseMode::Always);
    EXPECT_TRUE(launched[1].keepInputFree);
    EXPECT_EQ(Req(launched[2]), "http://s.de/?q=a%20b|||1");
    EXPECT_EQ(Req(launched[3]), kBrowser + "|\"s.de/?q=c\"||9");
    EXPECT_EQ(store.CommandHistory().Lines(), Lines{"exe: regedit /s"});
    EXPECT_EQ(store.UrlHistory().Lines(), (Lines{"url: http://s.de/?q=a b", "url: a.de/x y"}));
}

TEST_F(LaunchPipelineTest, FolderCommandNeverMinimisesSkipsCommandsAndSwallowsErrors) {
    AddEntry("exe: Calc|calc");
    AddEntry("Dir|C:\\Data\\");
    SelectRow("exe: Calc");
    pipeline.OpenContainingFolder(LaunchSender::FolderMenuItem);
    EXPECT_TRUE(launched.empty());
    SelectRow("Dir");
    pipeline.OpenContainingFolder(LaunchSender::FolderMenuItem);
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(Req(launched[0]), "C:\\||C:\\|4");
    EXPECT_EQ(launched[0].minimiseMode, MinimiseMode::Never);
    mode = InputMode::Command;
    pipeline.OpenContainingFolder(LaunchSender::FolderMenuItem);
    EXPECT_EQ(launched.size(), 1u);

    LaunchHooks hooks;
    hooks.startLaunch = [](const LaunchRequest&) { throw std::runtime_error("shell gone"); };
    pipeline.SetHooks(hooks);
    EXPECT_NO_THROW(pipeline.OpenContainingFolder(LaunchSender::FolderMenuItem));
}

TEST_F(LaunchPipelineTest, FolderBrowsingRows) {
    browsing = true;
    noAutoMin = true;
    LaunchRequest r = Enter("  a b.txt ");
    EXPECT_EQ(Req(r), "C:\\Data\\a b.txt||C:\\Data\\|4");
    EXPECT_EQ(r.minimiseMode, MinimiseMode::Never);
    noAutoMin = false;
    r = Enter("a.txt", {.ctrl = true});
    EXPECT_EQ(Req(r), "C:\\Data\\||C:\\Data\\|4");
    EXPECT_EQ(r.minimiseMode, MinimiseMode::UnlessAlt);
    // Alt shows the properties instead; a row launch by name does nothing while browsing.
    launched.clear();
    pipeline.ResultListDblClick(LaunchSender::MainWindow, {.alt = true});
    EXPECT_EQ(propertiesShown, 1);
    AddEntry("Editor|C:\\e.exe");
    pipeline.LaunchResultRow("Editor", MinimiseMode::UnlessAlt, false);
    EXPECT_TRUE(launched.empty());
}

TEST_F(LaunchPipelineTest, FolderBrowsingPathModeOpensViewItems) {
    LaunchHooks hooks = Recording();
    hooks.isFolderBrowsing = [] { return true; };
    hooks.isPathMode = [] { return true; };
    hooks.findFolderViewItem = [](const std::string& n) { return ViewItem(n, "a.txt"); };
    hooks.currentFolderViewItem = [] { return ViewItem("Data", "Data", true); };
    pipeline.SetHooks(hooks);
    EXPECT_EQ(Item(Enter("a.txt")), "id:a.txt||file");
    pipeline.OpenContainingFolder(LaunchSender::ResultList);
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(Item(launched[1]), "id:Data|C:\\Data|folder");
    EXPECT_EQ(launched[1].kind, launch_kind::kFile);
    // A row the view no longer shows names nothing: the launch reports it as not found.
    const LaunchRequest gone = Enter("gone.txt");
    EXPECT_EQ(Item(gone) + "|" + Req(gone), "||file||||4");
}

TEST_F(LaunchPipelineTest, DoubleClickLaunchesOnlyFromRowsAndOnlyKnownNames) {
    AddEntry("Editor|C:\\e.exe");
    pipeline.ResultListDblClick(LaunchSender::MainWindow);  // nothing selected
    SelectRow("Editor");
    list.MouseDown(MouseButton::Left, 195, 5, {});  // scroll bar
    list.SetSelected(0);
    pipeline.ResultListDblClick(LaunchSender::ResultList);
    EXPECT_TRUE(launched.empty());
    list.MouseDown(MouseButton::Left, 20, 5, {});  // the row
    pipeline.ResultListDblClick(LaunchSender::ResultList);
    EXPECT_EQ(launched.size(), 1u);
    list.MouseDown(MouseButton::Left, 195, 5, {});
    pipeline.ResultListDblClick(LaunchSender::MainWindow);  // Enter always launches
    EXPECT_EQ(launched.size(), 2u);
    SelectRow("Gone");
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    EXPECT_EQ(launched.size(), 2u);
}

}  // namespace
}  // namespace qx
