#include "exec/LaunchPipeline.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "controls/OvraLB.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyboardState.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeSystemInfo.h"
#include "store/EntryStore.h"

namespace qx {
namespace {

using Lines = std::vector<std::string>;
const std::string kData = "C:\\Apps\\Quillox\\Quillox-Data\\";
const std::string kBrowser = "C:\\Program Files\\Mozilla\\FireFox.EXE";

class FakeInstaller : public IInstallerLookup {
public:
    bool Available() const override { return available; }
    std::optional<std::string> LocalComponentPath(const std::string& product,
                                                  const std::string& component) const override {
        if (product == "{P}" && component == "{C}") return path;
        return std::nullopt;
    }
    std::optional<AdvertisedShortcut> ShortcutTarget(const std::string&) const override { return std::nullopt; }

    bool available = true;
    std::optional<std::string> path;
};

class LaunchPipelineTest : public ::testing::Test {
protected:
    LaunchPipelineTest()
        : store(StoreContext{fs, system, boxes, ComputeFolderSet("C:\\Apps\\Quillox\\Quillox.exe", "C:\\Users\\ann"),
                             ShellRootNames{"Recycle Bin\\", "My Computer\\", "Control Panel\\", "Network\\"}}),
          list(clock),
          pipeline(LaunchContext{store, list, fs, keyboard, &installer}, {}) {
        fs.Put(kData + "OldOrders.txt", "");
        store.LoadEntries(LoadOptions{1, false});
        LaunchHooks hooks;
        hooks.startLaunch = [this](const LaunchRequest& r) { launched.push_back(r); };
        hooks.inputMode = [this] { return mode; };
        hooks.ctrlHeld = [this] { return ctrl; };
        hooks.isReleased = [this] { return released; };
        hooks.lockUntilExecDone = [this] { return lockUntilDone; };
        hooks.noAutoMinimiseInFolderBrowser = [this] { return noAutoMin; };
        hooks.defaultBrowser = [] { return kBrowser; };
        hooks.endInPlaceEdit = [this] { ++editsEnded; };
        hooks.askPassword = [this](const std::wstring& user) {
            asked.push_back(user);
            return answer;
        };
        hooks.isFolderBrowsing = [this] { return browsing; };
        hooks.isPathMode = [this] { return pathMode; };
        hooks.browsedFolder = [] { return std::string("C:\\Data"); };
        hooks.showSelectionProperties = [this] { ++propertiesShown; };
        pipeline.SetHooks(hooks);
        list.SetSize(200, 100);
        list.SetSchieberImage({12, 20});
    }

    void AddEntry(const std::string& line) {
        std::string name;
        ASSERT_TRUE(store.AddEntryFromLine(line, false, name, false, false, true)) << line;
    }
    void SelectRow(const std::string& text) {
        list.Items().Add(text);
        list.SetSelected(list.Count() - 1);
    }
    // Enter on the selected row.
    const LaunchRequest& Enter(const std::string& row) {
        SelectRow(row);
        pipeline.ResultListDblClick(LaunchSender::MainWindow);
        EXPECT_EQ(launched.size(), 1u);
        static const LaunchRequest none;
        return launched.empty() ? none : launched.back();
    }
    void ExpectRequest(const LaunchRequest& r, const std::string& fileName, const std::string& parameters,
                       const std::string& workingFolder, std::uint8_t kind) {
        EXPECT_EQ(r.fileName, fileName);
        EXPECT_EQ(r.parameters, parameters);
        EXPECT_EQ(r.workingFolder, workingFolder);
        EXPECT_EQ(r.kind, kind);
    }

    test::FakeFileSystem fs;
    test::FakeSystemInfo system;
    test::FakeMessageBoxes boxes;
    test::FakeClock clock;
    test::FakeKeyboardState keyboard;
    FakeInstaller installer;
    EntryStore store;
    TovraLB list;
    LaunchPipeline pipeline;

