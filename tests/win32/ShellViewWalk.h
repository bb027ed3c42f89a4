#pragma once
#include <algorithm>
#include <string>

#include "platform/ShellFolderView.h"
#include "text/CaseFold.h"

namespace qx::test {

// Walks from the root to a file-system folder as a user would: into a virtual folder of the
// root (the computer folder), then down the folders whose paths the target begins with.
inline bool Reach(IShellFolderView& view, const std::string& target) {
    const auto leadsThere = [&](const ShellViewItem& item) {
        const std::string& path = item.fileSystemPath;
        return item.isFolder && !path.empty() && SameText(path, target.substr(0, path.size())) &&
               (path.size() == target.size() || path.back() == '\\' || target[path.size()] == '\\');
    };
    for (std::size_t way = 0; view.GoToRoot() && way < view.Items().size(); ++way) {
        if (!view.Items()[way].fileSystemPath.empty() || !view.EnterItem(way)) continue;
        while (!SameText(view.CurrentFolder().fileSystemPath, target)) {
            const auto next = std::find_if(view.Items().begin(), view.Items().end(), leadsThere);
            if (next == view.Items().end() || !view.EnterItem(next - view.Items().begin())) break;
        }
        if (SameText(view.CurrentFolder().fileSystemPath, target)) return true;
    }
    return false;
}

}  // namespace qx::test
