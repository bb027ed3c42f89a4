#pragma once
#include "platform/win32/Win32Api.h"

// Not <shlobj.h>: it declares a COM interface of the same name as IShellFolderView.
#include <shobjidl.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ShellFolderView.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {

// The shell namespace seen through IShellFolder, one folder at a time, with no window but a
// message-only one that receives the shell's change reports for the shown folder. Lives on
// the user-interface thread: it is made, used and destroyed there, and holds that thread's
// COM apartment for as long as it keeps shell objects.
class Win32ShellFolderView : public IShellFolderView {
public:
    Win32ShellFolderView();
    ~Win32ShellFolderView() override;
    Win32ShellFolderView(const Win32ShellFolderView&) = delete;
    Win32ShellFolderView& operator=(const Win32ShellFolderView&) = delete;

    bool GoToRoot() override;
    bool GoUp() override;
    bool EnterItem(std::size_t index) override;
    const std::vector<ShellViewItem>& Items() const override { return items_; }
    ShellViewItem CurrentFolder() const override { return current_; }
    bool AtRoot() const override;
    void Refresh() override;
    void SetChangeListener(std::function<void(const std::string& path)> listener) override;
    void SetAutoRefresh(bool on) override { autoRefresh_ = on; }
    bool AutoRefresh() const override { return autoRefresh_; }
    std::optional<std::string> ItemDetail(const ShellViewItem& item, int column) const override;

private:
    // Makes the folder with this absolute ID list (bytes) the shown one and reads it.
    bool Show(ComPtr<IShellFolder> folder, std::string idListBytes);
    void ReadItems();
    void WatchCurrentFolder();
    void StopWatching();
    void OnChangeReport(WPARAM lock, LPARAM processId);
    static LRESULT CALLBACK ReportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    ComInitializer com_;  // first in, last out: every shell object below needs it
    ComPtr<IShellFolder> desktop_;
    ComPtr<IShellFolder> folder_;
    std::string folderIdList_;  // absolute, terminator included; the desktop's is two zero bytes
    ShellViewItem current_;
    std::vector<ShellViewItem> items_;
    UniqueHwnd reportWindow_;
    ULONG registration_ = 0;
    std::function<void(const std::string&)> listener_;
    bool autoRefresh_ = true;
};

}  // namespace qx