    std::vector<LaunchRequest> launched;
    InputMode mode = InputMode::EntrySearch;
    bool ctrl = false, released = false, lockUntilDone = true, noAutoMin = false, browsing = false, pathMode = false;
    int editsEnded = 0, propertiesShown = 0;
    std::vector<std::wstring> asked;
    std::optional<std::wstring> answer = L"secret";
};

TEST_F(LaunchPipelineTest, FileEntryResolvesValueParametersAndFolder) {
    AddEntry("Editor|C:\\Tools\\edit.exe|-n %HOMEDRIVE%\\x.txt||||0|14 00|||||0");
    const LaunchRequest& r = Enter("Editor");
    ExpectRequest(r, "C:\\Tools\\edit.exe", "-n C:\\x.txt", "C:\\Tools\\", launch_kind::kFile);
    EXPECT_EQ(r.idListBytes, std::string("\x14\x00", 2));
    EXPECT_EQ(r.minimiseMode, MinimiseMode::UnlessAlt);
    EXPECT_FALSE(r.keepInputFree);
    EXPECT_EQ(r.shellItem, nullptr);
    EXPECT_EQ(editsEnded, 1);
    EXPECT_TRUE(store.CommandHistory().Lines().empty());
    EXPECT_TRUE(store.UrlHistory().Lines().empty());
    EXPECT_FALSE(fs.FileExists(kData + "OldURLs.txt"));
}

TEST_F(LaunchPipelineTest, RelativeFolderExistingFolderAndPlainValue) {
    fs.Put("C:\\Data\\a.txt", "x");
    AddEntry("Tool|..\\Tools\\t.exe|||.\\work||0||||||0");
    AddEntry("Data|C:\\Data");
    AddEntry("Note|hello world");
    pipeline.LaunchEntry(*store.FindEntry("tool"), MinimiseMode::UnlessAlt, false);
    pipeline.LaunchEntry(*store.FindEntry("Data"), MinimiseMode::UnlessAlt, false);
    pipeline.LaunchEntry(*store.FindEntry("Note"), MinimiseMode::UnlessAlt, false);
    ASSERT_EQ(launched.size(), 3u);
    ExpectRequest(launched[0], "C:\\Apps\\Tools\\t.exe", "", "C:\\Apps\\Quillox\\work", launch_kind::kFile);
    // The working folder is taken before the folder gets its backslash.
    ExpectRequest(launched[1], "C:\\Data\\", "", "C:\\", launch_kind::kFile);
    ExpectRequest(launched[2], "hello world", "", "", launch_kind::kFile);
}

TEST_F(LaunchPipelineTest, IdListEntryWithoutValueHandsOnTheBytes) {
    AddEntry("Printers|||||||14 00 1F 50|||||0");
    const LaunchRequest& r = Enter("Printers");
    ExpectRequest(r, "", "", "", launch_kind::kFile);
    EXPECT_EQ(r.idListBytes, std::string("\x14\x00\x1F\x50", 4));
}

TEST_F(LaunchPipelineTest, CommandEntrySplitsValueOnlyWithoutParameters) {
    AddEntry("exe: Open|notepad C:\\a b.txt| ");
    AddEntry("exe: Keep|notepad C:\\a b.txt|-x");
    ExpectRequest(Enter("exe: Open"), "notepad", "C:\\a b.txt", "", launch_kind::kFile);
    launched.clear();
    // The whole Value is one file name; its "folder part" ends at the colon's backslash.
    ExpectRequest(Enter("exe: Keep"), "notepad C:\\a b.txt", "-x", "notepad C:\\", launch_kind::kFile);
}

TEST_F(LaunchPipelineTest, UrlEntryEncodesBlanksAndStaysOutOfHistory) {
    AddEntry("url: Site|http://ex.com/a b|ignored||C:\\x||0||||bob||0");
    const LaunchRequest& r = Enter("url: Site");
    ExpectRequest(r, "http://ex.com/a%20b", "", "", launch_kind::kWebAddress);
    EXPECT_TRUE(r.runAsUser.empty());
    EXPECT_TRUE(store.UrlHistory().Lines().empty());
    EXPECT_TRUE(asked.empty());
}

TEST_F(LaunchPipelineTest, RunAsEntryAlwaysAsksAndNeverUsesStoredPassword) {
    AddEntry("Admin|C:\\a.exe|||||0||||B\xF6rje|stored|0");
    const LaunchRequest& r = Enter("Admin");
    EXPECT_EQ(r.runAsUser, L"B\u00F6rje");
    EXPECT_EQ(r.password, L"secret");
    EXPECT_EQ(asked, std::vector<std::wstring>{L"B\u00F6rje"});

    launched.clear();
    answer.reset();  // cancelled: launches with no password at all
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0].password, L"");

    launched.clear();
    asked.clear();
    keyboard.Press({vk::kShift});  // only copies the file name: no prompt
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(launched[0].password, L"");
}

