#include "search/QueryState.h"

#include "text/CaseFold.h"

namespace qx {
namespace {

// Whether needle occurs in text and its first occurrence ends where text ends.
bool FirstOccurrenceEndsAtEnd(std::string_view text, std::string_view needle) {
    if (needle.empty()) return false;
    const std::size_t at = text.find(needle);
    return at != std::string_view::npos && at + needle.size() == text.size();
}

}  // namespace

bool IsPathMode(std::string_view text) { return text.size() >= 2 && text[1] == '\\' && (text.size() < 3 || text[2] != '\\'); }

std::string_view QueryTailOf(std::string_view text) {
    if (text.empty()) return {};
    return text.substr(IsPathMode(text) ? 2 : 1);
}

std::string_view FolderPartOf(std::string_view tail) {
    const std::size_t last = tail.find_last_of("\\:");
    return last == std::string_view::npos ? std::string_view() : tail.substr(0, last + 1);
}

std::string_view FolderFilterOf(std::string_view tail) {
    const std::size_t last = tail.find_last_of("\\:");
    return last == std::string_view::npos ? tail : tail.substr(last + 1);
}

void QueryState::SetSpecialFolders(std::string networkFolder, std::string computerFolder) {
    networkFolder_ = FoldedText(networkFolder);
    computerFolder_ = FoldedText(computerFolder);
}

void QueryState::FormEditChange(const std::string& text) {
    if (text == previousText_) return;
    hooks_.CloseBalloonTip();

    currentText_ = text;
    queryTail_ = std::string(QueryTailOf(text));
    RecomputeFolderFlags();
    settleCounter = 0;

    const std::string& folderChar = prefixes_.FolderSearchChar();
    const bool wantsFolders = !text.empty() && folderChar.size() == 1 && text.front() == folderChar.front();
    if (wantsFolders != hooks_.IsFolderBrowsing()) hooks_.SetFolderBrowsing(wantsFolders);

    if (!searchResultsView && hooks_.IsInputLockFree() && !text.empty() && autoSwitchAllowed) {
        hooks_.SwitchToSearchResults();
    }
    if (hooks_.IsInputLineHidden()) hooks_.RepaintTopBar();

    textLength_ = static_cast<int>(text.size());
    previousText_ = text;
}

void QueryState::RecomputeFolderFlags() {
    std::string folder(FolderPartOf(queryTail_));
    if (!folder.empty()) {
        if (folder.back() != '\\') folder += '\\';
        folder = hooks_.ExpandPath(folder);
    }
    browsedFolder_ = folder;

    const std::string lowerFolder = FoldedText(folder);
    const std::string lowerTail = FoldedText(queryTail_);
    folderFlags_.networkFolder = FirstOccurrenceEndsAtEnd(lowerFolder, networkFolder_);
    folderFlags_.computerFolder = FirstOccurrenceEndsAtEnd(lowerFolder, computerFolder_);
    folderFlags_.networkConnections = lowerTail.find("rkverbin") != std::string::npos;
    folderFlags_.printersAndFaxes = lowerTail.find("drucker und faxg") != std::string::npos;
}

}  // namespace qx
