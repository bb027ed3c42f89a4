#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qx {

// One item of the folder the shell view shows.
struct ShellViewItem {
    std::string displayName;     // as the shell shows it; may carry trailing blanks
    bool isFolder = false;       // the shell can browse into it
    std::string fileSystemPath;  // empty for virtual items (control panel applets, printers)
    // The item's absolute ID list as bytes, terminator included: an owned copy that may be
    // handed to a launch thread; the shell's own list never leaves the view.
    std::string idListBytes;
};

// A hidden view of one folder of the shell namespace, walked from the desktop root. Used on
// the user-interface thread only.
class IShellFolderView {
public:
    virtual ~IShellFolderView() = default;

    // Shows the desktop, the root of the namespace. False when the shell refuses.
    virtual bool GoToRoot() = 0;
    // Shows the parent folder; false at the root.
    virtual bool GoUp() = 0;
    // Shows the folder item at the index of Items(); false for a non-folder or a refusal.
    virtual bool EnterItem(std::size_t index) = 0;
    // The current folder's items, in the shell's order, as of the last navigation or Refresh.
    virtual const std::vector<ShellViewItem>& Items() const = 0;
    // The current folder itself (the desktop at the root).
    virtual ShellViewItem CurrentFolder() const = 0;
    virtual bool AtRoot() const = 0;
    // Reads the current folder's items again.
    virtual void Refresh() = 0;
    // The shell's own change reports: the listener gets the file-system path of each change
    // it notices while automatic refresh is on (on by default).
    virtual void SetChangeListener(std::function<void(const std::string& path)> listener) = 0;
    virtual void SetAutoRefresh(bool on) = 0;
    virtual bool AutoRefresh() const = 0;
    // The text of one of the shell's detail columns (size, type, free space...) for an item of
    // the current folder; none when the folder has no such column.
    virtual std::optional<std::string> ItemDetail(const ShellViewItem& item, int column) const = 0;
};

}  // namespace qx