TEST_F(LaunchPipelineTest, WithoutPromptRunAsGoesOutWithoutStoredPassword) {
    LaunchHooks hooks;
    hooks.startLaunch = [this](const LaunchRequest& r) { launched.push_back(r); };
    pipeline.SetHooks(hooks);  // the launch threads prompt themselves
    AddEntry("Admin|C:\\a.exe|||||0||||bob|stored|0");
    const LaunchRequest& r = Enter("Admin");
    EXPECT_EQ(r.runAsUser, L"bob");
    EXPECT_EQ(r.password, L"");
}

TEST_F(LaunchPipelineTest, ShellPathOpensFolderViewItemWithoutRunAs) {
    int token = 0;
    std::vector<bool> enabled;
    std::string navigatedTo;
    LaunchHooks hooks;
    hooks.startLaunch = [this](const LaunchRequest& r) { launched.push_back(r); };
    hooks.navigateFolderView = [&](const std::string& location) {
        navigatedTo = location;
        return true;
    };
    hooks.findFolderViewItem = [&](const std::string& name) -> const void* { return name == "Fonts" ? &token : nullptr; };
    hooks.setFormEnabled = [&](bool on) { enabled.push_back(on); };
    pipeline.SetHooks(hooks);
    AddEntry("Fonts|\\Control Panel\\Fonts\\|p||w||0||||bob||0");
    const LaunchRequest& r = Enter("Fonts");
    EXPECT_EQ(navigatedTo, "Control Panel\\Fonts");
    EXPECT_EQ(enabled, (std::vector<bool>{false, true}));
    EXPECT_EQ(r.shellItem, &token);
    ExpectRequest(r, "", "", "", launch_kind::kFile);
    EXPECT_TRUE(r.runAsUser.empty());
}

TEST_F(LaunchPipelineTest, ShellPathWithoutFolderViewFallsBackToFile) {
    AddEntry("Fonts|\\Control Panel\\Fonts");
    const LaunchRequest& r = Enter("Fonts");
    ExpectRequest(r, "\\Control Panel\\Fonts", "", "\\Control Panel\\", launch_kind::kFile);
    EXPECT_EQ(r.shellItem, nullptr);
}

TEST_F(LaunchPipelineTest, InstalledComponentReplacesValue) {
    installer.path = "D:\\Office\\word.exe";
    AddEntry("Word|C:\\stale.exe|||||0||{P}|{C}|||0");
    AddEntry("Other|C:\\other.exe|||||0||{P}|{X}|||0");
    ExpectRequest(Enter("Word"), "D:\\Office\\word.exe", "", "D:\\Office\\", launch_kind::kFile);
    const TEntryData* other = store.FindEntry("Other");
    EXPECT_EQ(pipeline.ResolveEntryTarget(*other), "C:\\other.exe");
    installer.available = false;
    EXPECT_EQ(pipeline.ResolveEntryTarget(*store.FindEntry("Word")), "C:\\stale.exe");
}

TEST_F(LaunchPipelineTest, CommandRowSplitsAtFirstBlankAndEntersHistory) {
    mode = InputMode::Command;
    const LaunchRequest& r = Enter("exe: \"C:\\Program Files\\x.exe\" -a");
    ExpectRequest(r, "\"C:\\Program", "Files\\x.exe\" -a", "", launch_kind::kCommand);
    EXPECT_EQ(store.CommandHistory().Lines(), Lines{"exe: \"C:\\Program Files\\x.exe\" -a"});
    EXPECT_EQ(fs.Get(kData + "OldOrders.txt"), "exe: \"C:\\Program Files\\x.exe\" -a\r\n");
    EXPECT_TRUE(store.UrlHistory().Lines().empty());
}

TEST_F(LaunchPipelineTest, CommandProgramIsResolvedButArgumentsAreNot) {
    mode = InputMode::Command;
    ExpectRequest(Enter("exe: .\\tool.exe %HOMEDRIVE%"), "C:\\Apps\\Quillox\\tool.exe", "%HOMEDRIVE%", "",
                  launch_kind::kCommand);
}

TEST_F(LaunchPipelineTest, SameCommandTwiceStaysOnceOnTop) {
    mode = InputMode::Command;
    for (const char* row : {"exe: calc", "exe: notepad", "exe: CALC"}) {
        SelectRow(row);
        pipeline.ResultListDblClick(LaunchSender::MainWindow);
    }
    EXPECT_EQ(launched.size(), 3u);
    EXPECT_EQ(store.CommandHistory().Lines(), (Lines{"exe: CALC", "exe: notepad"}));
}

