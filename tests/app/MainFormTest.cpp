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
#include "fakes/FakeShellFolderView.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeSystemInfo.h"
#include "store/EntryRows.h"
#include "store/EntryStore.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

using Rows = std::vector<std::string>;
const std::string kExe = "C:\\Apps\\Quillox\\Quillox.exe";
const std::string kData = "C:\\Apps\\Quillox\\Quillox-Data\\";

class FormTest : public ::testing::Test {
protected:
    // A start after the first: the command history exists.
    void Create(std::vector<std::string> arguments = {}) {
        if (!files.FileExists(kData + "OldOrders.txt")) files.Put(kData + "OldOrders.txt", "");
        form.FormCreate(kExe, arguments);
    }
    void Start(std::vector<std::string> arguments = {}) {
        Create(std::move(arguments));
        form.OnStartupTick();
    }
    // Starts shown with these entries and command history, the keys in the key capture field.
    void StartShown(const std::string& entries, const std::string& commands = "") {
        if (!files.FileExists(kData + "OldOrders.txt")) files.Put(kData + "OldOrders.txt", commands);
        files.Put(kData + "Files.txt", entries);
        Start();
        form.RestoreTransition();
        form.FieldFocusChanged(KeyField::KeyCapture, true);
        view.list.SetSize(200, 190);
    }
    void Type(const std::string& text) {
        for (char key : text) form.KeyPress(key);
    }
    void Settle() {
        form.OnResultsTick();
        form.OnResultsTick();
    }
    // Launch ticks until done() holds; the workers run on threads of their own.
    template <class Done>
    bool TickUntil(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            form.OnLaunchTick();
        }
        return true;
    }
    std::string EntryValueOfRow(int row) const {
        const Entry* entry = EntryIfAny(view.list.Items().Objects(row));
        return entry ? std::string(entry->Value()) : std::string();
    }
    bool FileHas(const std::string& name, const std::string& part) const {
        return files.Get(kData + name).find(part) != std::string::npos;
    }
    PlatformServices Services() {
        PlatformServices services{files, system, boxes, clock, keyboard, clipboard, launcher, registry};
        services.shellView = &shellView;
        return services;
    }
    // Sets the input line as a paste would, then lets the results timer tick.
    void EditTo(const std::string& text, int ticks = 2) {
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
    test::FakeShellFolderView shellView;
    test::FakeMainWindowView view{clock};
    MainForm form{view, Services()};
};

TEST_F(FormTest, StartBeginsAFreshLogAndShowsOnceWhenAsked) {
    files.Put(kData + "log.txt", "old run\r\n");
    Create({"-showonstartup"});
    EXPECT_FALSE(view.onScreen);
    EXPECT_FALSE(files.FileExists(kData + "log.txt"));  // each run starts a new log
    form.OnHousekeepingTick();  // not yet started: the window is not shown yet
    form.OnStartupTick();
    EXPECT_EQ(Count("minimise request"), 1);
    EXPECT_EQ(Count("restore request"), 0);
    form.OnHousekeepingTick();
    form.OnHousekeepingTick();
    EXPECT_EQ(Count("restore request"), 1);  // once
}

// The data folder and the empty OldOrders.txt it makes: the end-to-end start-up test.
TEST_F(FormTest, FirstLaunchShowsTheWindowAndAsksOnceAfterStart) {
    form.FormCreate(kExe, {});
    form.OnHousekeepingTick();  // not yet started
    EXPECT_TRUE(boxes.questions.empty());
    form.OnStartupTick();
    form.OnHousekeepingTick();
    form.OnHousekeepingTick();
    EXPECT_EQ(boxes.questions, Rows{LangText(texts::FirstLaunchQuestion, 0)});
    EXPECT_EQ(Count("restore request"), 1);
}

TEST_F(FormTest, FirstStartOfThisSettingsVersionGivesEarlierIconFilesTheCurrentNames) {
    const std::string icons = kData + "Icons\\";
    files.Put(kData + "Files.txt", "Editor|C:\\e.exe\r\nDocs|C:\\Docs\\\r\n");
    files.Put(icons + "FlC\xA2\x9F" "e.exe16.ico", "16");
    files.Put(icons + "FlC\xA2\x9F" "e.exe48.ico", "48");
    files.Put(icons + "DrC\xA2\x9F" "Docs\x9F" "24.ico", "24");
    Create();
    form.OnStartupTick();
    EXPECT_EQ(files.ListFiles(icons), (Rows{"nDrDocs24.ico", "nFlEditor16.ico", "nFlEditor48.ico"}));
    EXPECT_EQ(files.Get(icons + "nFlEditor48.ico"), "48");
    EXPECT_TRUE(form.store().FindEntry("Docs")->isFolder);
}

