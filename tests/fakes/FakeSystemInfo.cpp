#include "fakes/FakeSystemInfo.h"

#include <algorithm>
#include <cctype>

namespace qx::test {

std::string FakeSystemInfo::ExpandEnvironmentStrings(const std::string& text) const {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find('%', pos);
        const size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            out += text.substr(pos);
            break;
        }
        std::string name = text.substr(open + 1, close - open - 1);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
        auto it = environment.find(name);
        if (it != environment.end()) {
            out += text.substr(pos, open - pos) + it->second;
            pos = close + 1;
        } else {
            // Unknown variables stay as written; the closing % may open the next one.
            out += text.substr(pos, close - pos);
            pos = close;
        }
    }
    return out;
}

std::string FakeSystemInfo::ShellRootDisplayName(ShellRoot root) const {
    switch (root) {
        case ShellRoot::RecycleBin: return recycleBin;
        case ShellRoot::MyComputer: return myComputer;
        case ShellRoot::ControlPanel: return controlPanel;
        case ShellRoot::Network: return network;
    }
    return {};
}

}  // namespace qx::test
