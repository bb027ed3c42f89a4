#pragma once
#include "platform/KeyboardState.h"

namespace qx {

// The four keys the chords are made of, as sampled on the latest housekeeping tick.
struct SummonKeyStates {
    bool windows = false;  // left Windows key
    bool control = false;
    bool alt = false;
    bool extra = false;  // the 102-key layout's extra key

    bool AnyDown() const { return windows || control || alt || extra; }
    // Windows+Control, Windows+Alt, or Control with the extra key while Alt is up.
    bool ChordPressed() const { return (windows && (control || alt)) || (control && extra && !alt); }
};

enum class SummonDecision { Nothing, Toggle };
enum class VisibilityRequest { Nothing, Restore, Minimise };

// The modal dialog that disables the main window, if any.
enum class ModalDialog { None, EditEntry, WebSearch, Other };

struct MinimiseButtonState {
    bool fileOpLockHeld = false;
    bool mainWindowEnabled = true;
    ModalDialog openDialog = ModalDialog::None;
    // The open dialog is not itself covered by a further message box.
    bool openDialogEnabled = true;
};

// Whether the minimise button (or a chord) may hide the window now. A running file operation
// keeps it up; so does any modal box except an uncovered edit-entry or web-search dialog,
// which the minimise transition closes itself.
bool MinimiseButtonAllows(const MinimiseButtonState& state);

// What a toggle does: minimise a visible window when the button rules allow, else restore.
VisibilityRequest ResolveToggle(bool windowVisible, const MinimiseButtonState& state);

// The key chord that shows and hides the window, polled by the 10 ms housekeeping tick.
// No system-wide hot key is registered, so a held chord is seen on many ticks: the latch lets
// it toggle once until all four keys have been let go.
class SummonKeys {
public:
    explicit SummonKeys(IKeyboardState& keyboard) : keyboard_(keyboard) {}

    // Samples the four keys. Runs on every tick, started or not.
    void RefreshKeys();
    // The chord test, after the tick's other duties. Nothing before start-up has finished or
    // once the window has been released; otherwise only every second call looks at the chord.
    SummonDecision ChordTick(bool started, bool released);

    const SummonKeyStates& keys() const { return keys_; }
    bool hotkeyLatch() const { return hotkeyLatch_; }
    int tickDivider() const { return tickDivider_; }

private:
    IKeyboardState& keyboard_;
    SummonKeyStates keys_;
    int tickDivider_ = 0;
    bool hotkeyLatch_ = false;
};

}  // namespace qx