TEST_F(FormTest, DataFolderThatCannotBeCreatedIsReported) {
    files.FailWrites(kData, "Access is denied.");
    form.FormCreate(kExe, {});
    EXPECT_EQ(boxes.errors, Rows{"Access is denied."});
}

// What a whole shown or hidden window is, the nested request cases below check.
TEST_F(FormTest, RestoreWaitsForTheStartAndMinimiseForAFreeInput) {
    Create();
    form.RestoreTransition();  // ignored before start-up has finished
    EXPECT_FALSE(view.formVisible);
    form.OnStartupTick();
    form.RestoreTransition();
    EXPECT_TRUE(view.formVisible);
    EXPECT_GE(Count("foreground"), 1);
    form.inputLock().Register(20);
    form.MinimiseTransition();  // a message box is up: stays
    EXPECT_TRUE(view.formVisible);
    form.inputLock().Unregister(20);
    form.MinimiseTransition();
    EXPECT_FALSE(view.formVisible);
}

// A restore or minimise that arrives while the other transition runs (from a nested message
// pump: the shell's tray call, a message box, a pending-message loop) runs after it, and the
// last request wins. The window ends wholly shown (on screen, results timer on, tray icon off)
// or wholly hidden, never in between.
struct NestedRequestCase {
    bool outerIsRestore;
    const char* during;    // the call of the outer transition in which the requests arrive
    const char* requests;  // R restore, M minimise, in arrival order
    bool endsShown;
};

void PrintTo(const NestedRequestCase& c, std::ostream* os) {
    *os << (c.outerIsRestore ? "restore" : "minimise") << " with " << c.requests << " during \"" << c.during << '"';
}

class NestedVisibilityRequestTest : public FormTest, public ::testing::WithParamInterface<NestedRequestCase> {};

TEST_P(NestedVisibilityRequestTest, RunAfterTheTransitionAndTheLastOneWins) {
    const NestedRequestCase& c = GetParam();
    files.Put(kData + "Files.txt", "Notepad|n\r\nPaint|p\r\n");
    Start();
    if (!c.outerIsRestore) form.RestoreTransition();
    bool arrived = false;
    view.onEvent = [&](const std::string& event) {
        if (arrived || event != c.during) return;
        arrived = true;
        for (const char* request = c.requests; *request; ++request)
            *request == 'R' ? form.RestoreTransition() : form.MinimiseTransition();
    };
    c.outerIsRestore ? form.RestoreTransition() : form.MinimiseTransition();
    ASSERT_TRUE(arrived);
    EXPECT_EQ(view.formVisible, c.endsShown);
    EXPECT_EQ(view.onScreen, c.endsShown);
    EXPECT_EQ(view.ResultsTimerRunning(), c.endsShown);
    EXPECT_EQ(view.trayVisible, !c.endsShown);
    if (!c.endsShown) return;
    EditTo("pai");
    EXPECT_EQ(view.Rows(), Rows{"Paint"});
}

INSTANTIATE_TEST_SUITE_P(Orders, NestedVisibilityRequestTest,
                         ::testing::Values(NestedRequestCase{false, "tray on", "R", true},
                                           NestedRequestCase{false, "hide", "R", true},
                                           NestedRequestCase{false, "tray on", "RM", false},
                                           NestedRequestCase{false, "tray on", "MR", true},
                                           NestedRequestCase{true, "show", "M", false},
                                           NestedRequestCase{true, "tray off", "M", false},
                                           NestedRequestCase{true, "tray off", "MR", true},
                                           NestedRequestCase{true, "tray off", "R", true}));

TEST_F(FormTest, RestoreDuringAMessageBoxOfTheMinimiseRunsAfterTheHide) {
    StartShown("Notepad|n\r\n");
    EditTo("note");
    // Hiding commits the in-place rename, whose empty name is refused with a message.
    view.list.SetSelected(0);
    form.KeyDown(vk::kF2, false, false);
    ASSERT_TRUE(view.list.Editing());
    view.list.SetEditText(" ");
    boxes.whileShown = [&] { form.RestoreTransition(); };
    form.MinimiseTransition();
    ASSERT_EQ(boxes.messages.size(), 1u);
    const auto last = [&](const std::string& e) { return std::find(view.events.rbegin(), view.events.rend(), e); };
    EXPECT_LT(last("show"), last("hide"));  // hidden, then shown again
    EXPECT_TRUE(view.formVisible);
    EXPECT_TRUE(view.onScreen);
    EXPECT_TRUE(view.ResultsTimerRunning());
}

