#include "search/FolderBrowser.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "controls/ListBoxModel.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "search/FilterInto.h"
#include "search/QueryState.h"
#include "store/EntryRows.h"
#include "text/CaseFold.h"
#include "text/PathText.h"

namespace qx {
namespace {

constexpr int kMaxNewItemTries = 1000;
// Shell display names may carry trailing blanks; a created name is looked for with up to this
// many characters of them.
constexpr std::size_t kMaxPaddedNameLength = 100;

// The text up to its last '\' (the whole text when it has none).
std::string_view CutBeforeLastBackslash(std::string_view text) {
    const std::size_t at = text.rfind('\\');
    return at == std::string_view::npos ? text : text.substr(0, at);
}

bool SamePath(std::string_view a, std::string_view b) {
    return SameText(WithoutTrailingBackslash(a), WithoutTrailingBackslash(b));
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

bool IsLinkFile(std::string_view path) {
    if (path.size() < 4) return false;
    const std::string_view extension = path.substr(path.size() - 4);
    return SameText(extension, ".lnk") || SameText(extension, ".url");
}

// The simple database picks a key's bucket by its first two bytes, and the names of one folder
// often share them ("file1.txt", "IMG_0001.jpg"): one chain would hold them all and every
// lookup would walk it. So a key leads with two bytes of the name's hash, one for the bucket's
// row and one for its column (byte 10 + v lands on v), spreading a folder over 729 buckets.
std::string NameKey(std::string_view name) {
    const std::size_t hash = std::hash<std::string_view>{}(name);
    std::string key;
    key.reserve(name.size() + 2);
    key += static_cast<char>(10 + hash % 27);
    key += static_cast<char>(10 + hash / 27 % 27);
    key += name;
    return key;
}
bool Has(const SimpleDatabase& names, std::string_view name) { return names.Get(NameKey(name)) != 0; }
void Put(SimpleDatabase& names, std::string_view name) { names.Set(NameKey(name), 1); }
void Remove(SimpleDatabase& names, std::string_view name) { names.Delete(NameKey(name)); }

// Names of the found items that the shown set lacks, folders first, each part in natural order.
std::vector<std::string> FoldersThenFiles(const std::vector<FoundItem>& found, const SimpleDatabase* skip) {
    std::vector<std::string> folders, files;
    for (const FoundItem& item : found) {
        if (skip != nullptr && Has(*skip, item.name)) continue;
        (item.isFolder ? folders : files).push_back(item.name);
    }
    NaturalSort(folders);
    NaturalSort(files);
    folders.insert(folders.end(), std::make_move_iterator(files.begin()), std::make_move_iterator(files.end()));
    return folders;
}

}  // namespace

void NaturalSort(std::vector<std::string>& names) {
    if (names.size() < 2) return;
    // The sort key: the folded name with every run of fewer than five digits padded to five.
    std::vector<std::string> keys(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        std::string& key = keys[i];
        key.reserve(name.size() + 8);
        for (std::size_t at = 0; at < name.size();) {
            std::size_t end = at;
            while (end < name.size() && name[end] >= '0' && name[end] <= '9') ++end;
            if (end == at) {
                key += static_cast<char>(FoldCase(static_cast<unsigned char>(name[at++])));
                continue;
            }
            if (end - at < 5) key.append(5 - (end - at), '0');
            key.append(name, at, end - at);
            at = end;
        }
    }
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Equal keys ("a1" and "a01", "A" and "a") fall back to the bytes, so the order never
    // depends on the order the file system gave.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : names[a] < names[b];
    });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (std::size_t i : order) sorted.push_back(std::move(names[i]));
    names = std::move(sorted);
}

FolderBrowser::FolderBrowser(FolderBrowserContext context, FolderBrowserHooks hooks)
    : context_(std::move(context)), hooks_(std::move(hooks)) {}

bool FolderBrowser::SetActive(bool on) {
    if (on == active_) return false;
    active_ = on;
    if (!on) lastText_ = shellText_ = kNeverTypedOnLeave;
    return true;
}

bool FolderBrowser::PathMode() const { return IsPathMode(context_.query.currentText()); }

std::string FolderBrowser::FolderChar() const { return context_.query.prefixes().FolderSearchChar(); }

void FolderBrowser::List(bool reload) {
    if (PathMode()) ListShellPath(reload);
    else ListFolder();
}

