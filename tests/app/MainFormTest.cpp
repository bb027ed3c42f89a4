#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "app/FakeMainWindowView.h"
#include "app/MainForm.h"
#include "app/RowContextMenu.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyboardState.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeSystemInfo.h"
#include "store/EntryStore.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
const std::string kExe = "C:\\Apps\\Quillox\\Quillox.exe";
const std::string kData = "C:\\Apps\\Quillox\\Quillox-Data\\";

class FormTest : public ::testing::Test {
protected:
    void Create(std::vector<std::string> arguments = {}) { form.FormCreate(kExe, arguments); }
    void Start(std::vector<std::string> arguments = {}) {
        Create(std::move(arguments));
        form.OnStartupTick();
    }
    // A later start of the program on the same machine.
    std::unique_ptr<MainForm> AnotherForm(test::FakeMainWindowView& otherView) {
        return std::make_unique<MainForm>(otherView, Services());
    }
    PlatformServices Services() {
        return PlatformServices{files, system, boxes, clock, keyboard, clipboard, launcher, registry};
    }
    // Not a first launch, with these entries, shown.
    void StartShown(const std::string& entries) {
        files.Put(kData + "OldOrders.txt", "");
        files.Put(kData + "Files.txt", entries);
        Start();
        form.RestoreTransition();
    }
    void Type(const std::string& text, int ticks = 2) {
        form.FormEditChange(text);
        for (int tick = 0; tick < ticks; ++tick) form.OnResultsTick();
    }
    long Count(const std::string& event) const { return std::count(view.events.begin(), view.events.end(), event); }
    std::string Config() const { return files.Get(kData + "config.cfg"); }

    test::FakeFileSystem files;
    test::FakeSystemInfo system;
    test::FakeMessageBoxes boxes;
    test::FakeClock clock;
    test::FakeKeyboardState keyboard;
    std::shared_ptr<test::FakeClipboard> clipboard = std::make_shared<test::FakeClipboard>();
    std::shared_ptr<test::FakeShellLauncher> launcher = std::make_shared<test::FakeShellLauncher>();
    test::FakeRegistry registry;
    test::FakeMainWindowView view{clock};
    MainForm form{view, Services()};
};

TEST_F(FormTest, StartCreatesTheDataFolderAndAFreshLogAndLoadsTheEntriesSorted) {
    files.Put(kData + "log.txt", "old run\r\n");
    files.Put(kData + "OldOrders.txt", "");
    files.Put(kData + "Files.txt", "b|x\r\nA|y\r\n");
    Create();
    EXPECT_FALSE(view.onScreen);
    EXPECT_EQ(form.folders().tempLinksFolder, "C:\\Users\\tester\\QuilloxTmpLinks\\");
    EXPECT_EQ(form.shellRoots().controlPanel, "Control Panel\\");
    EXPECT_FALSE(files.FileExists(kData + "log.txt"));  // each run starts a new log
    EXPECT_FALSE(form.started());
    form.OnStartupTick();
    EXPECT_TRUE(form.started());
    EXPECT_EQ(form.store().EntryList().Strings(0), "A");
    EXPECT_EQ(Count("minimise request"), 1);
    EXPECT_EQ(view.caption, kCaptionRunning);
}

TEST_F(FormTest, FirstLaunchCreatesOldOrdersShowsTheWindowAndAsksOnceAfterStart) {
    Create();
    EXPECT_TRUE(files.FolderExists(kData));
    EXPECT_TRUE(form.firstLaunch());
    form.OnHousekeepingTick();  // not yet started
    EXPECT_TRUE(boxes.questions.empty());
    form.OnStartupTick();
    EXPECT_EQ(files.Get(kData + "OldOrders.txt"), "");
    form.OnHousekeepingTick();
    form.OnHousekeepingTick();
    EXPECT_EQ(boxes.questions, Rows{LangText(texts::FirstLaunchQuestion, 0)});
    EXPECT_EQ(Count("restore request"), 1);
    EXPECT_TRUE(form.inputLock().IsFree());
    EXPECT_TRUE(boxes.errors.empty());
    test::FakeMainWindowView secondView{clock};
    auto second = AnotherForm(secondView);
    second->FormCreate(kExe, {"-ShowOnStartup"});
    EXPECT_FALSE(second->firstLaunch());
    EXPECT_FALSE(second->showOnStartup());  // the argument is the exact lower-case word
}

