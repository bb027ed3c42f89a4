#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "exec/LaunchRequest.h"
#include "platform/InstallerLookup.h"
#include "platform/KeyboardState.h"
#include "platform/ShellFolderView.h"
#include "search/PrefixCharacters.h"

namespace qx {

class EntryStore;
class History;
class IFileSystem;
class Entry;
class ListBoxModel;
class RowData;

// Who asked for a launch: Enter arrives as the main window, a double click as the list,
// the "In übergeordneten Ordner wechseln" menu item as itself.
enum class LaunchSender { MainWindow, ResultList, FolderMenuItem };

// Everything the pipeline reads from the rest of the program at the moment of a launch.
// An unset hook answers false / empty / nothing.
struct LaunchHooks {
    // The single exit of every launch path.
    std::function<void(const LaunchRequest&)> startLaunch;
    std::function<InputMode()> inputMode;
    // Ctrl as the housekeeping timer samples it (pressed since the last poll counts); read by
    // the launches that come with no keys of their own (the web search dialog).
    std::function<bool()> ctrlHeld;
    std::function<bool()> isReleased;
    // Options menu: "Quillox sperren, bis ..." and "Im Verzeichnisbrowser niemals ...".
    std::function<bool()> lockUntilExecDone;
    std::function<bool()> noAutoMinimiseInFolderBrowser;
    std::function<std::string()> defaultBrowser;
    // Ends an in-place edit of the list before its selected row is read.
    std::function<void()> endInPlaceEdit;
    // The error box for a history that could not be saved.
    std::function<void(const std::string& message)> showError;

    // Folder browsing and its folder view.
    std::function<bool()> isFolderBrowsing;
    std::function<bool()> isPathMode;
    std::function<std::string()> browsedFolder;
    std::function<void()> showSelectionProperties;
    std::function<bool(const std::string& location)> navigateFolderView;
    std::function<std::optional<ShellViewItem>(const std::string& name)> findFolderViewItem;
    std::function<std::optional<ShellViewItem>()> currentFolderViewItem;
    // The window takes no input while the folder view navigates.
    std::function<void(bool enabled)> setFormEnabled;
};

// What the pipeline works on; all outlive it.
struct LaunchContext {
    EntryStore& store;
    ListBoxModel& list;
    const IFileSystem& fs;
    const IInstallerLookup* installer = nullptr;  // none: entries launch their Value
};

// Turns Enter or a double click on a result row into exactly one launch request and decides
// how it is started: a file or folder through the shell, a command split into program and
// arguments, a web address for the shell or the default browser, a folder-view item, or as
// another user. Keeps no state between launches: options and modes are read afresh, and the
// modifier keys come with the Enter or double click that asked for the launch.
class LaunchPipeline {
public:
    LaunchPipeline(LaunchContext context, LaunchHooks hooks);

    void SetHooks(LaunchHooks hooks) { hooks_ = std::move(hooks); }

    // The launch action of the list: Enter (sender MainWindow) or a double click on a row, with
    // the modifier keys of that key or click.
    void ResultListDblClick(LaunchSender sender, ModifierKeys keys = {});
    // Opens the folder of the selected entry (or the browsed folder) in the shell.
    void OpenContainingFolder(LaunchSender sender);

    // A row of the list by input mode: in entry search the stored entry the row carries (never
    // another of the same name), in command and URL mode the row's text.
    void LaunchRow(const RowData* row, const std::string& rowText, MinimiseMode mode, bool keepInputFree);
    // The same for a row known only by its text: the first entry of that Name.
    void LaunchResultRow(const std::string& rowText, MinimiseMode mode, bool keepInputFree);
    void LaunchEntry(const Entry& entry, MinimiseMode mode, bool keepInputFree);
    // A typed command (kind 2) or web address (kind 1, or 9 for the default browser).
    void LaunchText(std::string text, std::uint8_t kind, bool addToHistory, MinimiseMode mode, bool keepInputFree);
    void OpenUrl(const std::string& url, bool addToHistory, MinimiseMode mode, bool keepInputFree);
    void OpenUrlInBrowser(const std::string& url, bool addToHistory, MinimiseMode mode, bool keepInputFree);
    // The web search dialog and the homepage command: Ctrl held sends it to the default browser.
    void OpenUrlFromDialog(const std::string& url, bool addToHistory);
    // A run-as launch is given no password: the launch threads ask for it every time.
    void LaunchFile(std::string fileName, const std::string& parameters, std::string workingFolder,
                    const std::string& idListBytes, const std::wstring& runAsUser, MinimiseMode mode,
                    bool keepInputFree);
    // A shell-namespace path that the folder view resolves opens as its item, anything else
    // as a file.
    void LaunchPath(const std::string& fileName, const std::string& parameters, const std::string& workingFolder,
                    const std::string& idListBytes, const std::wstring& runAsUser, MinimiseMode mode,
                    bool keepInputFree);
    // A shell-namespace item never runs as another user. Without an item the request names
    // nothing and is reported as not found.
    void LaunchShellItem(const std::optional<ShellViewItem>& item, MinimiseMode mode, bool keepInputFree);
    void OpenEntryFolder(const Entry& entry, MinimiseMode mode, bool keepInputFree);

    // The entry's Value, or where the installer put its advertised component.
    std::string ResolveEntryTarget(const Entry& entry) const;
    // The folder-view item of a path that starts with a backslash; nothing when there is none.
    std::optional<ShellViewItem> FindShellItemForPath(const std::string& path);

    MinimiseMode CurrentMinimiseMode() const;
    bool InputStaysFree() const;

private:
    bool FolderBrowsing() const { return hooks_.isFolderBrowsing && hooks_.isFolderBrowsing(); }
    bool CtrlHeld() const { return hooks_.ctrlHeld && hooks_.ctrlHeld(); }
    InputMode Mode() const { return hooks_.inputMode ? hooks_.inputMode() : InputMode::EntrySearch; }
    std::string Resolve(std::string_view path, bool expandShellMarkers) const;
    std::string BrowsedFolder() const { return hooks_.browsedFolder ? hooks_.browsedFolder() : std::string(); }
    void OpenSelectedEntryFolder(const RowData* row, MinimiseMode mode, bool keepInputFree);
    void Start(LaunchRequest request);

    LaunchContext context_;
    LaunchHooks hooks_;
    // The modifiers of the Enter or double click being carried out; none for other launches.
    ModifierKeys launchKeys_;
};

}  // namespace qx
