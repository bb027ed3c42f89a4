#pragma once
#include <string>

namespace qx {

enum class ShellRoot { RecycleBin, MyComputer, ControlPanel, Network };

// Screen pixels per inch, horizontally and vertically: 96 at 100 % scaling, 144 at 150 %.
struct ScreenDpi {
    int x = 96;
    int y = 96;
    bool operator==(const ScreenDpi&) const = default;
};

// Facts about the running system that the logic asks for.
class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;

    // Expands %VARIABLE% references as ExpandEnvironmentStringsA does (unknown ones stay).
    virtual std::string ExpandEnvironmentStrings(const std::string& text) const = 0;
    // Major version * 100 + minor version (501 XP, 600 Vista, 601 Windows 7).
    virtual int WindowsVersionNumber() const = 0;
    // The shell's display name of a namespace root, without a trailing backslash.
    virtual std::string ShellRootDisplayName(ShellRoot root) const = 0;
    // Measured each time: the user may change the scaling while the program runs.
    virtual ScreenDpi PixelsPerInch() const = 0;
    // The shell's large icon size in pixels (32 unless the user changed it).
    virtual int LargeShellIconSize() const = 0;
};

}  // namespace qx