TEST_F(FormTest, DataFolderThatCannotBeCreatedIsReported) {
    files.FailWrites(kData, "Access is denied.");
    Create();
    EXPECT_EQ(boxes.errors, Rows{"Access is denied."});
}

TEST_F(FormTest, ShowOnStartupActsOnceAfterStart) {
    files.Put(kData + "OldOrders.txt", "");
    Create({"-showonstartup"});
    form.OnHousekeepingTick();  // not yet started: nothing
    EXPECT_EQ(Count("restore request"), 0);
    form.OnStartupTick();
    form.OnHousekeepingTick();
    form.OnHousekeepingTick();
    EXPECT_EQ(Count("restore request"), 1);
}

TEST_F(FormTest, RestoreAndMinimiseTransitions) {
    Create();
    form.RestoreTransition();  // ignored before start-up has finished
    EXPECT_FALSE(view.formVisible);
    form.OnStartupTick();
    form.RestoreTransition();
    EXPECT_TRUE(view.formVisible && view.onScreen);
    EXPECT_TRUE(view.timers.count(WindowTimer::Results));
    form.inputLock().Register(20);
    form.MinimiseTransition();  // a message box is up: stays
    EXPECT_TRUE(view.formVisible);
    form.inputLock().Unregister(20);
    form.MinimiseTransition();
    EXPECT_FALSE(view.formVisible || view.onScreen);
    EXPECT_FALSE(view.timers.count(WindowTimer::Results));
    EXPECT_EQ(Count("tray on"), 1);
}

TEST_F(FormTest, CloseAsksAndFollowsTheAnswerButAnEndingSessionDoesNotAsk) {
    Start();
    boxes.answers = {false, true};
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(boxes.questions, Rows(2, LangText(texts::ReallyQuit, 0)));
    EXPECT_TRUE(form.inputLock().IsFree());
    form.QueryEndSession();
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(boxes.questions.size(), 2u);
}

TEST_F(FormTest, MessagesHoldTheInputLockAndLogIt) {
    Start();
    form.ShowInfo("one");
    EXPECT_FALSE(form.AskYesNo("two"));
    EXPECT_EQ(files.Get(kData + "log.txt"),
              "lock registering 20 1\r\nlock unregistering 20 0\r\n"
              "lock registering 30 1\r\nlock unregistering 30 0\r\n");
}

TEST_F(FormTest, SetUserInputDisablesInputWhileAnyHolderRemains) {
    Start();
    form.SetUserInput(false, 80);
    form.SetUserInput(false, 60);
    form.SetUserInput(true, 80);
    EXPECT_EQ(view.events.back(), "input off");
    form.SetUserInput(true, 60);
    EXPECT_EQ(view.events.back(), "input on");
}

TEST_F(FormTest, Release_FreesTheWindowStartsANewInstanceAndWaitsForIt) {
    Start();
    view.instanceAppearsAt = clock.now + 500;
    form.ReleaseWindow();
    EXPECT_TRUE(form.released());
    EXPECT_EQ(view.caption, kCaptionReleased);
    EXPECT_EQ(Count("start C:\\Apps\\Quillox\\Quillox.exe in C:\\Apps\\Quillox\\"), 1);
    EXPECT_GE(view.pumps, 50);  // messages keep running while it waits
    EXPECT_LT(clock.now, view.instanceAppearsAt + 100);

    // A released window ignores the chord duties and keeps its state when hidden.
    form.RestoreTransition();
    form.MinimiseTransition();
    EXPECT_TRUE(view.formVisible);
    const auto eventsBefore = view.events.size();
    form.ReleaseWindow();
    EXPECT_EQ(view.events.size(), eventsBefore);
}

TEST_F(FormTest, Release_GivesUpWaitingAfterTenSecondsAndLogsIt) {
    Start();
    const auto start = clock.now;
    form.ReleaseWindow();
    EXPECT_GE(clock.now - start, 10000u);
    EXPECT_LT(clock.now - start, 10100u);
    EXPECT_NE(files.Get(kData + "log.txt").find("release: no new instance after 10 s"), std::string::npos);
    EXPECT_EQ(view.events.back(), "foreground");
}

