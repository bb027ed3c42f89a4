#include "exec/LaunchWorkers.h"

#include <algorithm>
#include <system_error>
#include <utility>

#include "exec/LaunchReport.h"
#include "exec/ShellLaunch.h"
#include "platform/Clipboard.h"
#include "platform/ShellLauncher.h"
#include "text/LanguageStrings.h"
#include "text/Windows1252.h"

namespace qx {
namespace {

void FileWorker(LaunchJob& job, IShellLauncher& launcher, IClipboard* clipboard) {
    LaunchRequest& request = job.request;
    if (request.fileName.empty() && !request.idListBytes.empty()) {
        job.result = launcher.ExecuteIdList(request.idListBytes);
    } else if (request.shiftHeld) {
        // The copy has no message of its own: a clipboard that cannot be opened keeps its text.
        if (clipboard) (void)clipboard->SetText(request.fileName);
    } else {
        job.result = ShellLaunch(launcher, request.fileName, request.parameters, request.workingFolder,
                                 request.runAsUser, request.password.Text());
    }
    request.password.Clear();
}

void ShellItemWorker(LaunchJob& job, IShellLauncher& launcher) {
    job.result = launcher.ExecuteShellItem(job.request.shellItemIdList, "");
}

}  // namespace

LaunchWorkers::LaunchWorkers(LaunchWorkersServices services) : services_(std::move(services)) {}

LaunchWorkers::~LaunchWorkers() {
    for (LaunchRecord& record : records_) {
        if (!record.worker.joinable()) continue;
        if (record.job->ended.load(std::memory_order_acquire))
            record.worker.join();
        else
            record.worker.detach();  // still inside the shell: it owns all it touches
    }
}

void LaunchWorkers::StartLaunch(const LaunchRequest& request) {
    if (!request.keepInputFree) SetUserInput(false);

    auto job = std::make_shared<LaunchJob>();
    job->request = request;
    job->request.password.Clear();
    // The prompt's answer is the only password a launch ever uses. Cancel means cancel: nothing
    // starts, and the input is free again at once.
    const bool shellItem = !request.shellItemIdList.empty();
    if (!shellItem && !request.shiftHeld && !request.runAsUser.empty()) {
        std::optional<SecretText> answer = AskPassword(request.runAsUser);
        if (!answer) {
            if (!request.keepInputFree) SetUserInput(true);
            return;
        }
        job->request.password = std::move(*answer);
    }

    LaunchRecord& record = records_.emplace_back();
    record.job = std::move(job);
    record.kind = request.kind;
    record.keepInputFree = request.keepInputFree;

    if (!shellItem) {
        StartWorker(record, false);
    } else if (request.shiftHeld) {
        const std::string& path = request.shellItemPath;
        if (services_.clipboard) (void)services_.clipboard->SetText(request.shellItemIsFolder ? path + "\\" : path);
        record.job->ended = true;
    } else if (request.shellItemIsFolder) {
        // Opening a folder is quick and keeps the shell window's order with the user's keys.
        if (services_.launcher) services_.launcher->ExecuteShellItem(request.shellItemIdList, "open");
        record.job->ended = true;
    } else {
        StartWorker(record, true);
    }

    record.minimiseAfter = MinimiseAfterLaunch(request.minimiseMode, request.altHeld);
    if (record.minimiseAfter && record.keepInputFree) {
        record.minimiseAfter = false;
        Minimise();
    }
}

void LaunchWorkers::StartWorker(LaunchRecord& record, bool shellItemWorker) {
    std::shared_ptr<LaunchJob> job = record.job;
    std::shared_ptr<IShellLauncher> launcher = services_.launcher;
    if (!launcher) {
        job->ended = true;
        return;
    }
    std::shared_ptr<IClipboard> clipboard = services_.clipboard;
    std::shared_ptr<std::atomic<int>> live = liveWorkers_;
    live->fetch_add(1);
    try {
        record.worker = std::thread([job, launcher, clipboard, live, shellItemWorker] {
            try {
                if (shellItemWorker)
                    ShellItemWorker(*job, *launcher);
                else
                    FileWorker(*job, *launcher, clipboard.get());
            } catch (...) {
                // A worker must never take the process down; the launch counts as silent.
            }
            job->ended.store(true, std::memory_order_release);
            live->fetch_sub(1);
        });
    } catch (const std::system_error&) {
        // No thread could be made: the record ends at its first tick like one without a worker.
        live->fetch_sub(1);
        job->ended = true;
    }
}

std::optional<SecretText> LaunchWorkers::AskPassword(const std::wstring& user) {
    if (!services_.promptPassword) return std::nullopt;
    const int lang = Language();
    return services_.promptPassword(LangText(texts::PasswordCaption, lang),
                                    LangText(texts::PasswordPrompt, lang) + NarrowToAnsi(user));
}

void LaunchWorkers::OnLaunchTick() {
    // A failure message runs a nested message loop; a tick from there would unlink records
    // this loop still walks, so ticks wait until the box is closed.
    if (inTick_) return;
    inTick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inTick_};

