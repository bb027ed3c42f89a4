#include "e2e/ScreenDpi.h"

namespace qx::test {

namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kValue[] = "LogPixels";

}  // namespace

ScreenDpi::ScreenDpi(DWORD dotsPerInch) {
    DWORD value = 0, size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS)
        earlier_ = value;
    applied_ = RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kValue, REG_DWORD, &dotsPerInch,
                               sizeof dotsPerInch) == ERROR_SUCCESS;
}

ScreenDpi::~ScreenDpi() {
    if (earlier_) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kValue, REG_DWORD, &*earlier_, sizeof *earlier_);
    } else {
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktopKey, kValue);
    }
}

}  // namespace qx::test