TEST_F(FormTest, RestoreAfterEnterKeepsTheWindowShownWhenTheLaunchSucceeds) {
    StartShown("Notepad|n.exe\r\n");
    Type("note");
    form.KeyDown(vk::kReturn, false, false);
    for (int tick = 0; tick < 3; ++tick) form.OnResultsTick();
    ASSERT_FALSE(form.inputLock().IsFree());  // the launch runs, locked until it has finished
    form.RestoreTransition();                 // a second instance asks for the window
    ASSERT_TRUE(TickUntil([&] { return form.inputLock().IsFree(); }));
    EXPECT_EQ(launcher->CallCount(), 1u);
    EXPECT_EQ(Count("minimise request"), 1);  // the start-up one
}

TEST_F(FormTest, Release_StartsANewInstanceAndComesForwardOnTheTickThatFindsIt) {
    Start();
    const auto start = clock.now;
    view.instanceAppearsAt = start + 500;
    form.ReleaseWindow();
    EXPECT_EQ(clock.now, start);  // no wait inside: the window's own message loop runs on
    EXPECT_EQ(view.caption, "Quillox free");
    EXPECT_GE(Count("start C:\\Apps\\Quillox\\Quillox.exe in C:\\Apps\\Quillox\\"), 1);
    for (; clock.now < start + 500; clock.now += 10) form.OnHousekeepingTick();
    EXPECT_EQ(Count("foreground"), 0);
    for (; clock.now < start + 600; clock.now += 10) form.OnHousekeepingTick();
    EXPECT_EQ(Count("foreground"), 1);

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
    for (; clock.now < start + 10000; clock.now += 10) form.OnHousekeepingTick();
    EXPECT_EQ(Count("foreground"), 0);
    form.OnHousekeepingTick();
    EXPECT_NE(files.Get(kData + "log.txt").find("release: no new instance after 10 s"), std::string::npos);
    EXPECT_EQ(view.events.back(), "foreground");
}

