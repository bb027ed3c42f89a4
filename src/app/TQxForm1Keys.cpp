// The main window's keyboard, list and view-switch wiring.
#include "app/EntryMaintenance.h"
#include "app/input/KeyboardCommands.h"
#include "app/ListboxPopupMenu.h"
#include "app/TQxForm1.h"
#include "controls/OvraLB.h"
#include "exec/LaunchPipeline.h"
#include "exec/ThreadInterface.h"
#include "exec/WaitingDisplay.h"
#include "search/ResultListModel.h"
#include "store/EntryStore.h"

namespace qx {

void TQxForm1::CreateListBehaviour() {
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
    results_->SetHooks(std::move(hooks));

    WaitingKeysHooks waiting;
    waiting.goInto = [this] { keys_->GoInto(); };
    waiting.launch = [this] { ResultListDblClick(true); };
    waiting.isInputLockFree = [this] { return inputLock_->IsFree(); };
    results_->SetWaitingKeysHooks(std::move(waiting));

    EntryStoreHooks storeHooks;
    storeHooks.isFolderBrowsing = [this] { return IsFolderBrowsing(); };
    storeHooks.rebuildResultList = [this] { results_->RefreshList(); };
    storeHooks.selectInAllEntries = [this](const std::string& name) {
        results_->ChangeToListBox();
        view_.ResultList().SetSelected(view_.ResultList().Items().IndexOf(name));
    };
    store_->SetHooks(std::move(storeHooks));

    maintenance_->SetHooks({[this](const std::string& question) { return AskYesNo(question); },
                            [this](const std::string& text) { ShowInfo(text); },
                            [this](const Status& status) { ShowError(status); }});

    TovraLB& list = view_.ResultList();
    list.OnDblClick = [this] { ResultListDblClick(false); };
    list.lbPopupmenu = [this](int, int) { OpenRowContextMenu(); };
    list.OnBeginEdit = [this](int row) {
        TovraLB& rows = view_.ResultList();
        rows.BeginEdit(row, PlainEntryName(rows.Items().Strings(row)));
    };
    list.OnEditCommit = [this](int row, const std::string& text, bool closedFromOutside) {
        CommitRename(row, text, closedFromOutside);
    };
}

void TQxForm1::CommitRename(int row, const std::string& text, bool closedFromOutside) {
    TovraLB& list = view_.ResultList();
    if (row < 0 || row >= list.Count()) return;
    const std::string oldName = list.Items().Strings(row);
    // A refused name is offered again, unless the edit was closed by hiding the window.
    if (!maintenance_->RenameInPlace(oldName, text) && !closedFromOutside) list.BeginEdit(row, text);
}

void TQxForm1::CreateLaunching() {
    ThreadInterfaceServices services;
    services.launcher = platform_.shellLauncher;
    services.clipboard = platform_.clipboard;
    services.keyboard = &platform_.keyboard;
    services.inputLock = inputLock_.get();
    services.languageIndex = [this] { return language_.languageIndex(); };
    services.showInfo = [this](const std::string& text) { ShowInfo(text); };
    services.minimise = [this] {
        if (MinimiseButtonAllows(MinimiseState())) view_.RequestMinimise();
    };
    services.repaintTitle = [this] {
        view_.ShowWaitingText(threads_->Busy() ? WaitingDisplayText(threads_->ShownTicks(), results_->cycleCounter())
                                               : std::string());
    };
    services.promptPassword = [this](const std::string& caption, const std::string& prompt) {
        return view_.PromptPassword(caption, prompt);
    };
    threads_ = std::make_unique<TThreadInterface>(std::move(services));

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
    hooks.showError = [this](const std::string& message) { platform_.boxes.ShowError(message); };
    // The password is asked by the launch threads when the launch starts, not here.
    launch_ = std::make_unique<LaunchPipeline>(
        LaunchContext{*store_, view_.ResultList(), platform_.files, platform_.keyboard, platform_.installer},
        std::move(hooks));
}

void TQxForm1::ResultListDblClick(bool fromKeyboard) {
    launch_->ResultListDblClick(fromKeyboard ? LaunchSender::MainWindow : LaunchSender::ResultList);
}

void TQxForm1::ExecTimerTimer() {
    if (threads_) threads_->ExecTimerTimer();
}

bool TQxForm1::IsLaunchRunning() const { return threads_->Busy(); }

void TQxForm1::UpdateLaunchState() { threads_->ReleaseWait(true, false); }

void TQxForm1::OpenContainingFolder() { launch_->InDenOrdnerWechseln1Click(LaunchSender::MainWindow); }

void TQxForm1::OpenRowContextMenu() {
    if (!inputLock_->IsFree() || !view_.ResultList().HasSelection()) return;
    view_.ShowRowContextMenu(ListboxPopupVisibility(IsFolderBrowsing(), query_->Mode()));
}

void TQxForm1::RunPopupItem(PopupItem item) {
    switch (item) {
        case PopupItem::Remove:
            RemoveSelectedRow();
            break;
        case PopupItem::Rename:
            keys_->BeginRename();
            break;
        case PopupItem::Run:
            ResultListDblClick(true);
            break;
        case PopupItem::GoToParentFolder:
            launch_->InDenOrdnerWechseln1Click(LaunchSender::FolderMenuItem);
            break;
        // Editing, copying, the command prompt, the shell's own menu and the file information
        // arrive with the edit dialog, adding and folder browsing.
        default:
            break;
    }
}

bool TQxForm1::KeyDown(int key, bool alt, bool shift) {
    if (!keys_) return false;  // the window is being destroyed
    if (keys_->DialogKey(key)) return true;
    if (keys_->ResultListKeyDown(key, KeyShift{alt, shift})) return true;
    if (!keys_->focus().MainMenuAttached()) return false;
    const auto command = FindMenuShortcut(key, keys_->controlDown || platform_.keyboard.IsKeyDown(vk::kControl), alt);
    if (!command) return false;
    keys_->RunMenuCommand(*command);
    return true;
}

void TQxForm1::KeyPress(char& key) {
    if (keys_) keys_->ResultListKeyPress(key);
}

void TQxForm1::FieldFocusChanged(KeyField field, bool focused) {
    if (!keys_) return;
    KeyCaptureFocus& focus = keys_->focus();
    if (field == KeyField::KeyCapture) focused ? focus.GetKeyEditEnter() : focus.GetKeyEditExit();
    if (field == KeyField::InputLine) focused ? focus.FormEditEnter() : focus.FormEditExit();
}

void TQxForm1::GetKeyEditChange(const std::string& text) {
    if (keys_) keys_->focus().GetKeyEditChange(text);
}

void TQxForm1::MouseWheel(int wheelDelta) { keys_->FormMouseWheel(wheelDelta); }

void TQxForm1::SwitchToSearchResults() { results_->SwitchView(true); }

void TQxForm1::SendEndKey() { platform_.keyboard.SendKeyPress(vk::kEnd); }

void TQxForm1::QueueMove(int delta) { results_->waitingKeys().QueueMove(delta); }

void TQxForm1::QueueGoInto() { results_->waitingKeys().QueueGoInto(); }

void TQxForm1::QueueLaunch() { results_->waitingKeys().QueueLaunch(); }

void TQxForm1::ClearQueuedMoves() { results_->waitingKeys().SetMoveDelta(0); }

void TQxForm1::UniversalUpdate(bool notify, bool reload) { results_->UniversalUpdate(notify, reload); }

void TQxForm1::ChangeToListBox() { results_->ChangeToListBox(); }

void TQxForm1::RemoveSelectedRow() { maintenance_->RemoveSelectedEntry(); }

void TQxForm1::SaveEntries() { ShowError(store_->SaveEntries(true)); }

}  // namespace qx