TEST_F(FormTest, SettingsAreAppliedAndOnlyAMissingFileIsWritten) {
    Start();
    EXPECT_EQ(Count("opacity 230"), 1);
    EXPECT_EQ(Config().substr(0, 24), "Version=13\r\nLanguage=0\r\n");

    const std::string config =
        "Version=13\r\nLanguage=1\r\nOpacity=100\r\nlbWidth=500\r\nlbHeight=300\r\nStayOnTop=0\r\nExecWinChar=!\r\n";
    files.Put(kData + "config.cfg", config);
    files.Put(kData + "OldOrders.txt", "exe: calc\r\n");
    test::FakeMainWindowView secondView{clock};
    auto second = AnotherForm(secondView);
    second->FormCreate(kExe, {});
    second->OnStartupTick();
    EXPECT_EQ(second->languageIndex(), 1);
    for (const char* event : {"opacity 255", "not on top", "list size 500x300"})
        EXPECT_EQ(std::count(secondView.events.begin(), secondView.events.end(), event), 1) << event;
    EXPECT_EQ(Config(), config);  // a current file is left as it is
    second->FormEditChange("!");  // the configured command character
    second->OnResultsTick();
    second->OnResultsTick();
    EXPECT_EQ(secondView.Rows(), (Rows{"exe: ", "exe: calc"}));
}

TEST_F(FormTest, UnreadableSettingsKeepDefaultsAndAreNotOverwrittenAtStart) {
    files.Put(kData + "config.cfg", "Version=13\r\nLanguage=1\r\n");
    files.FailReads(kData + "config.cfg");
    Start();
    EXPECT_EQ(form.languageIndex(), 0);
    EXPECT_EQ(boxes.errors, Rows{"Access is denied."});
    EXPECT_EQ(Config(), "Version=13\r\nLanguage=1\r\n");

    form.ChooseLanguage(1);  // a change the user made is written
    EXPECT_NE(Config().find("Language=1\r\n"), std::string::npos);
}

TEST_F(FormTest, TypingSearchesOnTheSecondResultTickOnly) {
    StartShown("Keynote|k\r\nNotepad|n\r\nPaint|p\r\n");
    Type("no", 1);
    Type("note", 1);  // typing on restarts the settle time
    EXPECT_TRUE(view.Rows().empty());
    form.OnResultsTick();
    EXPECT_EQ(view.Rows(), (Rows{"Notepad", "Keynote"}));
    EXPECT_EQ(view.list.SelectedIndex(), 0);

    form.inputLock().Register(20);  // nothing is rebuilt while a message box is up
    Type("pai");
    EXPECT_EQ(view.Rows(), (Rows{"Notepad", "Keynote"}));
    form.inputLock().Unregister(20);
    Type("pai");
    EXPECT_EQ(view.Rows(), Rows{"Paint"});

    form.MinimiseTransition();  // hiding empties the input and the list at once
    EXPECT_TRUE(view.Rows().empty());
    EXPECT_EQ(form.query().currentText(), "");
}

TEST_F(FormTest, LanguageAndOptionsMenuChangesAreAppliedAndSavedAtOnce) {
    files.Put(kData + "OldOrders.txt", "");
    Start();
    files.Put(kData + "config.cfg", "");
    form.ChooseLanguage(0);  // saved even when unchanged
    EXPECT_NE(Config().find("Language=0\r\n"), std::string::npos);
    form.ChooseLanguage(1);
    EXPECT_EQ(form.languageIndex(), 1);
    boxes.answers = {false};
    form.FormCloseQuery();
    EXPECT_EQ(boxes.questions.back(), LangText(texts::ReallyQuit, 1));

    form.ToggleOption(OptionFlag::StayOnTop);
    EXPECT_EQ(view.events.back(), "not on top");
    form.ToggleOption(OptionFlag::LockUntilLaunched);
    form.SetOpacityPercent(75);
    EXPECT_EQ(view.events.back(), "opacity 191");
    for (const char* line : {"Language=1\r\n", "Opacity=75\r\n", "StayOnTop=0\r\n", "LockQuilloxUntilExecDone=0\r\n"})
        EXPECT_NE(Config().find(line), std::string::npos) << line;
    form.SetOpacityPercent(kNotLayered);
    EXPECT_NE(Config().find("Opacity=-1\r\n"), std::string::npos);
    EXPECT_EQ(OpacityMenuTick(form.settings().alpha), kNotLayered);
    EXPECT_EQ(OpacityMenuTick(200), 90);  // 78 % is not on the menu
    EXPECT_EQ(OpacityMenuTick(242), 95);
}

