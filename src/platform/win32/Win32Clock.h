#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/Clock.h"

namespace qx {

class Win32Clock : public IClock {
public:
    std::uint64_t NowMs() const override { return ::GetTickCount64(); }
};

}  // namespace qx
