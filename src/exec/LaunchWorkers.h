#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "exec/LaunchRequest.h"

namespace qx {

class IClipboard;
class IShellLauncher;

// The identifier under which a launch holds InputLock until its worker has reported back.
inline constexpr int kLaunchLockId = 7654;
// WaitTicks stops counting here.
inline constexpr int kMaxWaitTicks = 1000000;

// Everything the launch threads reach outside themselves. Workers use only the launcher and
// the clipboard, shared with them so that both outlive a worker still blocked at shutdown;
// the rest is used on the user-interface thread alone.
struct LaunchWorkersServices {
    std::shared_ptr<IShellLauncher> launcher;
    std::shared_ptr<IClipboard> clipboard;
    // Takes (false) and gives back (true) InputLock under an id; the input line follows the lock.
    std::function<void(bool enable, int id)> setUserInput;
    std::function<int()> languageIndex;                      // 0 German, 1 English
    std::function<void(const std::string& text)> showInfo;  // the OK box holding InputLock 20
    std::function<void()> minimise;                          // the minimise button rules
    std::function<void()> repaintTitle;                      // Busy or ShownTicks changed
    // The password prompt; nothing when cancelled.
    std::function<std::optional<SecretText>(const std::string& caption, const std::string& prompt)> promptPassword;
};

// What a worker reads and writes: its own copy of the request, the result and the end flag.
// Shared between the record and the worker so that either may be gone first.
struct LaunchJob {
    LaunchRequest request;  // its password is wiped when the job goes
    std::atomic<int> result{0};
    std::atomic<bool> ended{false};
};

// One launch.
struct LaunchRecord {
    std::shared_ptr<LaunchJob> job;
    std::thread worker;  // not joinable when no thread was started
    int waitTicks = 0;
    bool finished = false;
    bool keepInputFree = false;
    std::uint8_t kind = 0;
    bool minimiseAfter = false;
};

// Whether a launch minimises the window once it has succeeded (or at once when it keeps the
// input free).
constexpr bool MinimiseAfterLaunch(MinimiseMode mode, bool altHeld) {
    switch (mode) {
        case MinimiseMode::Always:
            return true;
        case MinimiseMode::Never:
            return false;
        case MinimiseMode::UnlessAlt:
        default:
            return !altHeld;
    }
}

// Runs every launch on a worker thread of its own and, from a 100 ms timer on the
// user-interface thread, notices finished workers, releases the launch lock, minimises after
// success and reports failures. Records are kept in start order and unlinked once reported.
//
// At destruction finished workers are joined; a worker still inside the shell is detached.
// It keeps its job, the launcher and the clipboard alive through shared ownership and ends on
// its own (or with the process), so nothing waits for it and nothing it touches is freed.
class LaunchWorkers {
public:
    explicit LaunchWorkers(LaunchWorkersServices services);
    ~LaunchWorkers();
    LaunchWorkers(const LaunchWorkers&) = delete;
    LaunchWorkers& operator=(const LaunchWorkers&) = delete;

    // A run-as launch asks for the password first; a cancelled prompt starts nothing.
    void StartLaunch(const LaunchRequest& request);
    // Handler of the 100 ms launch timer.
    void OnLaunchTick();
    // Stops waiting for the locked launch (Esc, a click, a view switch, hiding the window).
    void ReleaseWait(bool release, bool minimise);
    // The window was asked for after these launches started: none minimises it on success.
    void CancelPendingMinimise();

    // Read by the title strip painting.
    bool Busy() const { return busy_; }
    int ShownTicks() const { return shownTicks_; }

    const std::list<LaunchRecord>& Records() const { return records_; }
    std::size_t RecordCount() const { return records_.size(); }
    // Workers whose thread function has not returned yet.
    int LiveWorkers() const { return liveWorkers_->load(); }

private:
    void StartWorker(LaunchRecord& record, bool shellItemWorker);
    std::optional<SecretText> AskPassword(const std::wstring& user);
    void SetUserInput(bool enable);
    void Report(std::list<LaunchRecord>::iterator record);
    void Unlink(std::list<LaunchRecord>::iterator record);
    void ReleaseLaunchLock();
    void Repaint();
    void Minimise();
    int Language() const;

    LaunchWorkersServices services_;
    std::list<LaunchRecord> records_;
    std::shared_ptr<std::atomic<int>> liveWorkers_ = std::make_shared<std::atomic<int>>(0);
    bool busy_ = false;
    int shownTicks_ = 0;
    bool releaseRequested_ = false;
    bool minimiseOnRelease_ = true;
    bool inTick_ = false;
};

}  // namespace qx
