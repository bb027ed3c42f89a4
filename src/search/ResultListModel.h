#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Status.h"
#include "search/EntrySearch.h"
#include "search/WaitingKeys.h"

namespace qx {

class EntryStore;
class QueryState;
class ListBoxModel;

// What the result list asks of the rest of the program. An empty hook does nothing; empty
// probes answer: not released, input lock free, not browsing, window enabled.
struct ResultListHooks {
    std::function<bool()> isReleased;
    std::function<bool()> isInputLockFree;
    std::function<bool()> isFolderBrowsing;
    std::function<bool()> isWindowEnabled;
    // Closes a running in-place row edit as from outside (the owner's commit routine); without
    // it the list commits the edit itself.
    std::function<void()> endInPlaceEdit;
    // Lets the launch thread interface update its state.
    std::function<void()> updateLaunchThreads;
    // Gives the keyboard focus to the key capture field.
    std::function<void()> focusKeyCapture;
    // Sets the input line's text; its change handling runs at once.
    std::function<void(const std::string& text)> setInputText;
    // Folder browsing: lists the typed path (path mode, passing reload) or the browsed folder
    // through its filter, selects row 0 and updates the application title.
    std::function<void(bool reload)> listFolder;
    // Folder browsing: re-reads the open folder without forcing.
    std::function<void()> refreshFolder;
};

// The rows of the main window's list: the search results for the input, all stored entries,
// or a folder listing; the result timer that rebuilds them once typing has settled, the view
// switch, and the keys waiting for current rows.
//
// Rows of a folder listing own their entries; rows of the search results and of the
// all-entries view refer to the EntryList's objects. The list's removal hook frees only what
// a row owns (see OnRowRemoval).
class ResultListModel {
public:
    // Saved list positions.
    static constexpr int kAllEntriesSlot = 1;
    static constexpr int kRefreshSlot = 2;
    static constexpr int kForgetLineSlot = 24;
    // The folder refresh counter runs 0..kFolderRefreshTicks-1: a re-read about every 2.1 s.
    static constexpr int kFolderRefreshTicks = 21;

    // Installs OnRowRemoval as the list's removal hook.
    ResultListModel(ListBoxModel& list, QueryState& query, EntryStore& store, int windowsVersion);
    // Takes the removal hook back; the list then frees what its rows own by itself.
    ~ResultListModel();
    ResultListModel(const ResultListModel&) = delete;
    ResultListModel& operator=(const ResultListModel&) = delete;

    void SetHooks(ResultListHooks hooks) { hooks_ = std::move(hooks); }
    // The go-into and launch actions of replayed keys.
    void SetWaitingKeysHooks(WaitingKeysHooks hooks);

    // The 100 ms tick: advances the cycle counter; rebuilds on the second tick after the last
    // input change; re-reads an open folder every 21 ticks; replays waiting keys afterwards.
    void OnResultsTick(bool inputLockFree);
    // Rebuilds the list for the current input (entries, a history, or a folder), selects row 0
    // and scrolls to the top. reload is passed to a path-mode folder listing.
    void UniversalUpdate(bool notify, bool reload = false);

    // On: the search results; off: every stored entry, at the position it was left.
    void SwitchView(bool on);
    // The "show all entries" button and Ctrl+Alt+A.
    void ChangeToListBox() { SwitchView(false); }
    // Rebuilds whichever view is shown, after entries were added, removed or saved.
    void RefreshList();

    // The Delete key in command or URL mode: drops the selected history line (not row 0, which
    // is the line built from the input) and saves both histories; returns the save failures.
    Failures ForgetLine();

    // The list's removal hook: every removal is allowed; a row's object goes with it exactly
    // when the row owns it (a folder-listing row), never when it refers to a stored entry.
    bool OnRowRemoval(int index, bool& keepObject);

    WaitingKeys& waitingKeys() { return waitingKeys_; }
    const WaitingKeys& waitingKeys() const { return waitingKeys_; }
    bool searchResultsView() const;
    bool folderBrowsing() const { return FolderBrowsing(); }
    // Counts 0..7 with every tick: the caret blink and the busy spinner follow it.
    std::uint8_t cycleCounter() const { return cycleCounter_; }
    int folderRefreshCounter() const { return folderRefreshCounter_; }
    // Entering another folder starts its refresh period afresh.
    void ResetFolderRefreshCounter() { folderRefreshCounter_ = 0; }
    // The input the rows were last built for.
    const std::string& settledText() const { return waitingKeys_.settledText(); }
    ListBoxModel& list() { return list_; }
    const QueryState& query() const { return query_; }
    // The entry search, for callers that must drop its cached lines.
    EntrySearch& search() { return search_; }

private:
    bool Released() const { return hooks_.isReleased && hooks_.isReleased(); }
    bool InputLockFree() const { return !hooks_.isInputLockFree || hooks_.isInputLockFree(); }
    bool FolderBrowsing() const { return hooks_.isFolderBrowsing && hooks_.isFolderBrowsing(); }
    bool WindowEnabled() const { return !hooks_.isWindowEnabled || hooks_.isWindowEnabled(); }
    void AdvanceFolderRefresh();

    ListBoxModel& list_;
    QueryState& query_;
    EntryStore& store_;
    int windowsVersion_;
    ResultListHooks hooks_;
    EntrySearch search_;
    WaitingKeys waitingKeys_;
    std::uint8_t cycleCounter_ = 0;
    int folderRefreshCounter_ = 0;
};

}  // namespace qx
