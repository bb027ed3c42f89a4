#include "e2e/AppProcess.h"

#include <vector>

namespace qx::test {

namespace {

constexpr DWORD kKillWaitMs = 10000;

}  // namespace

AppProcess::~AppProcess() {
    Kill();
}

AppProcess& AppProcess::operator=(AppProcess&& other) noexcept {
    if (this != &other) {
        Kill();
        process_ = std::move(other.process_);
        pid_ = other.pid_;
    }
    return *this;
}

bool AppProcess::Start(const std::string& exePath, const std::string& arguments,
                       const std::string& workingFolder) {
    Kill();
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty()) {
        commandLine += " " + arguments;
    }
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // No handle inheritance: the program must not hold this process's output pipes open.
    if (!CreateProcessA(exePath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
    return true;
}

bool AppProcess::IsRunning() const {
    return Started() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> AppProcess::WaitForExit(std::chrono::milliseconds timeout) const {
    if (!Started() || WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    return ExitCode();
}

std::optional<DWORD> AppProcess::ExitCode() const {
    DWORD code = 0;
    if (!Started() || !GetExitCodeProcess(process_.get(), &code) || code == STILL_ACTIVE) {
        return std::nullopt;
    }
    return code;
}

void AppProcess::Kill() {
    if (IsRunning()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kKillWaitMs);
    }
}

bool KillProcessById(DWORD pid) {
    UniqueKernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (!process) {
        return false;
    }
    TerminateProcess(process.get(), 1);
    return WaitForSingleObject(process.get(), kKillWaitMs) == WAIT_OBJECT_0;
}

}  // namespace qx::test
