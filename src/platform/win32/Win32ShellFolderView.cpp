#include "platform/win32/Win32ShellFolderView.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string_view>
#include <unordered_map>
#include <utility>

namespace qx {
namespace {

constexpr char kReportWindowClass[] = "QxShellChangeReports";
constexpr UINT kChangeReportMessage = WM_APP + 1;
const std::string kDesktopIdList(2, '\0');

std::size_t ItemSize(const char* at) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(at);
    return static_cast<std::size_t>(bytes[0] | (bytes[1] << 8));
}

// The bytes of an ID list the shell handed over, terminator included.
std::string_view BytesOf(const ITEMIDLIST* idList) {
    const auto* start = reinterpret_cast<const char*>(idList);
    std::size_t size = 0;
    while (const std::size_t item = ItemSize(start + size)) size += item;
    return {start, size + 2};
}

const ITEMIDLIST* AsIdList(const std::string& bytes) { return reinterpret_cast<const ITEMIDLIST*>(bytes.data()); }

// The list less its last item; the desktop's stays as it is.
std::string WithoutLastItem(std::string_view idList) {
    std::size_t offset = 0, last = 0;
    while (offset + 2 <= idList.size()) {
        const std::size_t item = ItemSize(idList.data() + offset);
        if (item == 0) break;
        last = offset;
        offset += item;
    }
    std::string parent(idList.substr(0, last));
    parent.append(2, '\0');
    return parent;
}

std::string NameOf(IShellFolder& folder, const ITEMIDLIST* child, SHGDNF kind) {
    STRRET name{};
    if (FAILED(folder.GetDisplayNameOf(child, kind, &name))) return {};
    char text[MAX_PATH] = {};
    // Also frees the text the folder may have allocated for the name.
    if (FAILED(::StrRetToBufA(&name, child, text, MAX_PATH))) return {};
    return text;
}

std::string PathOf(const ITEMIDLIST* absolute) {
    char path[MAX_PATH] = {};
    return ::SHGetPathFromIDListA(absolute, path) ? path : std::string();
}

// The folder's own facts, as its items' facts are given.
ShellViewItem Describe(const std::string& idList) {
    ShellViewItem folder;
    SHFILEINFOA info{};
    if (::SHGetFileInfoA(reinterpret_cast<const char*>(AsIdList(idList)), 0, &info, sizeof info,
                         SHGFI_PIDL | SHGFI_DISPLAYNAME))
        folder.displayName = info.szDisplayName;
    folder.isFolder = true;
    folder.fileSystemPath = PathOf(AsIdList(idList));
    folder.idListBytes = idList;
    return folder;
}

}  // namespace

