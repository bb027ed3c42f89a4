#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/FolderSet.h"
#include "app/LockRegistrator.h"
#include "app/LogWriter.h"
#include "app/MainWindowView.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemInfo.h"

namespace qx {

class EntryStore;

inline constexpr const char* kWindowClassName = "TQxForm1";
inline constexpr const char* kCaptionDesigned = "quilx";
inline constexpr const char* kCaptionLaunching = "Quillox launching";
inline constexpr const char* kCaptionRunning = "Quillox Application Launcher";
inline constexpr const char* kCaptionReleased = "Quillox free";
inline constexpr const char* kApplicationTitle = "Quillox";

inline constexpr int kShowInfoLockId = 20;
inline constexpr int kAskYesNoLockId = 30;

struct PlatformServices {
    IFileSystem& files;
    ISystemInfo& system;
    IMessageBoxes& boxes;
    IClock& clock;
};

// The main window's behaviour from creation to destruction: the process-wide objects,
// the delayed start-up, show and hide, the release hand-over and closing. The real window
// forwards its events here and carries out what this asks through IMainWindowView.
class TQxForm1 {
public:
    TQxForm1(IMainWindowView& view, PlatformServices platform);
    ~TQxForm1();
    TQxForm1(const TQxForm1&) = delete;
    TQxForm1& operator=(const TQxForm1&) = delete;

    // exePath: the first command-line word; arguments: the words after it.
    void FormCreate(const std::string& exePath, const std::vector<std::string>& arguments);
    void StartupMinTimerTimer();
    void AllgTimerTimer();
    void RestoreTransition();
    void MinimiseTransition();
    bool FormCloseQuery();
    void QueryEndSession() { sessionEnding_ = true; }
    void FormDestroy();
    void releasequilloxwindow1Click();

    void ShowInfo(const std::string& text);
    bool AskYesNo(const std::string& text);
    void SetUserInput(bool enable, int id);

    const FolderSet& folders() const { return folders_; }
    const ShellRootNames& shellRoots() const { return shellRoots_; }
    EntryStore& store() { return *store_; }
    bool started() const { return started_; }
    bool released() const { return released_; }
    bool firstLaunch() const { return firstLaunch_; }
    bool showOnStartup() const { return showOnStartup_; }
    int languageIndex() const { return languageIndex_; }
    TLockRegistrator& inputLock() { return *inputLock_; }
    TLockRegistrator& fileOpLock() { return *fileOpLock_; }

private:
    // File operations of the folder view arrive with folder browsing; none can run yet.
    int RunningFileOperations() const { return 0; }
    void WaitForNewInstance();

    IMainWindowView& view_;
    PlatformServices platform_;

    FolderSet folders_;
    ShellRootNames shellRoots_;
    int languageIndex_ = 0;
    bool showOnStartup_ = false;
    bool firstLaunch_ = false;
    bool started_ = false;
    bool released_ = false;
    bool sessionEnding_ = false;
    bool closeAnswer_ = false;

    std::unique_ptr<EntryStore> store_;
    std::unique_ptr<TLogWriter> log_;
    std::unique_ptr<TLockRegistrator> fileOpLock_;
    std::unique_ptr<TLockRegistrator> inputLock_;
};

}  // namespace qx
