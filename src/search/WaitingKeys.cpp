#include "search/WaitingKeys.h"

#include <algorithm>
#include <utility>

#include "controls/ListBoxModel.h"
#include "search/QueryState.h"

namespace qx {

bool WaitingKeys::IsStale() const {
    const std::string& input = query_.currentText();
    return input.empty() || input != settledText_;
}

void WaitingKeys::QueueMove(int delta) {
    if (enabled_ && (IsStale() || goIntoInProgress_)) {
        moveDelta_ += delta;
        movePending_ = true;
        return;
    }
    list_.MoveSelection(delta);
}

void WaitingKeys::QueueGoInto() {
    if (!enabled_) {
        if (hooks_.goInto) hooks_.goInto();
        return;
    }
    goIntoPending_ = true;
    goIntoInProgress_ = true;
}

void WaitingKeys::QueueLaunch(ModifierKeys keys) {
    if (!enabled_) {
        Launch(keys);
        return;
    }
    launchPending_ = true;
    launchKeys_ = keys;
}

void WaitingKeys::Launch(ModifierKeys keys) {
    if (InputLockFree() && hooks_.launch) hooks_.launch(keys);
}

void WaitingKeys::Drop() {
    movePending_ = false;
    launchPending_ = false;
    goIntoPending_ = false;
    // With its go-into gone, later moves need not wait for one.
    goIntoInProgress_ = false;
    moveDelta_ = 0;
}

void WaitingKeys::MarkStale() {
    settledText_.clear();
    Drop();
}

void WaitingKeys::ReplayWaitingKeys() {
    if (IsStale()) {
        // An empty input has no results to act on; anything else waits for its rebuild.
        if (query_.currentText().empty()) Drop();
        return;
    }
    if (goIntoPending_) {
        goIntoPending_ = false;
        goIntoInProgress_ = false;
        if (hooks_.goInto) hooks_.goInto();
        return;
    }
    if (movePending_) {
        movePending_ = false;
        const int last = std::max(0, list_.Count() - 1);
        list_.SetSelected(std::clamp(list_.SelectedIndex() + moveDelta_, 0, last));
        list_.SetTopIndex(0);
        moveDelta_ = 0;
        list_.Repaint();
        return;
    }
    if (launchPending_) {
        launchPending_ = false;
        Launch(std::exchange(launchKeys_, ModifierKeys{}));
    }
}

}  // namespace qx
