#pragma once
#include "platform/win32/Win32Api.h"

#include "platform/SystemInfo.h"

namespace qx {

class Win32SystemInfo : public ISystemInfo {
public:
    std::string ExpandEnvironmentStrings(const std::string& text) const override;
    // From GetVersion, read once per process.
    int WindowsVersionNumber() const override;
    // Asks the shell each time; "" when it has no name for the root.
    std::string ShellRootDisplayName(ShellRoot root) const override;
    // LOGPIXELSX / LOGPIXELSY of the screen.
    ScreenDpi PixelsPerInch() const override;
    // The size of the shell's large system image list (SHIL_LARGE); SM_CXICON when it has none.
    int LargeShellIconSize() const override;
};

}  // namespace qx