TEST_F(FormTest, ClearingTheFocusedInputLineMovesItsCaretWithoutAKeystroke) {
    StartShown("");
    Type("a");
    form.FieldFocusChanged(KeyField::InputLine, true);
    Type("\x1B");
    // Set on the field itself: a global keystroke would reach whatever has the focus.
    EXPECT_EQ(view.events.back(), "caret to end");
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
    MainForm second{secondView, Services()};  // a later start on the same machine
    second.FormCreate(kExe, {});
    second.OnStartupTick();
    EXPECT_EQ(second.languageIndex(), 1);
    for (const char* event : {"opacity 255", "not on top", "list size 500x300"})
        EXPECT_EQ(std::count(secondView.events.begin(), secondView.events.end(), event), 1) << event;
    EXPECT_EQ(Config(), config);  // a current file is left as it is
    second.FormEditChange("!");  // the configured command character
    second.OnResultsTick();
    second.OnResultsTick();
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

TEST_F(FormTest, NoSearchRunsWhileAMessageBoxIsUp) {
    StartShown("Keynote|k\r\nNotepad|n\r\nPaint|p\r\n");
    form.inputLock().Register(20);
    EditTo("pai");
    EXPECT_TRUE(view.Rows().empty());
    form.inputLock().Unregister(20);
    EditTo("pai");
    EXPECT_EQ(view.Rows(), Rows{"Paint"});
}

TEST_F(FormTest, LanguageAndOptionsMenuChangesAreAppliedAndSavedAtOnce) {
    Start();
    files.Put(kData + "config.cfg", "");
    form.ChooseLanguage(0);  // saved even when unchanged
    EXPECT_NE(Config().find("Language=0\r\n"), std::string::npos);
    form.ChooseLanguage(1);
    boxes.answers = {false};
    form.FormCloseQuery();
    EXPECT_EQ(boxes.questions.back(), LangText(texts::ReallyQuit, 1));

    form.ToggleOption(OptionFlag::StayOnTop);
    EXPECT_EQ(view.events.back(), "not on top");
    form.ToggleOption(OptionFlag::LockUntilLaunched);
    for (const char* line : {"Language=1\r\n", "StayOnTop=0\r\n", "LockQuilloxUntilExecDone=0\r\n"})
        EXPECT_NE(Config().find(line), std::string::npos) << line;
    form.ToggleOption(OptionFlag::SmoothFonts);
    EXPECT_EQ(Count("no cleartype"), 1);
    form.SetOpacityPercent(kNotLayered);  // warned about first
    EXPECT_EQ(boxes.messages, Rows{LangText(texts::TransparencyOffWarning, 1)});
    for (const char* line : {"Opacity=-1\r\n", "SmoothFonts=0\r\n"}) EXPECT_NE(Config().find(line), std::string::npos);
    EXPECT_EQ(OpacityMenuTick(form.settings().alpha), kNotLayered);
    EXPECT_EQ(OpacityMenuTick(200), 90);  // 78 % is not on the menu
    EXPECT_EQ(OpacityMenuTick(242), 95);
}

TEST_F(FormTest, RowMenuOffersWhatTheModeAllowsAndRemoveAsksFirst) {
    StartShown("Notepad|n\r\n", "exe: calc\r\n");
    EditTo("note");
    view.list.OnContextMenu(5, 5);
    EXPECT_EQ(view.events.back(), "row menu 1 1 1 1 1 1 1 1 1");
    boxes.answers = {true};
    form.RunRowMenuItem(RowMenuItem::Remove);
    EXPECT_EQ(boxes.questions, Rows{"Eintrag \"Notepad\" wirklich l\xF6schen?"});
    EXPECT_EQ(files.Get(kData + "Files.txt"), "");
    EditTo(",");
    view.list.OnContextMenu(5, 5);
    EXPECT_EQ(view.events.back(), "row menu 0 1 0 0 1 0 0 0 0");
    files.Put("C:\\x.txt", "");
    EditTo("<C:\\");
    view.list.OnContextMenu(5, 5);
    EXPECT_EQ(view.events.back(), "row menu 0 0 0 0 0 1 0 0 0");
}

TEST_F(FormTest, FilesOfTheTempLinksFolderAndEditedRowCopiesBecomeSavedEntries) {
    const std::string links = "C:\\Users\\tester\\QuilloxTmpLinks\\";
    files.Put(links + "Early.exe", "");
    StartShown("Tool|C:\\t.exe|-q\r\n");
    files.Put(links + "Late.exe", "");
    form.RestoreTransition();
    form.RestoreTransition();
    // Without a link reader they are added as files, which then stay, imported once.
    EXPECT_TRUE(files.FileExists(links + "Late.exe"));
    EditTo("tool");
    std::string editedName;
    view.whileEditorShown = [&](EditEntryModel& editor) {
        editedName = editor.fields().name;
        EXPECT_TRUE(editor.PressOk());
    };
    view.list.OnContextMenu(5, 5);
    form.RunRowMenuItem(RowMenuItem::CreateCopy);
    EXPECT_EQ(editedName, "Tool1");  // the editor opens on the copy
    EXPECT_EQ(view.list.SelectedText(), "Tool1");
    EXPECT_EQ(files.Get(kData + "Files.txt"), "Early|" + links + "Early.exe|||||0||||||0\r\nLate|" + links +
                                                  "Late.exe|||||0||||||0\r\nTool|C:\\t.exe|-q||||0||||||0\r\n"
                                                  "Tool1|C:\\t.exe|-q||||0||||||0\r\n");
}

TEST_F(FormTest, ChordTogglesTheWindowButNotWhileAMessageBoxOwnsIt) {
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
    form.RestoreTransition();
    view.formEnabled = false;  // a question is open
    chord(2);
    EXPECT_EQ(Count("minimise request"), 1);  // the start-up one
    view.formEnabled = true;
    chord(2);
    EXPECT_EQ(Count("minimise request"), 2);
}

// Ctrl+E on the selected row: a change of letter case only is accepted. Hiding the window
// closes the dialog as cancelled, which removes a fresh entry. (A taken name and Cancel: the
// end-to-end test.)
TEST_F(FormTest, EditDialogAcceptsACaseChangeAndHidingRemovesAFreshEntry) {
    system.version = 600;
    StartShown("Editor|C:\\e.exe|||||0||||||600\r\nOther|C:\\o.exe\r\n");
    EditTo("edit");
    view.whileEditorShown = [&](EditEntryModel& editor) {
        form.KeyDown('E', false, false);  // opens no second dialog
        editor.fields().name = "editor";
        editor.fields().value = "C:\\new.exe";
        EXPECT_TRUE(editor.PressOk());
    };
    keyboard.Press({vk::kControl});
    EXPECT_TRUE(form.KeyDown('E', false, false));
    EXPECT_EQ(files.Get(kData + "Files.txt"), "editor|C:\\new.exe|||||0||||||600\r\nOther|C:\\o.exe|||||0||||||0\r\n");

    view.whileEditorShown = [&](EditEntryModel&) {
        view.formEnabled = false;
        form.MinimiseTransition();
        view.formEnabled = true;
    };
    form.OpenEntryEditor(false);  // as an add command does on the entry it has just made
    EXPECT_EQ(Count("editor"), 2);
    EXPECT_FALSE(view.formVisible);
    EXPECT_EQ(files.Get(kData + "Files.txt"), "Other|C:\\o.exe|||||0||||||0\r\n");
}

TEST_F(FormTest, RowsActOnTheirOwnEntryWhenTwoShareAName) {
    StartShown("Foo|C:\\a.exe\r\nFoo|C:\\b.exe\r\nFoo|C:\\c.exe\r\n");
    Type("foo");
    Settle();
    ASSERT_EQ(view.Rows(), (std::vector<std::string>{"Foo", "Foo", "Foo"}));
    view.list.SetSelected(1);
    const std::string second = EntryValueOfRow(1);
    form.KeyDown(vk::kReturn, false, false);
    form.OnResultsTick();
    ASSERT_TRUE(TickUntil([&] { return launcher->CallCount() == 1 && form.inputLock().IsFree(); }));
    EXPECT_EQ(launcher->Calls()[0].file, second);

    view.list.SetSelected(2);
    const std::string third = EntryValueOfRow(2);
    boxes.answers = {true};
    form.KeyDown(vk::kDelete, false, false);
    EXPECT_FALSE(FileHas("Files.txt", third));
    EXPECT_EQ(view.Rows().size(), 2u);

    view.list.SetSelected(1);
    const std::string kept = EntryValueOfRow(0), renamed = EntryValueOfRow(1);
    form.KeyDown(vk::kF2, false, false);
    ASSERT_TRUE(view.list.Editing());
    view.list.SetEditText("Bar");
    view.list.CommitEdit();
    EXPECT_TRUE(FileHas("Files.txt", "Bar|" + renamed)) << files.Get(kData + "Files.txt");
    EXPECT_EQ(EntryValueOfRow(0), kept);
}

TEST_F(FormTest, RenameInPlaceKeepsToTheRowItStartedOnAndOnlyInEntrySearch) {
    StartShown("Foo|C:\\a.exe\r\nFooz|C:\\z.exe\r\nexe: Fooz|C:\\c.exe\r\n", "exe: Fooz\r\n");
    Type("foo");
    Settle();
    view.list.SetSelected(view.list.Items().IndexOf("Foo"));
    // Typed on, then F2 before the rows follow: the rename stays with the row shown, and the
    // input goes back to the text those rows belong to.
    Type("z");
    form.KeyDown(vk::kF2, false, false);
    ASSERT_TRUE(view.list.Editing());
    EXPECT_EQ(form.query().currentText(), "foo");
    EXPECT_FALSE(form.inputLock().IsFree());
    Settle();
    view.list.SetEditText("Bar");
    view.list.CommitEdit();
    EXPECT_TRUE(form.inputLock().IsFree());
    EXPECT_TRUE(FileHas("Files.txt", "Bar|C:\\a.exe"));
    EXPECT_TRUE(FileHas("Files.txt", "Fooz|C:\\z.exe"));

    // A history row in command mode is no entry, whatever its text.
    form.KeyDown(vk::kEscape, false, false);
    Type(",fooz");
    Settle();
    ASSERT_EQ(view.Rows(), (std::vector<std::string>{"exe: fooz", "exe: Fooz"}));
    view.list.SetSelected(1);
    form.KeyDown(vk::kF2, false, false);
    EXPECT_FALSE(view.list.Editing());
    view.list.SetEditText("Baz");
    view.list.CommitEdit();
    EXPECT_TRUE(FileHas("Files.txt", "exe: Fooz|C:\\c.exe"));
}

TEST_F(FormTest, ALockedLaunchHoldsEveryInputUntilEscReleasesIt) {
    StartShown("Alpha|C:\\Apps\\Quillox\\a.exe\r\nBeta|C:\\b.exe\r\n");
    Type("a");
    Settle();
    launcher->Hold();
    form.KeyDown(vk::kReturn, false, false);
    form.OnResultsTick();
    ASSERT_TRUE(TickUntil([&] { return launcher->CallCount() == 1; }));
    EXPECT_EQ(view.events.back(), "input off");
    const std::string entries = files.Get(kData + "Files.txt");

    clipboard->text = "pasted";
    view.list.MouseDown(MouseButton::Left, 20, 25, {}, true);  // a double click on Beta
    form.KeyDown(vk::kControl, false, false);
    form.KeyDown('V', false, false);
    form.KeyDown('R', false, false);
    form.KeyDown('R', true, false);
    view.list.OnContextMenu(5, 5);
    Type("x");
    EXPECT_EQ(form.query().currentText(), "a");
    EXPECT_EQ(files.Get(kData + "Files.txt"), entries);
    EXPECT_FALSE(form.released());
    EXPECT_EQ(Count("row menu 1 1 1 1 1 1 1 1 1"), 0);
    form.OnResultsTick();
    EXPECT_EQ(launcher->CallCount(), 1u);

    view.events.clear();
    form.KeyDown(vk::kEscape, false, false);  // stops waiting; the launch goes on
    EXPECT_TRUE(form.inputLock().IsFree());
    EXPECT_GE(Count("input on"), 1);
    launcher->Open();
}

// The painted input line: a locked launch turns a spinner by the results tick beside the input,
// from 41 ticks the seconds waited replace both, and a click that stops the wait gives the
// line back with its caret.
TEST_F(FormTest, TheInputLineSpinsThenShowsTheSecondsWaited) {
    StartShown("Alpha|C:\\Apps\\Quillox\\a.exe\r\n");
    Type("a");
    Settle();
    launcher->Hold();
    form.KeyDown(vk::kReturn, false, false);
    form.OnResultsTick();
    ASSERT_FALSE(form.inputLock().IsFree());
    for (int tick = 0; tick < 8 && view.inputLine.blinkCounter != 2; ++tick) form.OnResultsTick();
    const auto waitTicks = [&](int ticks) {
        for (int tick = 0; tick < 100 && view.inputLine.launchTicks < ticks; ++tick) form.OnLaunchTick();
        return view.PaintedInputLine(400);
    };
    EXPECT_EQ(waitTicks(1), (InputLineText{"a", "  /  "}));
    EXPECT_EQ(waitTicks(40), (InputLineText{"a", "  /  "}));
    EXPECT_EQ(waitTicks(41), (InputLineText{"Gewartet: 4s Esc = ignorieren", ""}));
    EXPECT_EQ(waitTicks(50), (InputLineText{"Gewartet: 5s Esc = ignorieren", ""}));

    form.FormMouseUp();
    EXPECT_EQ(view.PaintedInputLine(400), (InputLineText{"a|", ""}));
    launcher->Open();
}

TEST_F(FormTest, ShiftAndAltOfEnterOrTheDoubleClickTravelWithTheQueuedLaunch) {
    StartShown("Alpha|C:\\a.exe\r\n");
    Type("alp");
    form.KeyDown(vk::kReturn, false, true);  // Shift+Enter, let go before the rows are ready
    Settle();
    form.OnResultsTick();
    ASSERT_TRUE(TickUntil([&] { return form.inputLock().IsFree() && clipboard->text.has_value(); }));
    EXPECT_EQ(clipboard->text, "C:\\a.exe");
    EXPECT_EQ(launcher->CallCount(), 0u);

    view.events.clear();
    form.KeyDown(vk::kReturn, true, false);  // Alt+Enter keeps the window
    form.OnResultsTick();
    ASSERT_TRUE(TickUntil([&] { return launcher->CallCount() == 1 && form.inputLock().IsFree(); }));
    EXPECT_EQ(Count("minimise request"), 0);

    clipboard->text.reset();
    view.list.MouseDown(MouseButton::Left, 20, 5, MouseModifiers{.shift = true}, true);
    ASSERT_TRUE(TickUntil([&] { return form.inputLock().IsFree() && clipboard->text.has_value(); }));
    EXPECT_EQ(launcher->CallCount(), 1u);
}

TEST_F(FormTest, RunFromTheRowMenuKeepsTheWindowAndMiddleClickGoesIntoOrUp) {
    StartShown("Alpha|C:\\a.exe\r\n", "exe: calc /x\r\n");
    Type("alp");
    Settle();
    view.list.OnContextMenu(5, 5);
    view.events.clear();
    form.RunRowMenuItem(RowMenuItem::Run);
    ASSERT_TRUE(TickUntil([&] { return launcher->CallCount() == 1 && form.inputLock().IsFree(); }));
    form.OnLaunchTick();
    EXPECT_EQ(Count("minimise request"), 0);

    form.KeyDown(vk::kEscape, false, false);
    Type(",ca");
    Settle();
    const auto middleClick = [&](int y) {
        view.list.MouseDown(MouseButton::Middle, 20, y, {});
        view.list.MouseUp(MouseButton::Middle, 20, y, {});
        form.OnResultsTick();
    };
    middleClick(view.list.RowRect(1).top + 2);  // on the history row: completes the command
    EXPECT_EQ(form.query().currentText(), ",calc /x");
    form.KeyDown(vk::kEscape, false, false);
    Type("zq");
    Settle();
    ASSERT_TRUE(view.Rows().empty());
    middleClick(25);  // no row to go into: up
    EXPECT_EQ(form.query().currentText(), "");
}

TEST_F(FormTest, AnUnreadableHistoryIsNotOverwrittenByTheNextLaunch) {
    files.Put(kData + "OldOrders.txt", "exe: kept\r\n");
    files.FailReads(kData + "OldOrders.txt");
    StartShown("");
    EXPECT_EQ(boxes.errors, std::vector<std::string>{"Access is denied."});
    Type(",calc");
    Settle();
    form.KeyDown(vk::kReturn, false, false);
    form.OnResultsTick();
    ASSERT_TRUE(TickUntil([&] { return launcher->CallCount() == 1 && form.inputLock().IsFree(); }));
    EXPECT_EQ(files.Get(kData + "OldOrders.txt"), "exe: kept\r\n");
    EXPECT_EQ(boxes.errors.size(), 1u);
}

// Right on an entry's row browses the folder of its target (or the folder itself); a web
// address or a command goes into the input of its mode, ready to be changed.
TEST_F(FormTest, RightOnAnEntryBrowsesItsFolderOrPutsItsAddressOrCommandInTheInput) {
    files.Put("C:\\Tools\\e.exe", "");
    ASSERT_TRUE(files.CreateFolder("C:\\Docs"));
    StartShown("Editor|C:\\Tools\\e.exe\r\nDocs|C:\\Docs\r\nurl: News|http://news/\r\nexe: Reg|regedit /s\r\n"
               "Rel|.\\tools\\t.exe\r\n");
    for (const auto& [typed, input] : std::vector<std::pair<std::string, std::string>>{
             {"editor", "<C:\\Tools\\"}, {"docs", "<C:\\Docs\\"}, {"news", ".http://news/"},
             {"reg", ",regedit /s"}, {"rel", "<C:\\Apps\\Quillox\\tools\\"}}) {
        EditTo(typed);
        form.KeyDown(vk::kRight, false, false);
        Settle();
        EXPECT_EQ(form.query().currentText(), input);
        EXPECT_EQ(view.list.FolderMode(), input[0] == '<') << typed;
    }
}

// Entering the mode colours the input red and gives the list its folder size and behaviour;
// leaving puts them back. The same folder typed again after leaving is listed again.
TEST_F(FormTest, FolderModeChangesTheWindowWhileItLastsAndListsAgainAfterLeaving) {
    files.Put("C:\\Work\\b.txt", "");
    files.Put("C:\\Work\\a\\x.txt", "");
    StartShown("Alpha|a.exe\r\n");
    const auto effectsAfter = [this](std::size_t from) {
        Rows seen;
        for (auto event = view.events.begin() + from; event != view.events.end(); ++event)
            if (event->starts_with("input colour") || event->starts_with("list size")) seen.push_back(*event);
        return seen;
    };
    for (int round = 0; round < 2; ++round) {
        std::size_t mark = view.events.size();
        EditTo("<C:\\Work\\");
        EXPECT_EQ(effectsAfter(mark), (Rows{"input colour 255", "list size 330x360"}));
        EXPECT_TRUE(view.list.FolderMode() && view.list.MarkTextExtra == 9);
        EXPECT_EQ(view.Rows(), (Rows{"a", "b.txt"}));
        mark = view.events.size();
        EditTo("alp");
        EXPECT_EQ(effectsAfter(mark), (Rows{"input colour normal", "list size 349x246"}));
        EXPECT_FALSE(view.list.FolderMode());
    }
}

// A grip drag reaches the window at most once per resize tick, within the list's limits, and
// its end is kept for the view it happened in: folder browsing and the normal view each keep
// their own size.
TEST_F(FormTest, GripDragsResizeOncePerTickAndEachViewKeepsItsSize) {
    files.Put("C:\\Work\\b.txt", "");
    StartShown("Alpha|a.exe\r\n");
    ListBoxModel& list = view.list;
    list.SetResizeImage(ImageSize{8, 8});
    list.SetSize(349, 246);
    const auto sizesSince = [this](std::size_t from) {
        Rows seen;
        for (std::size_t i = from; i < view.events.size(); ++i)
            if (view.events[i].starts_with("list size")) seen.push_back(view.events[i]);
        return seen;
    };
    std::size_t mark = view.events.size();
    list.MouseDown(MouseButton::Left, 348, 245, {});
    list.MouseMove(358, 255, true);
    list.MouseMove(368, 275, true);
    EXPECT_EQ(view.timers.at(WindowTimer::Resize), 10u);
    form.OnResizeTick();
    form.OnResizeTick();  // nothing new asked for
    EXPECT_EQ(sizesSince(mark), Rows{"list size 369x276"});
    list.MouseMove(148, 285, true);  // narrower than the buttons allow
    list.MouseUp(MouseButton::Left, 148, 285, {});  // before the tick: applied at once
    EXPECT_EQ(sizesSince(mark), (Rows{"list size 369x276", "list size 307x286"}));
    EXPECT_EQ(view.timers.count(WindowTimer::Resize), 0u);

    EditTo("<C:\\Work\\");
    list.MouseDown(MouseButton::Left, 329, 359, {});
    list.MouseMove(334, 364, true);
    list.MouseUp(MouseButton::Left, 334, 364, {});
    EXPECT_NE(Config().find("lbWidth=307\r\nlbHeight=286\r\nreWidth=335\r\nreHeight=365\r\n"), std::string::npos);
    mark = view.events.size();
    EditTo("alp");
    EditTo("<C:\\Work\\");
    EXPECT_EQ(sizesSince(mark), (Rows{"list size 307x286", "list size 335x365"}));
}

// Path mode walks the shell view: Right enters a folder item, Enter opens a file item by its
// ID list, and Ctrl+F asks the shell's search for the shown folder (never for the desktop).
// The plain engine's Ctrl+F names the typed path.
TEST_F(FormTest, PathModeEntersAndOpensShellItemsAndCtrlFSearchesTheBrowsedFolder) {
    shellView.root.Add("Computer", true).Add("C:", true, "C:\\").Add("notes.txt", false, "C:\\notes.txt");
    StartShown("");
    const auto press = [this](int key, bool ctrl = false) {
        if (ctrl) keyboard.Press({vk::kControl});
        form.KeyDown(key, false, false);
        keyboard.Release({vk::kControl});
        Settle();
    };
    EditTo("<C:\\Work\\");
    press('F', true);
    view.formEnabled = false;  // a dialog holds the window: the shell's walk leaves it so
    EditTo("<\\");
    EXPECT_FALSE(view.formEnabled);
    view.formEnabled = true;
    press('F', true);
    press(vk::kRight);
    EXPECT_EQ(Count("form off") - Count("form on"), 0);
    press(vk::kRight);
    EXPECT_EQ(form.query().currentText(), "<\\Computer\\C:\\");
    EXPECT_EQ(view.Rows(), Rows{"notes.txt"});
    press('F', true);
    press(vk::kReturn);
    TickUntil([this] { return launcher->CallCount() == 3; });
    Rows seen;
    for (const auto& call : launcher->Calls()) seen.push_back(call.what + " " + call.file + " " + call.parameters);
    EXPECT_EQ(seen, (Rows{"verb C:\\Work\\ find", "item /Computer/C: find", "item /Computer/C:/notes.txt "}));
}

// A released window goes on browsing the selected entry's folder, titled by that folder.
TEST_F(FormTest, ReleasedWindowBrowsesTheSelectedEntrysFolderUnderItsName) {
    files.Put("C:\\Tools\\e.exe", "");
    StartShown("Editor|C:\\Tools\\e.exe\r\n");
    EditTo("edit");
    form.ReleaseWindow();
    EXPECT_EQ(form.query().currentText(), "<C:\\Tools\\");
    EXPECT_EQ(view.caption, "Tools - Quillox free");
    form.KeyDown(vk::kLeft, false, false);
    EXPECT_EQ(view.caption, "C:\\ - Quillox free");
}

}  // namespace
}  // namespace qx