TEST_F(FormTest, RowMenuOffersWhatTheModeAllowsAndRemoveAsksFirst) {
    files.Put(kData + "OldOrders.txt", "exe: calc\r\n");
    files.Put(kData + "Files.txt", "Notepad|n\r\n");
    Start();
    Type("note");
    view.list.OnContextMenu(5, 5);
    EXPECT_EQ(view.events.back(), "row menu 1 1 1 1 1 1 1 1 1");
    boxes.answers = {true};
    form.RunRowMenuItem(RowMenuItem::Remove);
    EXPECT_EQ(boxes.questions, Rows{"Eintrag \"Notepad\" wirklich l\xF6schen?"});
    EXPECT_EQ(files.Get(kData + "Files.txt"), "");
    Type(",");
    view.list.OnContextMenu(5, 5);
    EXPECT_EQ(view.events.back(), "row menu 0 1 0 0 1 0 0 0 0");
}

TEST_F(FormTest, TypingThenDownDownEnterLaunchesTheThirdRowOfTheFinalResults) {
    StartShown("Keynote|k.exe\r\nNotebook|b.exe\r\nNotepad|n.exe\r\nPaint|p.exe\r\n");
    for (char c : std::string("note")) form.KeyPress(c);
    form.KeyDown(vk::kDown, false, false);
    form.KeyDown(vk::kDown, false, false);
    form.KeyDown(vk::kReturn, false, false);
    EXPECT_EQ(launcher->CallCount(), 0u);  // waits for the results of "note"
    for (int tick = 0; tick < 6; ++tick) form.OnResultsTick();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (launcher->CallCount() == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        form.OnLaunchTick();
    }
    ASSERT_EQ(launcher->CallCount(), 1u);
    EXPECT_EQ(view.Rows(), (Rows{"Notebook", "Notepad", "Keynote"}));
    EXPECT_EQ(launcher->Calls()[0].file, "k.exe");
}

TEST_F(FormTest, ChordTogglesTheWindowButNotWhileAMessageBoxOwnsIt) {
    files.Put(kData + "OldOrders.txt", "");
    Start();
    const auto chord = [&](int ticks) {
        keyboard.ReleaseAll();
        form.OnHousekeepingTick();
        form.OnHousekeepingTick();
        keyboard.Press({vk::kLeftWindows, vk::kControl});
        for (int tick = 0; tick < ticks; ++tick) form.OnHousekeepingTick();
    };
    chord(10);
    EXPECT_EQ(Count("restore request"), 1);
    view.formVisible = true;
    view.formEnabled = false;  // a question is open
    chord(2);
    EXPECT_EQ(Count("minimise request"), 1);  // the start-up one
    view.formEnabled = true;
    chord(2);
    EXPECT_EQ(Count("minimise request"), 2);
}

TEST_F(FormTest, CtrlShortcutsRunTheirMenuCommands) {
    StartShown("Tool|C:\\Apps\\Quilt\\x.exe\r\n");
    form.FieldFocusChanged(KeyField::KeyCapture, true);
    Type("tool");
    EXPECT_FALSE(form.KeyDown('R', false, false));
    keyboard.Press({vk::kControl});
    EXPECT_TRUE(form.KeyDown('R', false, false));
    EXPECT_EQ(files.Get(kData + "Files.txt"), "Tool|..\\Quilt\\x.exe|||||0||||||0\r\n");
    EXPECT_FALSE(form.released());
    EXPECT_TRUE(form.KeyDown('R', true, false));
    EXPECT_TRUE(form.released());
}

}  // namespace
}  // namespace qx