void FolderBrowser::ShowListing(std::string_view filter) {
    ListBoxModel& list = context_.list;
    list.Items().Clear();
    FilterInto(filter, listing_, list.Items());
    list.SetSelected(0);
    list.SetTopIndex(0);
    lastText_ = context_.query.currentText();
}

void FolderBrowser::ListFolder() {
    const std::string& folder = context_.query.browsedFolder();
    const std::string filter(FolderFilterOf(context_.query.queryTail()));
    // No folder typed yet ("<win") names no folder: nothing is listed.
    std::vector<FoundItem> found;
    if (!folder.empty()) found = context_.files.FindItems(folder, "*" + filter + "*");
    listing_ = FoldersThenFiles(found, nullptr);
    shownNames_.Clear();
    for (const std::string& name : listing_) Put(shownNames_, name);
    ShowListing(filter);
}

void FolderBrowser::ListShellPath(bool reload) {
    IShellFolderView* view = context_.shellView;
    const std::string& text = context_.query.currentText();
    const std::string& tail = context_.query.queryTail();
    if (view != nullptr) {
        if (CutBeforeLastBackslash(text) != CutBeforeLastBackslash(shellText_)) {
            if (hooks_.setFormEnabled) hooks_.setFormEnabled(false);
            const std::uint64_t started = context_.clock.NowMs();
            const bool navigated = ShellNavigate(tail);
            const std::uint64_t took = context_.clock.NowMs() - started;
            if (hooks_.setFormEnabled) hooks_.setFormEnabled(true);
            const std::string current = view->CurrentFolder().fileSystemPath;
            shellFolderLive_ = navigated && took <= kSlowNavigationMs &&
                               !StartsWithText(tail, context_.networkFolder) && !current.empty() &&
                               context_.files.FolderExists(current);
        } else if (reload) {
            view->Refresh();
        }
    }
    listing_.clear();
    shownNames_.Clear();
    if (view != nullptr) {
        for (const ShellViewItem& item : view->Items()) {
            listing_.push_back(item.displayName);
            Put(shownNames_, item.displayName);
        }
    }
    ShowListing(FolderFilterOf(tail));
    shellText_ = text;
}

bool FolderBrowser::ShellNavigate(const std::string& queryTail) {
    IShellFolderView& view = *context_.shellView;
    const std::string typed = FolderChar() + "\\" + queryTail;
    if (CutBeforeLastBackslash(typed) == CutBeforeLastBackslash(shellText_)) return true;

    // Stepped into the selected row.
    const ListBoxModel& list = context_.list;
    if (list.HasSelection() && typed == shellText_ + list.SelectedText() + "\\") {
        const auto& items = view.Items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].displayName == list.SelectedText()) return view.EnterItem(i);
    }
    // Went up to the parent of the last folder.
    if (typed.back() == '\\' &&
        WithoutTrailingBackslash(typed) == CutBeforeLastBackslash(WithoutTrailingBackslash(shellText_)))
        return view.GoUp();
    return NavigateFromRoot(queryTail);
}

bool FolderBrowser::NavigateFromRoot(const std::string& queryTail) {
    IShellFolderView* view = context_.shellView;
    shellText_ = kNeverTypedOnLeave;
    if (view == nullptr || !view->GoToRoot()) return false;
    // Every component ends at a '\'; what follows the last one is the filter.
    const std::size_t last = queryTail.rfind('\\');
    const std::string_view folders =
        last == std::string::npos ? std::string_view() : std::string_view(queryTail).substr(0, last + 1);
    for (std::size_t at = 0; at < folders.size();) {
        const std::size_t end = folders.find('\\', at);
        const std::string component = FoldedText(folders.substr(at, end - at));
        at = end + 1;
        const auto& items = view->Items();
        std::size_t match = items.size();
        for (std::size_t i = 0; i < items.size() && match == items.size(); ++i)
            if (items[i].isFolder && FoldedText(TrimBlanks(items[i].displayName)) == component) match = i;
        if (match == items.size() || !view->EnterItem(match)) return false;
    }
    return true;
}

