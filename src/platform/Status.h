#pragma once
#include <string>
#include <utility>

namespace qx {

// Outcome of an OS operation: success, or failure with the system's own message.
class Status {
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

}  // namespace qx
