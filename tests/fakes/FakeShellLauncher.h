#pragma once
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ShellLauncher.h"

namespace qx::test {

// Answers shell calls from tables the test fills; calls come from worker threads, so every
// member is read and written under the mutex. Hold() makes calls block until Open().
class FakeShellLauncher : public IShellLauncher {
public:
    struct Call {
        std::string what;  // "shell", "idlist", "item", "verb", "runas"
        std::string file;
        std::string parameters;
        std::string folder;
        std::wstring user;
        std::wstring password;
    };

    int ShellExecuteFile(const std::string& file, const std::string& parameters, const std::string& folder) override {
        Record({"shell", file, parameters, folder, {}, {}});
        std::lock_guard lock(mutex_);
        const auto found = codes.find(file);
        return found != codes.end() ? found->second : 42;
    }
    int ExecuteIdList(const std::string& bytes) override {
        Record({"idlist", bytes, {}, {}, {}, {}});
        return 0;
    }
    int ExecuteShellItem(const std::string& idListBytes, const std::string& verb) override {
        Record({"item", idListBytes, verb, {}, {}, {}});
        return 1;
    }
    int ShellExecuteVerb(const std::string& verb, const std::string& file) override {
        Record({"verb", file, verb, {}, {}, {}});
        return 42;
    }
    int RunAsUser(const std::wstring& user, const std::wstring& password, const std::string& file,
                  const std::string& parameters) override {
        Record({"runas", file, parameters, {}, user, password});
        return runAsCode;
    }
    std::string SystemText(int code) override {
        std::lock_guard lock(mutex_);
        const auto found = systemTexts.find(code);
        return found != systemTexts.end() ? found->second : std::string();
    }

    void Hold() {
        std::lock_guard lock(mutex_);
        held_ = true;
    }
    void Open() {
        {
            std::lock_guard lock(mutex_);
            held_ = false;
        }
        opened_.notify_all();
    }
    std::vector<Call> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    std::size_t CallCount() const { return Calls().size(); }

    // Set before any launch starts.
    std::map<std::string, int> codes;
    std::map<int, std::string> systemTexts;
    int runAsCode = 0;

private:
    // Notes the call, then blocks while held.
    void Record(Call call) {
        std::unique_lock lock(mutex_);
        calls_.push_back(std::move(call));
        opened_.wait(lock, [this] { return !held_; });
    }

    mutable std::mutex mutex_;
    std::condition_variable opened_;
    std::vector<Call> calls_;
    bool held_ = false;
};

}  // namespace qx::test
