#include "app/BusyPanel.h"

namespace qx {

bool BusyPanel::Begin(const std::string& text) {
    if (active_) return false;
    active_ = true;
    inputLock_.Register(kBusyLockId);
    view_.ShowBusyPanel(kBusyColour, text);
    return true;
}

void BusyPanel::End(const std::string& text) {
    if (!active_) return;
    view_.ShowBusyPanel(kDoneColour, text);
    // The window keeps painting and answering while the outcome shows; input stays locked.
    const std::uint64_t start = clock_.NowMs();
    for (std::uint64_t now = start; now - start < kDoneShownMs; now = clock_.NowMs())
        view_.RunMessagesFor(static_cast<unsigned>(kDoneShownMs - (now - start)));
    view_.HideBusyPanel();
    view_.ProcessPendingMessages();
    inputLock_.Unregister(kBusyLockId);
    active_ = false;
}

}  // namespace qx
