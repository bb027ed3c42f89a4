#pragma once
#include <string>

#include "platform/ShellFolderView.h"
#include "text/CaseFold.h"

namespace qx::test {

inline bool IsPathPrefix(const std::string& prefix, const std::string& path) {
    if (prefix.empty() || prefix.size() > path.size() || !SameText(prefix, path.substr(0, prefix.size())))
        return false;
    return prefix.size() == path.size() || prefix.back() == '\\' || path[prefix.size()] == '\\';
}

// Walks from the root to the folder as a user would: into the first virtual folder that leads
// towards it (the computer folder and its drives), then down the folders whose paths it begins with.
inline bool Reach(IShellFolderView& view, const std::string& target) {
    const auto leadsThere = [&] {
        for (std::size_t i = 0; i < view.Items().size(); ++i)
            if (view.Items()[i].isFolder && IsPathPrefix(view.Items()[i].fileSystemPath, target)) return i;
        return view.Items().size();
    };
    if (!view.GoToRoot()) return false;
    if (leadsThere() == view.Items().size()) {
        bool found = false;
        for (std::size_t i = 0; i < view.Items().size() && !found; ++i) {
            const ShellViewItem item = view.Items()[i];
            if (!item.isFolder || !item.fileSystemPath.empty() || !view.EnterItem(i)) continue;
            found = leadsThere() != view.Items().size();
            if (!found) view.GoUp();
        }
        if (!found) return false;
    }
    while (!SameText(view.CurrentFolder().fileSystemPath, target)) {
        const std::size_t next = leadsThere();
        if (next == view.Items().size() || !view.EnterItem(next)) return false;
    }
    return true;
}

}  // namespace qx::test