TEST_F(LaunchPipelineTest, BareCommandMarkerLaunchesEmptyAndLeavesHistory) {
    mode = InputMode::Command;
    ExpectRequest(Enter("exe: "), "", "", "", launch_kind::kCommand);
    EXPECT_TRUE(store.CommandHistory().Lines().empty());
    EXPECT_FALSE(fs.Get(kData + "OldOrders.txt").size());
}

TEST_F(LaunchPipelineTest, UnmarkedTextGetsItsMarkerInHistory) {
    pipeline.LaunchText("regedit /s", launch_kind::kCommand, true, MinimiseMode::Always, true);
    pipeline.LaunchText("a.de/x y", launch_kind::kWebAddress, true, MinimiseMode::Always, true);
    ASSERT_EQ(launched.size(), 2u);
    ExpectRequest(launched[0], "regedit", "/s", "", launch_kind::kCommand);
    ExpectRequest(launched[1], "a.de/x%20y", "", "", launch_kind::kWebAddress);
    EXPECT_EQ(launched[1].minimiseMode, MinimiseMode::Always);
    EXPECT_TRUE(launched[1].keepInputFree);
    EXPECT_EQ(store.CommandHistory().Lines(), Lines{"exe: regedit /s"});
    EXPECT_EQ(store.UrlHistory().Lines(), Lines{"url: a.de/x y"});
}

TEST_F(LaunchPipelineTest, UrlRowKeepsWholeAddressAndEntersUrlHistory) {
    mode = InputMode::Url;
    ExpectRequest(Enter("url: www.x.de/a b"), "www.x.de/a%20b", "", "", launch_kind::kWebAddress);
    EXPECT_EQ(store.UrlHistory().Lines(), Lines{"url: www.x.de/a b"});
    EXPECT_EQ(fs.Get(kData + "OldURLs.txt"), "url: www.x.de/a b\r\n");
}

TEST_F(LaunchPipelineTest, CtrlEnterInUrlModeSendsToDefaultBrowser) {
    mode = InputMode::Url;
    ctrl = true;
    ExpectRequest(Enter("url: https://x.de/a b"), kBrowser, "\"x.de/a%20b\"", "",
                  launch_kind::kWebAddress | launch_kind::kDefaultBrowser);
    EXPECT_EQ(store.UrlHistory().Lines(), Lines{"url: https://x.de/a b"});
}

TEST_F(LaunchPipelineTest, CtrlEnterOnUrlEntrySendsValueToBrowserWithoutHistory) {
    ctrl = true;
    AddEntry("url: Docs|http://docs.de");
    ExpectRequest(Enter("url: Docs"), kBrowser, "\"docs.de\"", "", launch_kind::kWebAddress | launch_kind::kDefaultBrowser);
    EXPECT_TRUE(store.UrlHistory().Lines().empty());
}

TEST_F(LaunchPipelineTest, CtrlEnterOnFileEntryOpensItsFolder) {
    ctrl = true;
    AddEntry("Editor|C:\\Tools\\edit.exe|-x||C:\\w||0||||bob|pw|0");
    const LaunchRequest& r = Enter("Editor");
    ExpectRequest(r, "C:\\Tools\\", "", "C:\\Tools\\", launch_kind::kFile);
    EXPECT_EQ(r.runAsUser, L"bob");
    EXPECT_EQ(r.password, L"secret");
}

TEST_F(LaunchPipelineTest, FolderCommandFromMenuNeverMinimisesAndSkipsCommands) {
    AddEntry("exe: Calc|calc");
    AddEntry("Dir|C:\\Data\\");
    SelectRow("exe: Calc");
    pipeline.InDenOrdnerWechseln1Click(LaunchSender::FolderMenuItem);
    EXPECT_TRUE(launched.empty());
    SelectRow("Dir");
    pipeline.InDenOrdnerWechseln1Click(LaunchSender::FolderMenuItem);
    ASSERT_EQ(launched.size(), 1u);
    ExpectRequest(launched[0], "C:\\", "", "C:\\", launch_kind::kFile);
    EXPECT_EQ(launched[0].minimiseMode, MinimiseMode::Never);
    mode = InputMode::Command;
    pipeline.InDenOrdnerWechseln1Click(LaunchSender::FolderMenuItem);
    EXPECT_EQ(launched.size(), 1u);
}

TEST_F(LaunchPipelineTest, FolderCommandSwallowsErrors) {
    LaunchHooks hooks;
    hooks.startLaunch = [](const LaunchRequest&) { throw std::runtime_error("shell gone"); };
    pipeline.SetHooks(hooks);
    AddEntry("Editor|C:\\Tools\\edit.exe");
    SelectRow("Editor");
    EXPECT_NO_THROW(pipeline.InDenOrdnerWechseln1Click(LaunchSender::FolderMenuItem));
}

