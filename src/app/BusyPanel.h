#pragma once
#include <cstdint>
#include <string>

#include "app/MainWindowView.h"
#include "exec/LockCounter.h"
#include "platform/Clock.h"

namespace qx {

inline constexpr int kBusyLockId = 60;
inline constexpr std::uint32_t kBusyColour = 0x0000FF;  // red, 0xBBGGRR
inline constexpr std::uint32_t kDoneColour = 0xFFFF00;  // cyan
inline constexpr unsigned kDoneShownMs = 1000;

// The panel over the list while a bulk command runs. The input stays locked from Begin until
// End has shown the outcome for a second and the messages that came meanwhile have run.
class BusyPanel {
public:
    BusyPanel(IMainWindowView& view, LockCounter& inputLock, const IClock& clock)
        : view_(view), inputLock_(inputLock), clock_(clock) {}

    // False (and nothing shown) when the panel is up already: bulk commands do not nest.
    bool Begin(const std::string& text);
    void End(const std::string& text);
    bool active() const { return active_; }

private:
    IMainWindowView& view_;
    LockCounter& inputLock_;
    const IClock& clock_;
    bool active_ = false;
};

}  // namespace qx
