#pragma once
#include <map>
#include <string>

#include "platform/SystemInfo.h"

namespace qx::test {

// Environment variables and shell names as a test sets them; English shell names by default.
class FakeSystemInfo : public ISystemInfo {
public:
    std::string ExpandEnvironmentStrings(const std::string& text) const override;
    int WindowsVersionNumber() const override { return version; }
    std::string ShellRootDisplayName(ShellRoot root) const override;

    std::map<std::string, std::string> environment{{"HOMEDRIVE", "C:"}, {"HOMEPATH", "\\Users\\tester"}};
    int version = 601;
    std::string recycleBin = "Recycle Bin", myComputer = "My Computer", controlPanel = "Control Panel",
                network = "Network";
};

}  // namespace qx::test
