#include "search/FolderBrowser.h"

#include "controls/ListBoxModel.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "search/QueryState.h"

namespace qx {

FolderBrowser::FolderBrowser(FolderBrowserContext context, FolderBrowserHooks hooks)
    : context_(std::move(context)), hooks_(std::move(hooks)) {}

bool FolderBrowser::SetActive(bool on) {
    if (on == active_) return false;
    active_ = on;
    if (!on) lastText_ = kNeverTypedOnLeave;
    return true;
}

void FolderBrowser::ListFolder() {}
void FolderBrowser::ListShellPath(bool) {}
void FolderBrowser::List(bool reload) {
    if (IsPathMode(context_.query.currentText())) ListShellPath(reload);
    else ListFolder();
}
void FolderBrowser::RefreshFolder(bool, bool, bool) {}
void FolderBrowser::GoIntoFolderRow() {}
std::string FolderBrowser::CreateNewItem(const std::string&, bool) { return {}; }
std::string FolderBrowser::ReleasedTitle() const { return {}; }
std::optional<ShellViewItem> FolderBrowser::FindShellItem(const std::string&) const { return std::nullopt; }
std::optional<ShellViewItem> FolderBrowser::CurrentShellFolder() const { return std::nullopt; }
bool FolderBrowser::NavigateFromRoot(const std::string&) { return false; }

void NaturalSort(std::vector<std::string>&) {}

}  // namespace qx