Win32ShellFolderView::Win32ShellFolderView() : com_(COINIT_APARTMENTTHREADED) {
    // Without the desktop every navigation fails and the view stays empty.
    if (FAILED(::SHGetDesktopFolder(desktop_.put()))) desktop_.reset();
    folder_ = desktop_;
    folderIdList_ = kDesktopIdList;
    current_ = Describe(folderIdList_);

    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Win32ShellFolderView::ReportWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kReportWindowClass;
    ::RegisterClassExA(&windowClass);  // fails harmlessly for every view after the first
    reportWindow_.reset(
        ::CreateWindowExA(0, kReportWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
    if (reportWindow_) ::SetWindowLongPtrA(reportWindow_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32ShellFolderView::~Win32ShellFolderView() {
    StopWatching();
    // No report may reach the view while its members go.
    if (reportWindow_) ::SetWindowLongPtrA(reportWindow_.get(), GWLP_USERDATA, 0);
    reportWindow_.reset();
}

bool Win32ShellFolderView::GoToRoot() { return desktop_ && Show(desktop_, kDesktopIdList); }

bool Win32ShellFolderView::GoUp() {
    if (AtRoot() || !desktop_) return false;
    std::string parent = WithoutLastItem(folderIdList_);
    if (parent.size() <= 2) return Show(desktop_, std::move(parent));
    ComPtr<IShellFolder> folder;
    if (FAILED(desktop_->BindToObject(AsIdList(parent), nullptr, IID_IShellFolder, folder.putVoid())) || !folder)
        return false;
    return Show(std::move(folder), std::move(parent));
}

bool Win32ShellFolderView::EnterItem(std::size_t index) {
    if (index >= items_.size() || !items_[index].isFolder || !folder_) return false;
    std::string target = items_[index].idListBytes;  // Show replaces the items
    const std::string child = target.substr(folderIdList_.size() - 2);
    ComPtr<IShellFolder> folder;
    if (FAILED(folder_->BindToObject(AsIdList(child), nullptr, IID_IShellFolder, folder.putVoid())) || !folder)
        return false;
    return Show(std::move(folder), std::move(target));
}

bool Win32ShellFolderView::AtRoot() const { return folderIdList_.size() <= 2; }

void Win32ShellFolderView::Refresh() { ReadItems(); }

void Win32ShellFolderView::SetChangeListener(std::function<void(const std::string& path)> listener) {
    listener_ = std::move(listener);
}

bool Win32ShellFolderView::Show(ComPtr<IShellFolder> folder, std::string idListBytes) {
    folder_ = std::move(folder);
    folderIdList_ = std::move(idListBytes);
    current_ = Describe(folderIdList_);
    ReadItems();
    WatchCurrentFolder();
    return true;
}

std::optional<std::string> Win32ShellFolderView::ItemDetail(const ShellViewItem& item, int column) const {
    // The item's own ID follows the folder's list (less its terminator) in its absolute list.
    const std::size_t parent = folderIdList_.size() - 2;
    if (!folder_ || column < 0 || item.idListBytes.size() <= parent + 2 ||
        item.idListBytes.compare(0, parent, folderIdList_, 0, parent) != 0)
        return std::nullopt;
    ComPtr<IShellFolder2> details;
    if (FAILED(folder_->QueryInterface(IID_IShellFolder2, details.putVoid())) || !details) return std::nullopt;
    const std::string own = item.idListBytes.substr(parent);
    SHELLDETAILS detail{};
    if (FAILED(details->GetDetailsOf(AsIdList(own), static_cast<UINT>(column), &detail))) return std::nullopt;
    char text[MAX_PATH] = {};
    if (FAILED(::StrRetToBufA(&detail.str, AsIdList(own), text, MAX_PATH))) return std::nullopt;
    return std::string(text);
}

void Win32ShellFolderView::ReadItems() {
    // A file of a file-system folder whose ID list is unchanged since the last read (its ID
    // list holds its name, size and times) is taken over as it was: asking the folder for
    // display names is by far the dearest part of a read, and a refresh of a big folder finds
    // most files unchanged. Virtual items (drives and their labels) are always asked afresh.
    std::vector<ShellViewItem> previous = std::move(items_);
    items_.clear();
    std::unordered_map<std::string_view, ShellViewItem*> known;
    if (!current_.fileSystemPath.empty()) {
        known.reserve(previous.size());
        for (ShellViewItem& item : previous)
            if (!item.fileSystemPath.empty()) known.emplace(item.idListBytes, &item);
    }

    if (!folder_) return;
    ComPtr<IEnumIDList> children;
    if (folder_->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, children.put()) != S_OK || !children)
        return;
    // An item's absolute list is the folder's without its terminator, then the item's own.
    const std::string_view parent(folderIdList_.data(), folderIdList_.size() - 2);
    UniqueIdList child;
    std::string idList;
    while (children->Next(1, child.put(), nullptr) == S_OK && child) {
        const ITEMIDLIST* item = child.get();
        const std::string_view own = BytesOf(item);
        idList.reserve(parent.size() + own.size());
        idList.assign(parent).append(own);
        if (const auto found = known.find(idList); found != known.end()) {
            ShellViewItem* unchanged = found->second;
            known.erase(found);  // before the move: the key views the item's own bytes
            items_.push_back(std::move(*unchanged));
            continue;
        }
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_FILESYSTEM;
        if (FAILED(folder_->GetAttributesOf(1, &item, &attributes))) attributes = 0;
        ShellViewItem& added = items_.emplace_back();
        added.displayName = NameOf(*folder_.get(), item, SHGDN_INFOLDER);
        added.isFolder = (attributes & SFGAO_FOLDER) != 0;
        // A file-system item's parsing name is its full path; asking the folder spares a walk
        // from the desktop for every item.
        if (attributes & SFGAO_FILESYSTEM) added.fileSystemPath = NameOf(*folder_.get(), item, SHGDN_FORPARSING);
        added.idListBytes = idList;
    }
}

void Win32ShellFolderView::WatchCurrentFolder() {
    StopWatching();
    if (!reportWindow_) return;
    SHChangeNotifyEntry entry{};
    entry.pidl = AsIdList(folderIdList_);
    entry.fRecursive = FALSE;
    registration_ = ::SHChangeNotifyRegister(reportWindow_.get(),
                                             SHCNRF_ShellLevel | SHCNRF_InterruptLevel | SHCNRF_NewDelivery,
                                             SHCNE_ALLEVENTS, kChangeReportMessage, 1, &entry);
}

void Win32ShellFolderView::StopWatching() {
    if (registration_ != 0) ::SHChangeNotifyDeregister(registration_);
    registration_ = 0;
}

void Win32ShellFolderView::OnChangeReport(WPARAM lock, LPARAM processId) {
    PIDLIST_ABSOLUTE* idLists = nullptr;
    LONG event = 0;
    const HANDLE locked = ::SHChangeNotification_Lock(reinterpret_cast<HANDLE>(lock), static_cast<DWORD>(processId),
                                                      &idLists, &event);
    if (!locked) return;
    // The folder the change happened in (the folder itself when its whole content changed), so
    // that a report for the shown folder names it as CurrentFolder() does.
    std::string path;
    if (idLists && idLists[0]) {
        const std::string_view changed = BytesOf(idLists[0]);
        const std::string folder =
            (event & SHCNE_UPDATEDIR) ? std::string(changed) : WithoutLastItem(changed);
        path = PathOf(AsIdList(folder));
    }
    ::SHChangeNotification_Unlock(locked);
    if (path.empty()) path = current_.fileSystemPath;
    if (autoRefresh_ && listener_) listener_(path);
}

LRESULT CALLBACK Win32ShellFolderView::ReportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kChangeReportMessage) return ::DefWindowProcA(window, message, wParam, lParam);
    auto* view = reinterpret_cast<Win32ShellFolderView*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    try {
        if (view) view->OnChangeReport(wParam, lParam);
    } catch (...) {
        // A report only hastens a refresh that the timer makes anyway; losing one is harmless.
    }
    return 0;
}

}  // namespace qx
