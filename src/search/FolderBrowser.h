#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ShellFolderView.h"
#include "store/SimpleDatabase.h"

namespace qx {

class ListBoxModel;
class QueryState;
class IFileSystem;
class IClock;

// What folder browsing asks of the main window. Empty hooks do nothing; an empty lock probe
// answers "free".
struct FolderBrowserHooks {
    std::function<bool()> isInputLockFree;
    // Puts text in the input line; its change handling runs at once.
    std::function<void(const std::string& text)> setInputText;
    // The window takes no input while the shell view navigates.
    std::function<void(bool enabled)> setFormEnabled;
    // The target of a ".lnk" or ".url" file; empty when it has none.
    std::function<std::string(const std::string& linkPath)> linkTarget;
    std::function<void()> repaintList;
    // Rebuilds the list for the input just set (the result list's own rebuild, which also
    // selects row 0 and updates the title); empty: the browser lists by itself.
    std::function<void()> rebuildList;
};

struct FolderBrowserContext {
    ListBoxModel& list;
    QueryState& query;
    IFileSystem& files;  // writable: new folders and files are made through it
    IShellFolderView* shellView;  // none: path mode lists nothing
    const IClock& clock;
    // The shell's parsing paths of these folders, each with a trailing '\'.
    std::string networkFolder, computerFolder, recycleBinFolder;
};

// Browsing a folder in the result list. The input line is the folder character, a path and a
// filter. The plain engine lists a file-system folder through the file system's wildcard
// search; path mode (the folder character followed by '\') walks the shell namespace through
// the shell folder view, so virtual folders can be browsed too. A timer re-reads the folder and
// updates the rows in place, keeping the selection.
class FolderBrowser {
public:
    // Never typed by anyone: the first listing after entering always counts as a new text.
    static constexpr const char* kNeverTypedOnStart = "@dummyblablaKommtKeinerDrauf1";
    static constexpr const char* kNeverTypedOnLeave = "@dummyblablaKommtKeinerDrauf2";
    // A shell navigation slower than this leaves the folder without automatic refresh.
    static constexpr unsigned kSlowNavigationMs = 3000;

    FolderBrowser(FolderBrowserContext context, FolderBrowserHooks hooks);
    FolderBrowser(const FolderBrowser&) = delete;
    FolderBrowser& operator=(const FolderBrowser&) = delete;

    bool active() const { return active_; }
    // The state part of entering and leaving (the window effects are the main window's):
    // leaving sets the last text to the second never-typed value. Returns whether the state
    // changed.
    bool SetActive(bool on);

    // The plain engine: the browsed folder's names matching the filter, ranked by it, folders
    // first; row 0 selected.
    void ListFolder();
    // The path mode engine: navigates the shell view when the typed folder changed and ranks
    // its items by the filter; row 0 selected.
    void ListShellPath(bool reload);
    // ListShellPath(reload) in path mode, else ListFolder.
    void List(bool reload);
    // Re-reads the folder and updates the rows in place: vanished names go, new ones are
    // appended; every row's info text is reset. Unless forced, only while the input lock is
    // free; nothing while the input differs from the text the rows were listed for (its own
    // rebuild is due). Path mode re-reads only a live folder, one with a reported change, the
    // root, the computer and recycle bin folders, or on reset.
    void RefreshFolder(bool force, bool notify, bool reset);
    // Go into the selected row: a folder, a link's target, or a file as the filter.
    void GoIntoFolderRow();
    // Creates "base", else "base (2)" ... "base (1000)" in the browsed folder (path mode: the
    // shell view's folder, when it is on disk) and selects its row; a filter the name does not
    // match is cleared first. Returns the created name; empty when none could be made.
    std::string CreateNewItem(const std::string& baseName, bool isFolder);

    // The released window's title in this mode.
    std::string ReleasedTitle() const;
    // The shell view's item shown under the row text (path mode), for launching.
    std::optional<ShellViewItem> FindShellItem(const std::string& rowText) const;
    std::optional<ShellViewItem> CurrentShellFolder() const;
    // From the shell root through every component of the tail before its last '\'; false when
    // a component is not found.
    bool NavigateFromRoot(const std::string& queryTail);
    // The shell folder is re-read by the timer (path mode).
    bool shellFolderLive() const { return shellFolderLive_; }
    // The shell view's change listener.
    void OnShellChange(const std::string& path) { reportedPath_ = path; }
    // Counts row insertions and removals made by RefreshFolder (for tests and benchmarks).
    std::size_t refreshRowChanges() const { return refreshRowChanges_; }

    const std::string& lastText() const { return lastText_; }
    const std::vector<std::string>& listing() const { return listing_; }

private:
    bool InputLockFree() const { return !hooks_.isInputLockFree || hooks_.isInputLockFree(); }
    bool PathMode() const;
    std::string FolderChar() const;
    // Clears the rows and ranks the listing by the filter into them; row 0 selected.
    void ShowListing(std::string_view filter);
    // Takes a fresh listing: vanished names leave the rows, new ones are appended.
    void UpdateRowsInPlace(std::vector<std::string> fresh, std::vector<std::string> added);
    bool ShellNavigate(const std::string& queryTail);
    bool EnterShellItem(std::size_t index);
    void SetInputAndList(const std::string& text);
    // The folder a new item goes into; empty when there is none.
    std::string NewItemFolder() const;
    void SelectCreatedRow(const std::string& name);

    FolderBrowserContext context_;
    FolderBrowserHooks hooks_;
    bool active_ = false;
    std::vector<std::string> listing_;
    std::string lastText_ = kNeverTypedOnStart;
    // The path-mode text the shell view shows. Only it tells where the view stands: a plain
    // listing or a launch's walk in between moves lastText_ or the view, never this.
    std::string shellText_ = kNeverTypedOnStart;
    SimpleDatabase shownNames_;
    SimpleDatabase foundNames_;
    bool shellFolderLive_ = false;
    std::string reportedPath_;
    std::size_t refreshRowChanges_ = 0;
};

// Sorts names in natural order: digit runs shorter than five digits count as padded to five,
// so "img2" comes before "img10"; otherwise case-insensitive.
void NaturalSort(std::vector<std::string>& names);

}  // namespace qx
