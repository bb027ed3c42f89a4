#pragma once
#include <map>
#include <string>

#include "platform/SystemInfo.h"

namespace qx::test {

// Environment variables as a test sets them, English shell names, Windows 7 by default.
class FakeSystemInfo : public ISystemInfo {
public:
    // Each %NAME% of a set variable is replaced; anything else stays as written.
    std::string ExpandEnvironmentStrings(const std::string& text) const override {
        std::string out = text;
        for (const auto& [name, value] : environment) {
            const std::string token = "%" + name + "%";
            for (auto at = out.find(token); at != std::string::npos; at = out.find(token, at + value.size()))
                out.replace(at, token.size(), value);
        }
        return out;
    }
    int WindowsVersionNumber() const override { return version; }
    std::string ShellRootDisplayName(ShellRoot root) const override {
        static const char* const kNames[] = {"Recycle Bin", "My Computer", "Control Panel", "Network"};
        return kNames[static_cast<int>(root)];
    }

    ScreenDpi PixelsPerInch() const override { return dpi; }
    int LargeShellIconSize() const override { return largeIconSize; }

    std::map<std::string, std::string> environment{{"HOMEDRIVE", "C:"}, {"HOMEPATH", "\\Users\\tester"}};
    int version = 601;
    ScreenDpi dpi;
    int largeIconSize = 32;
};

}  // namespace qx::test