TEST_F(LaunchPipelineTest, FolderBrowsingLaunchesRowInBrowsedFolder) {
    browsing = true;
    noAutoMin = true;
    const LaunchRequest& r = Enter("  a b.txt ");
    ExpectRequest(r, "C:\\Data\\a b.txt", "", "C:\\Data\\", launch_kind::kFile);
    EXPECT_EQ(r.minimiseMode, MinimiseMode::Never);
}

TEST_F(LaunchPipelineTest, FolderBrowsingAltShowsPropertiesAndCtrlOpensFolder) {
    browsing = true;
    keyboard.Press({vk::kAlt});
    SelectRow("a.txt");
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    EXPECT_EQ(propertiesShown, 1);
    EXPECT_TRUE(launched.empty());

    keyboard.ReleaseAll();
    ctrl = true;
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    ASSERT_EQ(launched.size(), 1u);
    ExpectRequest(launched[0], "C:\\Data\\", "", "C:\\Data\\", launch_kind::kFile);
    EXPECT_EQ(launched[0].minimiseMode, MinimiseMode::UnlessAlt);
}

TEST_F(LaunchPipelineTest, FolderBrowsingPathModeOpensViewItems) {
    int item = 0, root = 0;
    LaunchHooks hooks;
    hooks.startLaunch = [this](const LaunchRequest& r) { launched.push_back(r); };
    hooks.isFolderBrowsing = [] { return true; };
    hooks.isPathMode = [] { return true; };
    hooks.findFolderViewItem = [&](const std::string& name) -> const void* { return name == "Fonts" ? &item : nullptr; };
    hooks.folderViewRootItem = [&]() -> const void* { return &root; };
    pipeline.SetHooks(hooks);
    EXPECT_EQ(Enter("Fonts").shellItem, &item);
    pipeline.InDenOrdnerWechseln1Click(LaunchSender::ResultList);
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[1].shellItem, &root);
    EXPECT_EQ(launched[1].kind, launch_kind::kFile);
}

TEST_F(LaunchPipelineTest, RowLaunchDoesNothingWhileBrowsing) {
    browsing = true;
    AddEntry("Editor|C:\\e.exe");
    pipeline.LaunchResultRow("Editor", MinimiseMode::UnlessAlt, false);
    EXPECT_TRUE(launched.empty());
}

TEST_F(LaunchPipelineTest, DoubleClickLaunchesOnlyFromRows) {
    AddEntry("Editor|C:\\e.exe");
    list.Items().Add("Editor");
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
}

TEST_F(LaunchPipelineTest, NothingSelectedOrUnknownNameLaunchesNothing) {
    AddEntry("Editor|C:\\e.exe");
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    SelectRow("Gone");
    pipeline.ResultListDblClick(LaunchSender::MainWindow);
    EXPECT_TRUE(launched.empty());
}

TEST_F(LaunchPipelineTest, MinimiseModeAndInputFreedomFollowOptions) {
    EXPECT_EQ(pipeline.CurrentMinimiseMode(), MinimiseMode::UnlessAlt);
    noAutoMin = true;
    EXPECT_EQ(pipeline.CurrentMinimiseMode(), MinimiseMode::UnlessAlt);  // not browsing
    browsing = true;
    EXPECT_EQ(pipeline.CurrentMinimiseMode(), MinimiseMode::Never);
    noAutoMin = false;
    browsing = false;
    released = true;
    EXPECT_EQ(pipeline.CurrentMinimiseMode(), MinimiseMode::Never);
    EXPECT_FALSE(pipeline.InputStaysFree());
    lockUntilDone = false;
    EXPECT_TRUE(pipeline.InputStaysFree());
}

TEST_F(LaunchPipelineTest, DialogUrlFollowsCtrlAtCallTime) {
    pipeline.OpenUrlFromDialog("http://s.de/?q=a b", true);
    ctrl = true;
    pipeline.OpenUrlFromDialog("http://s.de/?q=c", false);
    ASSERT_EQ(launched.size(), 2u);
    ExpectRequest(launched[0], "http://s.de/?q=a%20b", "", "", launch_kind::kWebAddress);
    ExpectRequest(launched[1], kBrowser, "\"s.de/?q=c\"", "", launch_kind::kWebAddress | launch_kind::kDefaultBrowser);
    EXPECT_EQ(store.UrlHistory().Lines(), Lines{"url: http://s.de/?q=a b"});
}

}  // namespace
}  // namespace qx
