#pragma once
#include <windows.h>

#include <optional>

namespace qx::test {

// The screen's pixels per inch that programs started from now on see: Wine reads the
// user's "LogPixels" (HKCU\Control Panel\Desktop) when a process starts, with no new
// session needed. Restores the earlier value (or its absence) when it goes, so a failing
// case leaves the next ones at the usual 96.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dotsPerInch);
    ~ScreenDpi();
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

    bool Applied() const { return applied_; }

private:
    std::optional<DWORD> earlier_;
    bool applied_ = false;
};

}  // namespace qx::test
