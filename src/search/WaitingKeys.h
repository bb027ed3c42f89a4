#pragma once
#include <functional>
#include <string>

#include "platform/KeyboardState.h"

namespace qx {

class QueryState;
class ListBoxModel;

// What a replayed key sets off. An empty hook does nothing; an empty lock probe counts as free.
struct WaitingKeysHooks {
    // The Right key's action on the selected row (enter a folder, browse an entry's folder,
    // complete a history line).
    std::function<void()> goInto;
    // The list's double-click action on the selected row, with the modifier keys as they were
    // when Enter was pressed.
    std::function<void(ModifierKeys keys)> launch;
    std::function<bool()> isInputLockFree;
};

// Navigation and launch keys that arrive while the list still shows the results of an older
// input. They wait until the rows belong to the current input and are then replayed, one kind
// per tick, so typing followed at once by Down and Enter launches a row of the typed query.
class WaitingKeys {
public:
    WaitingKeys(ListBoxModel& list, const QueryState& query) : list_(list), query_(query) {}
    WaitingKeys(const WaitingKeys&) = delete;
    WaitingKeys& operator=(const WaitingKeys&) = delete;

    void SetHooks(WaitingKeysHooks hooks) { hooks_ = std::move(hooks); }

    // Moves the selection by delta rows now, or adds delta to the queued move while the rows
    // are stale or a go-into is still to be replayed.
    void QueueMove(int delta);
    void QueueGoInto();
    // keys: the modifiers of the Enter press; they decide the launch however late it runs.
    void QueueLaunch(ModifierKeys keys = {});
    // Run by the result timer once the rows have settled: replays at most one queued kind
    // (go-into, then move, then launch) when the rows are current; drops the queue when the
    // input is empty.
    void ReplayWaitingKeys();

    // The rows do not belong to the input: it changed since the last rebuild, or it is empty.
    bool IsStale() const;
    // The window hid: nothing typed for it may act later on rows of another input.
    void MarkStale();
    // Forgets every queued key.
    void Drop();

    // On in the search-results view, off in the all-entries view (where keys act at once).
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }
    void SetSettledText(std::string text) { settledText_ = std::move(text); }
    const std::string& settledText() const { return settledText_; }
    void SetMoveDelta(int delta) { moveDelta_ = delta; }
    int moveDelta() const { return moveDelta_; }
    bool movePending() const { return movePending_; }
    bool launchPending() const { return launchPending_; }
    bool goIntoPending() const { return goIntoPending_; }
    bool goIntoInProgress() const { return goIntoInProgress_; }

private:
    bool InputLockFree() const { return !hooks_.isInputLockFree || hooks_.isInputLockFree(); }
    void Launch(ModifierKeys keys);

    ListBoxModel& list_;
    const QueryState& query_;
    WaitingKeysHooks hooks_;

    bool movePending_ = false;
    bool launchPending_ = false;
    ModifierKeys launchKeys_;
    bool goIntoPending_ = false;
    int moveDelta_ = 0;
    std::string settledText_;
    bool goIntoInProgress_ = false;
    bool enabled_ = true;
};

}  // namespace qx
