// The main window's keyboard, list and view-switch wiring.
#include <utility>

#include "app/EntryMaintenance.h"
#include "app/input/KeyboardCommands.h"
#include "app/MainForm.h"
#include "app/RowContextMenu.h"
#include "controls/ListBoxModel.h"
#include "exec/LaunchPipeline.h"
#include "exec/LaunchWorkers.h"
#include "search/FolderBrowser.h"
#include "search/ResultListModel.h"
#include "skin/InputLineText.h"
#include "store/EntryRows.h"
#include "store/EntryStore.h"

namespace qx {

namespace {

// The in-place rename holds the input, so no search changes the rows under it.
constexpr int kRenameLockId = 80;

}  // namespace

void MainForm::CreateListBehaviour() {
    ResultListHooks hooks;
    hooks.isReleased = [this] { return released_; };
    hooks.isInputLockFree = [this] { return inputLock_->IsFree(); };
    hooks.isFolderBrowsing = [this] { return IsFolderBrowsing(); };
    hooks.isWindowEnabled = [this] { return view_.IsFormEnabled(); };
    hooks.endInPlaceEdit = [this] {
        if (fileOpLock_->IsFree()) view_.ResultList().CommitEdit(true);
    };
    hooks.focusKeyCapture = [this] { keys_->focus().FocusKeyCapture(); };
    hooks.setInputText = [this](const std::string& text) { keys_->SetInputText(text); };
    hooks.updateLaunchThreads = [this] { UpdateLaunchState(); };
    hooks.listFolder = [this](bool reload) { ListFolder(reload); };
    hooks.refreshFolder = [this] { browser_->RefreshFolder(false, true, false); };
    results_->SetHooks(std::move(hooks));

    WaitingKeysHooks waiting;
    waiting.goInto = [this] { keys_->GoInto(); };
    waiting.launch = [this](ModifierKeys keys) { ResultListDblClick(true, keys); };
    waiting.isInputLockFree = [this] { return inputLock_->IsFree(); };
    results_->SetWaitingKeysHooks(std::move(waiting));

    EntryStoreHooks storeHooks;
    storeHooks.isFolderBrowsing = [this] { return IsFolderBrowsing(); };
    storeHooks.rebuildResultList = [this] { results_->RefreshList(); };
    storeHooks.autoAddFile = [this](const std::string& path) {
        AutoAddOptions options;
        options.takeLinkTarget = true;
        std::string addedName;
        return adder_->AutoAddFile(path, options, addedName);
    };
    storeHooks.selectInAllEntries = [this](const std::string& name) {
        results_->ChangeToListBox();
        view_.ResultList().SetSelected(view_.ResultList().Items().IndexOf(name));
    };
    store_->SetHooks(std::move(storeHooks));

    maintenance_->SetHooks({[this](const std::string& question) { return AskYesNo(question); },
                            [this](const std::string& text) { ShowInfo(text); },
                            [this](const Status& status) { ShowError(status); }});

    EditEntryHooks editorHooks;
    editorHooks.replace = [this](std::unique_ptr<Entry> edited) {
        return maintenance_->ReplaceEdited(editorRow_, std::move(edited));
    };
    editorHooks.cancelled = [this](bool freshEntry) {
        // The fresh entry is saved already; leaving it in Files.txt would bring it back.
        if (freshEntry && maintenance_->DeleteEntry(editorRow_)) ShowError(store_->SaveEntries(false));
        else results_->RefreshList();
    };
    editorHooks.setUserInput = [this](bool enable, int id) { SetUserInput(enable, id); };
    editorHooks.sessionEnding = [this] { return sessionEnding_; };
    editor_.SetHooks(std::move(editorHooks));

    ListBoxModel& list = view_.ResultList();
    list.OnDblClick = [this](MouseModifiers keys) {
        keys.ctrl = keys.ctrl || keys_->controlDown;
        ResultListDblClick(false, keys);
    };
    list.OnContextMenu = [this](int, int) { OpenRowContextMenu(); };
    list.OnMiddleClick = [this] { MiddleClick(); };
    list.OnBeginEdit = [this](int row) { BeginRename(row); };
    list.OnEditEnded = [this] {
        if (renameLockHeld_) inputLock_->Unregister(kRenameLockId);
        renameLockHeld_ = false;
    };
    list.OnEditCommit = [this](int, const std::string& text, bool closedFromOutside) {
        CommitRename(text, closedFromOutside);
    };
}

void MainForm::BeginRename(int row, const std::string& initialText) {
    ListBoxModel& list = view_.ResultList();
    // Stored entries are renamed in entry search only: a history row is no entry, whatever
    // its text, and folder listings get their own rename with the folder browser.
    if (!inputLock_->IsFree() || IsFolderBrowsing() || query_->Mode() != InputMode::EntrySearch) return;
    if (row < 0 || row >= list.Count()) return;
    RowData* object = list.Items().Objects(row);
    const Entry* entry = EntryIfAny(object);
    if (!entry || entry->iconState == IconState::FolderListing) return;
    const std::string name = PlainEntryName(entry->Name());
    // The rows belong to the settled input; typing that has not reached them yet is undone with
    // the keys queued behind it, so input and rows agree while the row is edited.
    if (query_->searchResultsView && query_->currentText() != results_->settledText()) {
        results_->waitingKeys().Drop();
        keys_->SetInputText(results_->settledText());
    }
    list.EndEdit();
    inputLock_->Register(kRenameLockId);
    renameLockHeld_ = true;
    // The edit remembers the row's entry object: the commit renames exactly that entry.
    renameRow_ = object;
    list.BeginEdit(row, initialText.empty() ? name : initialText);
}

void MainForm::CommitRename(const std::string& text, bool closedFromOutside) {
    RowData* object = std::exchange(renameRow_, nullptr);
    if (!object || maintenance_->RenameInPlace(object, text) || closedFromOutside) return;
    // A refused name is offered again on the same entry's row.
    const int row = view_.ResultList().Items().IndexOfObject(object);
    if (row >= 0) BeginRename(row, text);
}

void MainForm::MiddleClick() {
    if (!inputLock_->IsFree()) return;
    if (view_.ResultList().HasSelection())
        QueueGoInto();
    else
        keys_->GoUp();
}

void MainForm::CreateLaunching() {
    LaunchWorkersServices services;
    services.launcher = platform_.shellLauncher;
    services.clipboard = platform_.clipboard;
    services.setUserInput = [this](bool enable, int id) { SetUserInput(enable, id); };
    services.languageIndex = [this] { return language_.languageIndex(); };
    services.showInfo = [this](const std::string& text) { ShowInfo(text); };
    services.minimise = [this] {
        if (MinimiseButtonAllows(MinimiseState())) view_.RequestMinimise();
    };
    services.repaintTitle = [this] { ShowInputLineState(); };
    services.promptPassword = [this](const std::string& caption, const std::string& prompt) {
        return view_.PromptPassword(caption, prompt);
    };
    threads_ = std::make_unique<LaunchWorkers>(std::move(services));

    LaunchHooks hooks;
    hooks.startLaunch = [this](const LaunchRequest& request) { threads_->StartLaunch(request); };
    hooks.inputMode = [this] { return query_->Mode(); };
    hooks.ctrlHeld = [this] { return keys_->controlDown || platform_.keyboard.IsKeyDown(vk::kControl); };
    hooks.isReleased = [this] { return released_; };
    hooks.lockUntilExecDone = [this] { return settings_.lockQuilloxUntilExecDone; };
    hooks.noAutoMinimiseInFolderBrowser = [this] { return settings_.noAutoMinInFolderSearch; };
    hooks.defaultBrowser = [this] { return defaultBrowser_; };
    hooks.endInPlaceEdit = [this] {
        if (fileOpLock_->IsFree()) view_.ResultList().CommitEdit(true);
    };
    hooks.isFolderBrowsing = [this] { return IsFolderBrowsing(); };
    hooks.isPathMode = [this] { return IsPathMode(query_->currentText()); };
    hooks.browsedFolder = [this] { return query_->browsedFolder(); };
    hooks.setFormEnabled = [this](bool enabled) { SetFormEnabledForShell(enabled); };
    hooks.navigateFolderView = [this](const std::string& location) { return browser_->NavigateFromRoot(location); };
    hooks.findFolderViewItem = [this](const std::string& name) { return browser_->FindShellItem(name); };
    hooks.currentFolderViewItem = [this] { return browser_->CurrentShellFolder(); };
    hooks.showError = [this](const std::string& message) { platform_.boxes.ShowError(message); };
    // The password is asked by the launch threads when the launch starts, not here.
    launch_ = std::make_unique<LaunchPipeline>(
        LaunchContext{*store_, view_.ResultList(), platform_.files, platform_.installer}, std::move(hooks));
}

void MainForm::ResultListDblClick(bool fromKeyboard, ModifierKeys keys) {
    if (!inputLock_->IsFree()) return;
    // A folder of the listing is entered, not opened in a window of its own.
    const bool onRows = fromKeyboard || view_.ResultList().LastPressZone() == ListZone::Rows;
    if (onRows && !keys.ctrl && !keys.alt && !keys.shift && SelectedRowIsFolder()) {
        GoIntoFolderRow();
        return;
    }
    launch_->ResultListDblClick(fromKeyboard ? LaunchSender::MainWindow : LaunchSender::ResultList, keys);
}

void MainForm::FormMouseUp() { UpdateLaunchState(); }

void MainForm::OnLaunchTick() {
    if (threads_) threads_->OnLaunchTick();
}

bool MainForm::IsLaunchRunning() const { return threads_->Busy(); }

void MainForm::ShowInputLineState() {
    InputLineState state;
    if (query_) state.input = query_->currentText();
    if (threads_) {
        state.launchRunning = threads_->Busy();
        state.launchTicks = threads_->ShownTicks();
    }
    if (results_) state.blinkCounter = results_->cycleCounter();
    view_.SetInputLineState(state);
}

void MainForm::UpdateLaunchState() { threads_->ReleaseWait(true, false); }

void MainForm::OpenContainingFolder() { launch_->OpenContainingFolder(LaunchSender::MainWindow); }

void MainForm::OpenRowContextMenu() {
    ListBoxModel& list = view_.ResultList();
    if (!inputLock_->IsFree() || !list.HasSelection()) return;
    // The menu acts on the row it was opened for, even if the rows are rebuilt while it is up.
    menuRow_ = list.Items().Objects(list.SelectedIndex());
    menuRowText_ = list.SelectedText();
    view_.ShowRowContextMenu(VisibleRowMenuItems(IsFolderBrowsing(), query_->Mode()));
}

bool MainForm::SelectMenuRow() {
    ListBoxModel& list = view_.ResultList();
    const int row = list.Items().IndexOfObject(menuRow_);
    if (!menuRow_ || row < 0 || list.Items().Strings(row) != menuRowText_) return false;
    if (row != list.SelectedIndex()) list.SetSelected(row);
    return true;
}

void MainForm::RunRowMenuItem(RowMenuItem item) {
    if (!inputLock_->IsFree() || !SelectMenuRow()) return;
    switch (item) {
        case RowMenuItem::Remove:
            RemoveSelectedRow();
            break;
        case RowMenuItem::Rename:
            keys_->BeginRename();
            break;
        case RowMenuItem::Run:
            // "Ausführen" keeps the window.
            launch_->LaunchRow(menuRow_, menuRowText_, MinimiseMode::Never, launch_->InputStaysFree());
            break;
        case RowMenuItem::GoToParentFolder:
            launch_->OpenContainingFolder(LaunchSender::FolderMenuItem);
            break;
        case RowMenuItem::RefreshFileInfo:
            cleanup_->RefreshFileInformation();
            break;
        case RowMenuItem::CreateCopy:
            if (const Entry* entry = EntryIfAny(menuRow_);
                entry && !IsFolderBrowsing() && entry->iconState != IconState::FolderListing)
                ShowError(adder_->CreateCopy(*entry));
            break;
        case RowMenuItem::Edit:
            OpenEntryEditor(true);
            break;
        // The command prompt and the shell's own menu arrive with folder browsing.
        default:
            break;
    }
}

void MainForm::OpenEntryEditor(bool editingExisting) {
    ListBoxModel& list = view_.ResultList();
    if (editor_.isOpen() || IsFolderBrowsing() || query_->Mode() != InputMode::EntrySearch || !list.HasSelection())
        return;
    // The row's own entry object, never one looked up by name: names may repeat.
    RowData* object = list.Items().Objects(list.SelectedIndex());
    const Entry* entry = EntryIfAny(object);
    if (!entry || store_->EntryList().IndexOfObject(object) < 0) return;
    editorRow_ = object;
    editor_.Open(*entry, editingExisting, settings_.editEntryWinver);
    view_.ShowEntryEditor(editor_);
    // A dialog that could not be shown counts as cancelled, so the next Ctrl+E opens again.
    if (editor_.isOpen()) editor_.Close();
    editorRow_ = nullptr;
}

bool MainForm::KeyDown(int key, bool alt, bool shift) {
    if (!keys_) return false;  // the window is being destroyed
    if (keys_->DialogKey(key)) return true;
    if (keys_->ResultListKeyDown(key, KeyShift{alt, shift})) return true;
    if (!keys_->focus().MainMenuAttached()) return false;
    const auto command = FindMenuShortcut(key, keys_->controlDown || platform_.keyboard.IsKeyDown(vk::kControl), alt);
    if (!command) return false;
    keys_->RunMenuCommand(*command);
    return true;
}

void MainForm::KeyPress(char& key) {
    if (keys_) keys_->ResultListKeyPress(key);
}

void MainForm::FieldFocusChanged(KeyField field, bool focused) {
    if (!keys_) return;
    KeyCaptureFocus& focus = keys_->focus();
    if (field == KeyField::KeyCapture) focused ? focus.KeyCaptureEnter() : focus.KeyCaptureExit();
    if (field == KeyField::InputLine) focused ? focus.FormEditEnter() : focus.FormEditExit();
}

void MainForm::KeyCaptureChange(const std::string& text) {
    if (keys_) keys_->focus().KeyCaptureChange(text);
}

void MainForm::MouseWheel(int wheelDelta) { keys_->FormMouseWheel(wheelDelta); }

void MainForm::SwitchToSearchResults() { results_->SwitchView(true); }

void MainForm::QueueMove(int delta) { results_->waitingKeys().QueueMove(delta); }

void MainForm::QueueGoInto() { results_->waitingKeys().QueueGoInto(); }

void MainForm::QueueLaunch(ModifierKeys keys) { results_->waitingKeys().QueueLaunch(keys); }

void MainForm::ClearQueuedMoves() { results_->waitingKeys().SetMoveDelta(0); }

void MainForm::UniversalUpdate(bool notify, bool reload) { results_->UniversalUpdate(notify, reload); }

void MainForm::ChangeToListBox() { results_->ChangeToListBox(); }

void MainForm::RemoveSelectedRow() { maintenance_->RemoveSelectedEntry(); }

void MainForm::SaveEntries() { ShowError(store_->SaveEntries(true)); }

void MainForm::RunAddCommand(AddEntryCommand command) {
    if (!inputLock_->IsFree() || released_) return;
    ShowError(adder_->Run(command));
}

void MainForm::ImportTempLinks() {
    if (!released_) ShowError(store_->ImportLooseFiles(folders_.tempLinksFolder).saved);
}

}  // namespace qx
