#pragma once
#include <cstdint>

namespace qx {

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start, as GetTickCount64.
    virtual std::uint64_t NowMs() const = 0;
};

}  // namespace qx