void FolderBrowser::RefreshFolder(bool force, bool notify, bool reset) {
    if (!active_ || (!force && !InputLockFree())) return;
    // The input changed since the rows were made: the rebuild that follows every change lists
    // afresh, and it must still see the old text to know the folder changed.
    if (context_.query.currentText() != lastText_) return;

    if (PathMode()) {
        IShellFolderView* view = context_.shellView;
        if (view == nullptr) return;
        const std::string& tail = context_.query.queryTail();
        const bool changeReported =
            !reportedPath_.empty() && SamePath(reportedPath_, view->CurrentFolder().fileSystemPath);
        const bool reread = reset || shellFolderLive_ || changeReported || tail.empty() ||
                            SameText(tail, context_.computerFolder) || SameText(tail, context_.recycleBinFolder);
        if (!reread) return;
        reportedPath_.clear();
        view->Refresh();
        std::vector<std::string> fresh;
        for (const ShellViewItem& item : view->Items()) fresh.push_back(item.displayName);
        std::vector<std::string> added;
        for (const std::string& name : fresh)
            if (!Has(shownNames_, name)) added.push_back(name);
        UpdateRowsInPlace(std::move(fresh), std::move(added));
    } else {
        const std::string& folder = context_.query.browsedFolder();
        const std::string filter(FolderFilterOf(context_.query.queryTail()));
        std::vector<FoundItem> found;
        if (!folder.empty()) found = context_.files.FindItems(folder, "*" + filter + "*");
        std::vector<std::string> fresh;
        fresh.reserve(found.size());
        for (const FoundItem& item : found) fresh.push_back(item.name);
        UpdateRowsInPlace(std::move(fresh), FoldersThenFiles(found, &shownNames_));
    }

    // Row drawing recomputes the info text of every row.
    RowList& rows = context_.list.Items();
    for (int i = 0; i < rows.Count(); ++i)
        if (Entry* entry = EntryIfAny(rows.Objects(i))) entry->infoText = "@nod";
    if (notify) {
        if (hooks_.repaintList) hooks_.repaintList();
        else context_.list.Repaint();
    }
}

void FolderBrowser::UpdateRowsInPlace(std::vector<std::string> fresh, std::vector<std::string> added) {
    foundNames_.Clear();
    for (const std::string& name : fresh) Put(foundNames_, name);
    ListBoxModel& list = context_.list;
    // Rows are names, compared exactly: "Readme" and "README" are different files to a shell
    // that keeps both.
    for (int i = list.Count() - 1; i >= 0; --i) {
        const std::string& text = list.Items().Strings(i);
        if (!Has(shownNames_, text) || Has(foundNames_, text)) continue;
        Remove(shownNames_, text);
        if (list.DeleteRow(i)) ++refreshRowChanges_;
    }
    for (const std::string& name : listing_)
        if (!Has(foundNames_, name)) Remove(shownNames_, name);
    for (std::string& name : added) {
        if (Has(shownNames_, name)) continue;
        Put(shownNames_, name);
        if (list.Items().Add(std::move(name)) >= 0) ++refreshRowChanges_;
    }
    listing_ = std::move(fresh);
}

void FolderBrowser::SetInputAndList(const std::string& text) {
    if (hooks_.setInputText) hooks_.setInputText(text);
    if (!active_ || context_.query.currentText() != text) return;
    if (hooks_.rebuildList) hooks_.rebuildList();
    else List(false);
}

void FolderBrowser::GoIntoFolderRow() {
    const ListBoxModel& list = context_.list;
    if (!active_ || !list.HasSelection()) return;
    const std::string selected = list.SelectedText();
    const std::string folderChar = FolderChar();
    const auto linkTarget = [this](const std::string& path) {
        return IsLinkFile(path) && hooks_.linkTarget ? hooks_.linkTarget(path) : std::string();
    };
    const auto folderOrFile = [this, &folderChar](const std::string& target) {
        return folderChar + (context_.files.FolderExists(target) ? WithTrailingBackslash(target) : target);
    };

    if (PathMode()) {
        const std::optional<ShellViewItem> item = FindShellItem(selected);
        if (!item) return;
        if (const std::string target = linkTarget(item->fileSystemPath); !target.empty()) {
            SetInputAndList(folderOrFile(target));
            return;
        }
        std::string text(CutBeforeLastBackslash(context_.query.currentText()));
        text += "\\" + TrimBlanks(selected);
        if (item->isFolder) text += '\\';
        SetInputAndList(text);
        return;
    }

    const std::string path = context_.query.browsedFolder() + TrimBlanks(selected);
    std::string text;
    if (const std::string target = linkTarget(path); !target.empty()) text = folderOrFile(target);
    else if (context_.files.FolderExists(path)) text = folderChar + path + "\\";
    else text = folderChar + path;
    if (hooks_.setInputText) hooks_.setInputText(text);

    // A folder shortcut: a folder that holds only "desktop.ini" and "target.lnk" stands for
    // the link's target.
    const std::string& folder = context_.query.browsedFolder();
    if (!folder.empty() && text.back() == '\\') {
        const std::vector<FoundItem> inside = context_.files.FindItems(folder, "*");
        if (inside.size() == 2 && FoldedText(inside[0].name) == "desktop.ini" &&
            FoldedText(inside[1].name) == "target.lnk") {
            const std::string target = hooks_.linkTarget ? hooks_.linkTarget(folder + inside[1].name) : std::string();
            if (!target.empty()) text = folderOrFile(target);
        }
    }
    SetInputAndList(text);
}

