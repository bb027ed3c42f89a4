#pragma once
#include "platform/Clock.h"

namespace qx::test {

// A clock that moves only when a test (or a fake sleep) advances it.
class FakeClock : public IClock {
public:
    std::uint64_t NowMs() const override { return now; }
    std::uint64_t now = 1000;
};

}  // namespace qx::test
