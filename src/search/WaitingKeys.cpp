#include "search/WaitingKeys.h"

#include <algorithm>

#include "controls/OvraLB.h"
#include "search/QueryState.h"

namespace qx {

bool TWaitingKeys::IsStale() const {
    const std::string& input = query_.currentText();
    return input.empty() || input != settledText_;
}

void TWaitingKeys::QueueMove(int delta) {
    if (enabled_ && (IsStale() || goIntoInProgress_)) {
        moveDelta_ += delta;
        movePending_ = true;
        return;
    }
    list_.MoveSelection(delta);
}

void TWaitingKeys::QueueGoInto() {
    if (!enabled_) {
        if (hooks_.goInto) hooks_.goInto();
        return;
    }
    goIntoPending_ = true;
    goIntoInProgress_ = true;
}

void TWaitingKeys::QueueLaunch() {
    if (!enabled_) {
        Launch();
        return;
    }
    launchPending_ = true;
}

void TWaitingKeys::Launch() {
    if (InputLockFree() && hooks_.launch) hooks_.launch();
}

void TWaitingKeys::Drop() {
    movePending_ = false;
    launchPending_ = false;
    goIntoPending_ = false;
    // With its go-into gone, later moves need not wait for one.
    goIntoInProgress_ = false;
    moveDelta_ = 0;
}

void TWaitingKeys::MarkStale() {
    settledText_.clear();
    Drop();
}

void TWaitingKeys::ReplayWaitingKeys() {
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
        Launch();
    }
}

}  // namespace qx
