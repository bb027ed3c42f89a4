#include "app/MainForm.h"

#include <utility>

#include "app/BusyPanel.h"
#include "app/EntryIcons.h"
#include "app/EntryMaintenance.h"
#include "app/input/KeyboardCommands.h"
#include "controls/ListBoxModel.h"
#include "exec/DefaultBrowser.h"
#include "exec/LaunchPipeline.h"
#include "exec/LaunchWorkers.h"
#include "search/FolderBrowser.h"
#include "search/ResultListModel.h"
#include "skin/Skin.h"
#include "store/EntryStore.h"
#include "text/LanguageStrings.h"
#include "text/PathText.h"

namespace qx {

namespace {

constexpr unsigned kHousekeepingIntervalMs = 10;
constexpr unsigned kStartupIntervalMs = 1;
// The hand-over waits this long for the new instance; the released window stays usable after.
constexpr std::uint64_t kReleaseWaitMs = 10000;

// A root whose name the shell did not give stays empty, so that no path matches it.
std::string WithBackslash(const std::string& name) { return name.empty() ? name : WithTrailingBackslash(name); }

}  // namespace

MainForm::MainForm(IMainWindowView& view, PlatformServices platform)
    : view_(view), platform_(platform), summonKeys_(platform.keyboard) {}

MainForm::~MainForm() {
    // The row probe and the shell view's listener must not outlive the form.
    if (browser_) DestroyFolderBrowsing();
}

void MainForm::FormCreate(const std::string& exePath, const std::vector<std::string>& arguments) {
    view_.MoveOffScreen();

    showOnStartup_ = !arguments.empty() && arguments.front() == "-showonstartup";
    folders_ = ComputeFolderSet(exePath, platform_.system.ExpandEnvironmentStrings("%HOMEDRIVE%%HOMEPATH%"));
    // Without its data folder every save would fail; a new user gets one at once.
    ShowError(platform_.files.CreateFolder(folders_.dataFolder));

    shellRoots_.recycleBin = WithBackslash(platform_.system.ShellRootDisplayName(ShellRoot::RecycleBin));
    shellRoots_.myComputer = WithBackslash(platform_.system.ShellRootDisplayName(ShellRoot::MyComputer));
    shellRoots_.controlPanel = WithBackslash(platform_.system.ShellRootDisplayName(ShellRoot::ControlPanel));
    shellRoots_.network = WithBackslash(platform_.system.ShellRootDisplayName(ShellRoot::Network));

    firstLaunch_ = !platform_.files.FileExists(folders_.dataFolder + "OldOrders.txt");

    settingsFile_ = std::make_unique<SettingsFile>(platform_.files, folders_.dataFolder + "config.cfg");
    store_ = std::make_unique<EntryStore>(StoreContext{platform_.files, platform_.system, folders_, shellRoots_});
    query_ = std::make_unique<QueryState>(prefixes_, static_cast<IQueryHooks&>(*this));
    query_->SetSpecialFolders(shellRoots_.network, shellRoots_.myComputer);
    results_ = std::make_unique<ResultListModel>(view_.ResultList(), *query_, *store_,
                                                 platform_.system.WindowsVersionNumber());
    maintenance_ = std::make_unique<EntryMaintenance>(*store_, *results_, language_, prefixes_);
    adder_ = std::make_unique<EntryAdder>(AddEntriesContext{*store_, platform_.files, platform_.shell, platform_.links,
                                                            platform_.fileDialogs, &language_});
    // A typed entry or a copy opens the editor on itself; Cancel there deletes it again.
    adder_->openEditorForNew = [this] { OpenEntryEditor(false); };
    keys_ = std::make_unique<KeyboardCommands>(static_cast<IKeyboardTarget&>(*this), *query_, view_.ResultList(),
                                               *platform_.clipboard, platform_.files);
    keys_->SetShellFolders(shellRoots_.myComputer, shellRoots_.controlPanel);
    defaultBrowser_ = DefaultBrowserProgram(platform_.registry, platform_.system.WindowsVersionNumber());
    language_.SetSaveSettings([this] { SaveSettings(); });

    log_ = std::make_unique<LogWriter>(platform_.files, folders_.dataFolder + "log.txt");
    fileOpLock_ = std::make_unique<LockCounter>(log_.get());
    inputLock_ = std::make_unique<LockCounter>(log_.get());
    CreateListBehaviour();
    CreateLaunching();
    CreateEntryUpkeep();
    CreateFolderBrowsing();
    skin_ = std::make_unique<Skin>(SkinSources{platform_.files, platform_.resources, folders_.skinsFolder});

    view_.ProcessPendingMessages();
    view_.StartTimer(WindowTimer::Housekeeping, kHousekeepingIntervalMs);
    view_.StartTimer(WindowTimer::Launch, kResultsIntervalMs);
    view_.StartTimer(WindowTimer::Startup, kStartupIntervalMs);
}

void MainForm::OnStartupTick() {
    view_.StopTimer(WindowTimer::Startup);
    ReadSettings();
    ShowErrors(store_->LoadEntries(LoadOptions{language_.languageIndex(), firstLaunch_}));
    ImportTempLinks();
    if (storedSettingsVersion_ == 0) {
        RenameLegacyIconFiles();
        // A file that could not be read may hold settings; it is not replaced by defaults.
        if (!settingsFile_->overwriteBlocked()) SaveSettings();
    }
    view_.RequestMinimise();
    started_ = true;
    view_.SetCaption(kCaptionRunning);
}

void MainForm::OnHousekeepingTick() {
    summonKeys_.RefreshKeys();
    if (keys_) keys_->controlDown = summonKeys_.keys().control;
    if (awaitingNewInstance_) PollNewInstance();
    if (released_ || !started_) return;
    if (firstLaunch_) {
        firstLaunch_ = false;
        view_.RequestRestore();
        view_.ProcessPendingMessages();
        // Yes opens the import wizard, which arrives with the import feature; until then the
        // answer changes nothing.
        (void)AskYesNo(language_.Text(texts::FirstLaunchQuestion));
    }
    if (showOnStartup_) {
        showOnStartup_ = false;
        view_.RequestRestore();
    }
    if (summonKeys_.ChordTick(started_, released_) != SummonDecision::Toggle) return;
    // The state the window is in or on its way to: a chord during a hide brings it back.
    const bool shown = visibility_ == Visibility::Shown || visibility_ == Visibility::Showing;
    switch (ResolveToggle(shown, MinimiseState())) {
        case VisibilityRequest::Restore:
            view_.RequestRestore();
            break;
        case VisibilityRequest::Minimise:
            view_.RequestMinimise();
            break;
        case VisibilityRequest::Nothing:
            break;
    }
}

MinimiseButtonState MainForm::MinimiseState() const {
    MinimiseButtonState state;
    state.fileOpLockHeld = !fileOpLock_->IsFree();
    state.mainWindowEnabled = view_.IsFormEnabled();
    if (editor_.isOpen()) {
        state.openDialog = ModalDialog::EditEntry;
        state.openDialogEnabled = view_.IsEntryEditorEnabled();
    }
    return state;
}

void MainForm::RestoreTransition() {
    if (!started_) return;
    // The user asked for the window after the launches already running: their success must
    // not hide it again.
    threads_->CancelPendingMinimise();
    if (InTransition()) {
        queuedRequest_ = VisibilityRequest::Restore;
        return;
    }
    visibility_ = Visibility::Showing;
    view_.StartTimer(WindowTimer::Results, kResultsIntervalMs);
    view_.CenterOnWorkArea();
    // Shown and painted before anything that may wait on another program.
    view_.SetFormVisible(true);
    view_.ForceForeground();
    // Last: the shell's tray can take seconds to answer (Wine hides its own tray window).
    view_.SetTrayIconVisible(false);
    visibility_ = Visibility::Shown;
    // Links another program left for us since the last look.
    ImportTempLinks();
    RunQueuedRequest();
}

void MainForm::MinimiseTransition() {
    if (InTransition()) {
        queuedRequest_ = VisibilityRequest::Minimise;
        return;
    }
    const Visibility before = visibility_;
    // Closing the in-place edit may show a message; a restore from there runs after the hide.
    visibility_ = Visibility::Hiding;
    // The edit entry dialog closes first, as its title bar would, unless a message box over it
    // or its icon picker holds the input. The web search dialog, which hiding closes too,
    // arrives later.
    const bool dialogClosed = editor_.isOpen() && inputLock_->IsFree();
    if (dialogClosed) view_.CloseEntryEditor();
    view_.ResultList().CommitEdit(true);
    if (released_ || !inputLock_->IsFree() || (!dialogClosed && !view_.IsFormEnabled())) {
        visibility_ = before;
        RunQueuedRequest();
        return;
    }
    results_->SwitchView(true);
    keys_->focus().FocusKeyCapture();
    keys_->SetInputText("");
    // The list shows the results of the empty input at once, not two ticks after the next show.
    results_->UniversalUpdate(false);
    view_.StopTimer(WindowTimer::Results);
    results_->waitingKeys().MarkStale();
    view_.SetFormVisible(false);
    view_.MoveOffScreen();
    view_.SetTrayIconVisible(true);
    // Without minimising once more: this hide is that minimise.
    threads_->ReleaseWait(true, false);
    visibility_ = Visibility::Hidden;
    RunQueuedRequest();
}

void MainForm::RunQueuedRequest() {
    const VisibilityRequest queued = std::exchange(queuedRequest_, VisibilityRequest::Nothing);
    if (queued == VisibilityRequest::Restore) RestoreTransition();
    if (queued == VisibilityRequest::Minimise) MinimiseTransition();
}

bool MainForm::FormCloseQuery() {
    if (RunningFileOperations() > 0) {
        ShowInfo(language_.Text(texts::FileOperationsRunning));
        return false;
    }
    closeAnswer_ = sessionEnding_ || AskYesNo(language_.Text(texts::ReallyQuit));
    return closeAnswer_;
}

void MainForm::FormDestroy() {
    view_.StopTimer(WindowTimer::Housekeeping);
    view_.StopTimer(WindowTimer::Startup);
    view_.StopTimer(WindowTimer::Results);
    view_.StopTimer(WindowTimer::Launch);
    launch_.reset();
    threads_.reset();
    keys_.reset();
    cleanup_.reset();
    busy_.reset();
    adder_.reset();
    maintenance_.reset();
    entryIcons_.reset();
    DestroyFolderBrowsing();
    results_.reset();
    query_.reset();
    fileOpLock_.reset();
    inputLock_.reset();
    log_.reset();
    // Rows refer to the stored entries; they go before the entries do.
    view_.ResultList().Items().Clear();
    store_.reset();
}

void MainForm::ReleaseWindow() {
    if (released_) return;
    view_.SetCaption(kCaptionReleased);
    view_.MarkReleased();
    if (!view_.StartProgram(folders_.exePath, folders_.programFolder) && log_)
        log_->Write("release: the new instance could not be started");
    // The released window goes on as a folder browser: at the selected entry's folder, else
    // at the folder character alone.
    if (!IsFolderBrowsing() && view_.ResultList().HasSelection()) BeginSearchInFolder();
    if (!IsFolderBrowsing()) keys_->SetInputText(prefixes_.FolderSearchChar());
    released_ = true;
    ShowReleasedTitle();
    // The free window's skin is tinted, so it is told apart from the new instance.
    ReportSkin(skin_->SetReleased());
    ApplySkinLook();
    // The housekeeping tick looks for the new instance; the window keeps working meanwhile.
    awaitingNewInstance_ = true;
    releasedAtMs_ = platform_.clock.NowMs();
}

void MainForm::PollNewInstance() {
    if (!view_.FindInstanceWindow(kCaptionRunning)) {
        if (platform_.clock.NowMs() - releasedAtMs_ < kReleaseWaitMs) return;
        if (log_) log_->Write("release: no new instance after 10 s, this window stays free");
    }
    awaitingNewInstance_ = false;
    view_.ForceForeground();
}

void MainForm::CreateEntryUpkeep() {
    entryIcons_ = std::make_unique<EntryIcons>(*store_, platform_.files, platform_.system, iconSource_,
                                               defaultBrowser_);
    entryIcons_->SetIconSizeProbe([this] { return rowMetrics_.iconSize; });
    maintenance_->SetIcons(entryIcons_.get());
    busy_ = std::make_unique<BusyPanel>(view_, *inputLock_, platform_.clock);
    cleanup_ = std::make_unique<EntryCleanup>(EntryCleanup::Parts{
        *store_, *maintenance_, *entryIcons_, *results_, *busy_, language_, platform_.files, iconSource_,
        platform_.system.WindowsVersionNumber(), [this](const Status& status) { ShowError(status); }});
}

void MainForm::RenameLegacyIconFiles() {
    RowList& entries = store_->EntryList();
    for (int i = 0; i < entries.Count(); ++i) entryIcons_->RenameEarlierFiles(EntryAt(entries, i));
}

void MainForm::ManageEntries(ManageCommand command) {
    // A bulk command waits for whatever holds the input (a message box, a launch, another one).
    if (!started_ || !inputLock_->IsFree()) return;
    switch (command) {
        case ManageCommand::RefreshIconCache: cleanup_->RefreshIconCache(); break;
        case ManageCommand::RemoveMissing: cleanup_->RemoveMissing(); break;
        case ManageCommand::RemoveDuplicates: cleanup_->RemoveDuplicates(); break;
    }
}

void MainForm::ReadSettings() {
    StoredSettings stored;
    ShowError(settingsFile_->Load(stored));
    settings_ = stored.settings;
    storedSettingsVersion_ = stored.version;
    language_.ApplyLanguage(settings_.language, true);
    SetOpacity(settings_.alpha, false, false);
    view_.ApplyStayOnTop(settings_.stayOnTop);
    view_.ApplyFontSmoothing(settings_.smoothFonts);
    view_.ApplyListSize(settings_.listWidth, settings_.listHeight);
    AttachListResizing();
    prefixes_ = PrefixCharactersOf(settings_);
    StartSkin();
}

void MainForm::SaveSettings() {
    settings_.language = language_.languageIndex();
    ShowError(settingsFile_->Save(settings_));
}

void MainForm::ToggleOption(OptionFlag flag) {
    bool& value = OptionFlagOf(settings_, flag);
    value = !value;
    if (flag == OptionFlag::StayOnTop) view_.ApplyStayOnTop(value);
    if (flag == OptionFlag::SmoothFonts) {
        view_.ApplyFontSmoothing(value);
        UpdateRowIconSize();  // the row font follows with the row metrics
    }
    if (flag == OptionFlag::LargeIcons || flag == OptionFlag::LargeSearchIcons) {
        // Icons of the other size are loaded again as rows are painted.
        store_->IconCache().ReleaseAll();
        if (flag == OptionFlag::LargeIcons && !IsFolderBrowsing()) UpdateRowIconSize(false);
        if (flag == OptionFlag::LargeSearchIcons && IsFolderBrowsing()) UpdateRowIconSize();
        view_.ResultList().Repaint();
    }
    // The other flags take effect where they are read: launching, folder browsing, drawing.
    SaveSettings();
}

void MainForm::FormEditChange(const std::string& text) {
    if (query_) query_->FormEditChange(text);
}

void MainForm::OnResultsTick() {
    results_->OnResultsTick(inputLock_->IsFree());
    // The caret blinks and the spinner turns with the tick's counter.
    ShowInputLineState();
}

std::string MainForm::ExpandPath(const std::string& path) const { return store_->ResolveEntryPath(path, true); }

void MainForm::ShowError(const Status& status) {
    if (!status) platform_.boxes.ShowError(status.message());
}

void MainForm::ShowErrors(const Failures& failures) {
    for (const Status& status : failures.All()) ShowError(status);
}

void MainForm::ShowInfo(const std::string& text) {
    LockHold hold(*inputLock_, kShowInfoLockId);
    platform_.boxes.ShowMessage(text);
}

bool MainForm::AskYesNo(const std::string& text) {
    LockHold hold(*inputLock_, kAskYesNoLockId);
    return platform_.boxes.AskQuestion(text);
}

void MainForm::SetUserInput(bool enable, int id) {
    if (enable)
        inputLock_->Unregister(id);
    else
        inputLock_->Register(id);
    view_.SetInputEnabled(inputLock_->IsFree());
}

}  // namespace qx
