#include "search/ResultListModel.h"

#include "controls/ListBoxModel.h"
#include "search/QueryState.h"
#include "store/EntryStore.h"

namespace qx {

ResultListModel::ResultListModel(ListBoxModel& list, QueryState& query, EntryStore& store, int windowsVersion)
    : list_(list), query_(query), store_(store), windowsVersion_(windowsVersion), waitingKeys_(list, query) {
    list_.OnRowRemoval = [this](int index, bool& keepObject) { return OnRowRemoval(index, keepObject); };
}

ResultListModel::~ResultListModel() { list_.OnRowRemoval = nullptr; }

void ResultListModel::SetWaitingKeysHooks(WaitingKeysHooks hooks) {
    // A replayed launch must wait for the same lock as every other key.
    if (!hooks.isInputLockFree) hooks.isInputLockFree = [this] { return InputLockFree(); };
    waitingKeys_.SetHooks(std::move(hooks));
}

bool ResultListModel::OnRowRemoval(int index, bool& keepObject) {
    // Only rows made for a folder listing (icon state 3) own their objects; search results and
    // the all-entries view refer to the EntryList's, which the row list never frees. So
    // "free when owned" is the whole rule: an owned row object has no other owner to keep it
    // for, whatever state its entry is in, and keeping it would leak it.
    (void)index;
    keepObject = false;
    return true;
}

bool ResultListModel::searchResultsView() const { return query_.searchResultsView; }

void ResultListModel::OnResultsTick(bool inputLockFree) {
    cycleCounter_ = static_cast<std::uint8_t>((cycleCounter_ + 1) % 8);
    if (!query_.searchResultsView || !inputLockFree) return;
    if (++query_.settleCounter == 2) {
        UniversalUpdate(true, false);
        return;
    }
    if (FolderBrowsing()) AdvanceFolderRefresh();
    if (query_.settleCounter > 2) {
        query_.settleCounter = 2;
        waitingKeys_.ReplayWaitingKeys();
    }
}

void ResultListModel::AdvanceFolderRefresh() {
    folderRefreshCounter_ = (folderRefreshCounter_ + 1) % kFolderRefreshTicks;
    // A disabled window has a dialog open over it; the folder can wait for it to close.
    if (folderRefreshCounter_ == 0 && WindowEnabled() && hooks_.refreshFolder) hooks_.refreshFolder();
}

void ResultListModel::UniversalUpdate(bool notify, bool reload) {
    query_.settleCounter = 2;
    if (FolderBrowsing()) {
        if (hooks_.listFolder) hooks_.listFolder(reload);
    } else {
        search_.SearchEntries(query_, store_.EntryList(), store_.CommandHistory().Lines(),
                              store_.UrlHistory().Lines(), list_.Items(), windowsVersion_);
        list_.SetSelected(0);
    }
    waitingKeys_.SetSettledText(query_.currentText());
    list_.SetTopIndex(0);
    if (notify) list_.Repaint();
}

void ResultListModel::SwitchView(bool on) {
    if (Released() || on == query_.searchResultsView) return;
    if (hooks_.endInPlaceEdit) hooks_.endInPlaceEdit();
    else if (list_.Editing()) list_.CommitEdit(true);
    if (hooks_.updateLaunchThreads) hooks_.updateLaunchThreads();
    if (!InputLockFree()) return;

    if (hooks_.focusKeyCapture) hooks_.focusKeyCapture();
    query_.searchResultsView = on;
    if (on) {
        waitingKeys_.SetEnabled(true);
        waitingKeys_.SetMoveDelta(0);
        // Slot 1 remembers where the all-entries view was left, for its next showing.
        if (!FolderBrowsing()) list_.SavePosition(kAllEntriesSlot);
        return;
    }
    waitingKeys_.SetEnabled(false);
    waitingKeys_.SetSettledText({});
    if (hooks_.setInputText) hooks_.setInputText("");
    list_.AssignItems(store_.EntryList());
    list_.RestorePosition(kAllEntriesSlot);
    list_.Repaint();
}

void ResultListModel::RefreshList() {
    if (query_.searchResultsView) {
        UniversalUpdate(false, false);
        return;
    }
    list_.SavePosition(kRefreshSlot);
    list_.AssignItems(store_.EntryList());
    list_.RestorePosition(kRefreshSlot);
}

Failures ResultListModel::ForgetLine() {
    Failures failures;
    if (FolderBrowsing()) return failures;
    const InputMode mode = query_.Mode();
    if (mode == InputMode::EntrySearch) return failures;
    // Row 0 is the line built from the input; it is in no history.
    if (!list_.HasSelection() || list_.SelectedIndex() == 0) return failures;

    list_.SavePosition(kForgetLineSlot);
    History& history = mode == InputMode::Url ? store_.UrlHistory() : store_.CommandHistory();
    history.Delete(list_.SelectedText());
    UniversalUpdate(false, false);
    list_.RestorePosition(kForgetLineSlot);
    list_.Repaint();
    failures.Add(store_.SaveHistory(store_.CommandHistory()));
    failures.Add(store_.SaveHistory(store_.UrlHistory()));
    return failures;
}

}  // namespace qx
