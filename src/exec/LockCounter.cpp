#include "exec/LockCounter.h"

#include <string>

#include "store/LogWriter.h"

namespace qx {

void LockCounter::Register(int id) {
    ++counter_;
    if (log_) log_->Write("lock registering " + std::to_string(id) + " " + std::to_string(counter_));
}

void LockCounter::Unregister(int id) {
    --counter_;
    if (log_) log_->Write("lock unregistering " + std::to_string(id) + " " + std::to_string(counter_));
}

}  // namespace qx
