#pragma once
#include <string>
#include <utility>
#include <vector>

namespace qx {

// Outcome of an OS operation: success, or failure with the system's own message.
class [[nodiscard]] Status {
public:
    static Status Ok() { return Status(true, {}); }
    static Status Fail(std::string message) { return Status(false, std::move(message)); }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const std::string& message() const { return message_; }

private:
    Status(bool ok, std::string message) : ok_(ok), message_(std::move(message)) {}
    bool ok_;
    std::string message_;
};

// The failures of a task that goes on past them, in the order they happened. The caller
// shows them; the task itself never does.
class [[nodiscard]] Failures {
public:
    // Keeps status when it failed; returns whether it succeeded.
    bool Add(Status status) {
        if (status) return true;
        list_.push_back(std::move(status));
        return false;
    }
    void Add(Failures more) {
        for (Status& status : more.list_) list_.push_back(std::move(status));
    }

    bool empty() const { return list_.empty(); }
    const std::vector<Status>& All() const { return list_; }
    std::vector<std::string> Messages() const {
        std::vector<std::string> messages;
        for (const Status& status : list_) messages.push_back(status.message());
        return messages;
    }

private:
    std::vector<Status> list_;
};

}  // namespace qx
