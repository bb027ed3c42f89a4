#include "app/SummonKeys.h"

namespace qx {

bool MinimiseButtonAllows(const MinimiseButtonState& state) {
    if (state.fileOpLockHeld) return false;
    if (state.mainWindowEnabled) return true;
    const bool ownDialog = state.openDialog == ModalDialog::EditEntry || state.openDialog == ModalDialog::WebSearch;
    return ownDialog && state.openDialogEnabled;
}

VisibilityRequest ResolveToggle(bool windowVisible, const MinimiseButtonState& state) {
    if (!windowVisible) return VisibilityRequest::Restore;
    return MinimiseButtonAllows(state) ? VisibilityRequest::Minimise : VisibilityRequest::Nothing;
}

void SummonKeys::RefreshKeys() {
    keys_.windows = keyboard_.PollKey(vk::kLeftWindows);
    keys_.control = keyboard_.PollKey(vk::kControl);
    keys_.alt = keyboard_.PollKey(vk::kAlt);
    keys_.extra = keyboard_.PollKey(vk::kOem102);
}

SummonDecision SummonKeys::ChordTick(bool started, bool released) {
    if (released || !started) return SummonDecision::Nothing;
    if (tickDivider_ == 0) {
        tickDivider_ = 1;
        return SummonDecision::Nothing;
    }
    tickDivider_ = 0;
    SummonDecision decision = SummonDecision::Nothing;
    if (keys_.ChordPressed()) {
        if (!hotkeyLatch_) decision = SummonDecision::Toggle;
        hotkeyLatch_ = true;
    }
    if (!keys_.AnyDown()) hotkeyLatch_ = false;
    return decision;
}

}  // namespace qx
