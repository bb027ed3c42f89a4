#pragma once
#include <cstdint>

namespace qx {

class LogWriter;

// A nesting counter that keeps handlers from acting during modal work. Registrations are
// counted, not matched; each one is logged with its id so a lock left held can be traced.
class LockCounter {
public:
    explicit LockCounter(LogWriter* log) : log_(log) {}

    void Register(int id);
    void Unregister(int id);
    bool IsFree() const { return counter_ == 0; }
    std::int32_t counter() const { return counter_; }

private:
    LogWriter* log_;
    std::int32_t counter_ = 0;
};

// Holds a lock for a scope.
class LockHold {
public:
    LockHold(LockCounter& lock, int id) : lock_(lock), id_(id) { lock_.Register(id_); }
    ~LockHold() { lock_.Unregister(id_); }
    LockHold(const LockHold&) = delete;
    LockHold& operator=(const LockHold&) = delete;

private:
    LockCounter& lock_;
    int id_;
};

}  // namespace qx