    for (auto it = records_.begin(); it != records_.end();) {
        const auto next = std::next(it);
        LaunchRecord& record = *it;
        if (record.finished) {
            if (!record.keepInputFree) ReleaseLaunchLock();
            Report(it);
            it = next;
            continue;
        }
        if (!record.keepInputFree) {
            if (releaseRequested_) {
                releaseRequested_ = false;
                record.minimiseAfter = minimiseOnRelease_;
                record.keepInputFree = true;
                busy_ = false;
                shownTicks_ = 0;
                Repaint();
                ReleaseLaunchLock();
                if (record.minimiseAfter) Minimise();
            } else {
                if (record.waitTicks < kMaxWaitTicks) ++record.waitTicks;
                busy_ = record.waitTicks != 0;
                shownTicks_ = record.waitTicks;
                Repaint();
            }
        }
        if (record.job->ended.load(std::memory_order_acquire)) record.finished = true;
        it = next;
    }
}

void LaunchWorkers::ReleaseWait(bool release, bool minimise) {
    if (!busy_) return;
    releaseRequested_ = release;
    minimiseOnRelease_ = minimise;
    OnLaunchTick();
}

void LaunchWorkers::CancelPendingMinimise() {
    for (LaunchRecord& record : records_) record.minimiseAfter = false;
}

void LaunchWorkers::Report(std::list<LaunchRecord>::iterator record) {
    const std::shared_ptr<IShellLauncher> launcher = services_.launcher;
    const SystemTextFunction systemText = [&launcher](int code) {
        return launcher ? launcher->SystemText(code) : std::string();
    };
    const std::string text = LaunchReportText(record->kind, record->job->result.load(),
                                              record->job->request.fileName, Language(), systemText);
    const bool minimiseAfter = record->minimiseAfter;
    Unlink(record);
    busy_ = false;
    shownTicks_ = 0;
    Repaint();
    if (!text.empty()) {
        if (services_.showInfo) services_.showInfo(text);
    } else if (minimiseAfter) {
        Minimise();
    }
}

void LaunchWorkers::Unlink(std::list<LaunchRecord>::iterator record) {
    // Only finished records are unlinked: the worker has set its end flag as its last step.
    if (record->worker.joinable()) record->worker.join();
    records_.erase(record);
}

void LaunchWorkers::ReleaseLaunchLock() { SetUserInput(true); }

void LaunchWorkers::SetUserInput(bool enable) {
    if (services_.setUserInput) services_.setUserInput(enable, kLaunchLockId);
}

void LaunchWorkers::Repaint() {
    if (services_.repaintTitle) services_.repaintTitle();
}

void LaunchWorkers::Minimise() {
    if (services_.minimise) services_.minimise();
}

int LaunchWorkers::Language() const { return services_.languageIndex ? services_.languageIndex() : 0; }

}  // namespace qx