std::string FolderBrowser::NewItemFolder() const {
    if (!PathMode()) return context_.query.browsedFolder();
    const std::string path = context_.shellView->CurrentFolder().fileSystemPath;
    return !path.empty() && context_.files.FolderExists(path) ? WithTrailingBackslash(path) : std::string();
}

std::string FolderBrowser::CreateNewItem(const std::string& baseName, bool isFolder) {
    if (!active_ || baseName.empty() || (PathMode() && context_.shellView == nullptr)) return {};
    const std::string& text = context_.query.currentText();
    const std::string_view filter = FolderFilterOf(context_.query.queryTail());
    // The new row must not hide behind a filter it does not match.
    if (!filter.empty() && FoldedText(baseName).find(FoldedText(filter)) == std::string::npos)
        SetInputAndList(text.substr(0, text.size() - filter.size()));

    const std::string folder = NewItemFolder();
    if (folder.empty()) return {};
    // The shell view's own refresh would reorder the rows under the new selection.
    IShellFolderView* view = context_.shellView;
    const bool autoRefresh = view != nullptr && view->AutoRefresh();
    if (view != nullptr) view->SetAutoRefresh(false);

    std::string created;
    for (int n = 1; n <= kMaxNewItemTries && created.empty(); ++n) {
        const std::string name = n == 1 ? baseName : baseName + " (" + std::to_string(n) + ")";
        const Status status =
            isFolder ? context_.files.CreateNewFolder(folder + name) : context_.files.CreateNewFile(folder + name);
        if (status) created = name;
    }
    if (!created.empty()) {
        RefreshFolder(true, true, true);
        SelectCreatedRow(created);
    }
    if (view != nullptr) view->SetAutoRefresh(autoRefresh);
    return created;
}

void FolderBrowser::SelectCreatedRow(const std::string& name) {
    ListBoxModel& list = context_.list;
    const RowList& rows = list.Items();
    const bool pathMode = PathMode();
    for (std::string padded = name; !padded.empty(); padded += ' ') {
        for (int i = rows.Count() - 1; i >= 0; --i) {
            if (rows.Strings(i) != padded) continue;
            list.SetSelected(i);
            list.ShowRow(i);
            list.Repaint();
            return;
        }
        if (!pathMode || padded.size() >= kMaxPaddedNameLength) return;
    }
}

std::string FolderBrowser::ReleasedTitle() const {
    std::string_view folder = WithoutTrailingBackslash(context_.query.browsedFolder());
    const std::size_t cut = folder.rfind('\\');
    std::string title(cut == std::string_view::npos ? folder : folder.substr(cut + 1));
    if (title.empty()) return context_.query.queryTail();
    const bool driveRoot = title.size() == 2 && title[1] == ':' &&
                           ((title[0] >= 'A' && title[0] <= 'Z') || (title[0] >= 'a' && title[0] <= 'z'));
    if (driveRoot) title += '\\';
    return title;
}

std::optional<ShellViewItem> FolderBrowser::FindShellItem(const std::string& rowText) const {
    if (context_.shellView == nullptr) return std::nullopt;
    for (const ShellViewItem& item : context_.shellView->Items())
        if (item.displayName == rowText) return item;
    return std::nullopt;
}

std::optional<ShellViewItem> FolderBrowser::CurrentShellFolder() const {
    if (context_.shellView == nullptr) return std::nullopt;
    return context_.shellView->CurrentFolder();
}

}  // namespace qx
