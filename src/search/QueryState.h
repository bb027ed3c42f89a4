#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "search/PrefixCharacters.h"

namespace qx {

// Path parts of an input line whose first character is the folder character.
//
// Path mode: the second character is '\' and the third, if any, is not (F + two backslashes
// is a network path, not path mode).
bool IsPathMode(std::string_view text);
// The text less its first character; in path mode less the '\' after it too.
std::string_view QueryTailOf(std::string_view text);
// Everything up to and including the last '\' or ':'; empty when there is neither.
std::string_view FolderPartOf(std::string_view tail);
// What follows the last '\' or ':'.
std::string_view FolderFilterOf(std::string_view tail);

// Recomputed on every input change for folder browsing and row drawing.
struct FolderFlags {
    bool networkFolder = false;       // the browsed folder is the network folder
    bool computerFolder = false;      // the browsed folder is the computer folder
    bool networkConnections = false;  // the tail mentions the network connections folder
    bool printersAndFaxes = false;    // the tail mentions the printers and faxes folder
};

// What the change handling sets off in other features.
class IQueryHooks {
public:
    virtual ~IQueryHooks() = default;

    // Closes the main window's balloon tip; nothing when none is showing.
    virtual void CloseBalloonTip() = 0;
    virtual bool IsFolderBrowsing() const = 0;
    // Enters or leaves folder browsing.
    virtual void SetFolderBrowsing(bool on) = 0;
    virtual bool IsInputLockFree() const = 0;
    // Switches the list to the search-results view (which sets QueryState::searchResultsView).
    virtual void SwitchToSearchResults() = 0;
    // Skins that draw the input themselves hide the input line and show it in the top bar.
    virtual bool IsInputLineHidden() const = 0;
    virtual void RepaintTopBar() = 0;
    // Expands markers, environment variables and relative parts of a stored path.
    virtual std::string ExpandPath(const std::string& path) const = 0;
};

// The input line as the search sees it, and the handling of each change of it. The search
// does not run here: the result timer runs it once the settle counter reaches 2.
class QueryState {
public:
    QueryState(const PrefixCharacters& prefixes, IQueryHooks& hooks) : prefixes_(prefixes), hooks_(hooks) {}
    QueryState(const QueryState&) = delete;
    QueryState& operator=(const QueryState&) = delete;

    // The shell's parsing paths of the network and computer folders, each with a trailing
    // '\'; known once the shell was asked at start-up. An empty path never matches.
    void SetSpecialFolders(std::string networkFolder, std::string computerFolder);

    // The change event of the input line, with its new text.
    void FormEditChange(const std::string& text);

    const std::string& currentText() const { return currentText_; }
    const std::string& previousText() const { return previousText_; }
    const std::string& queryTail() const { return queryTail_; }
    // The folder part of the tail with a trailing '\', expanded; empty when none is typed.
    const std::string& browsedFolder() const { return browsedFolder_; }
    int textLength() const { return textLength_; }
    const FolderFlags& folderFlags() const { return folderFlags_; }
    InputMode Mode() const { return prefixes_.ModeOf(currentText_); }
    const PrefixCharacters& prefixes() const { return prefixes_; }

    // Shared with the result timer and the view switch.
    std::uint8_t settleCounter = 0;
    bool searchResultsView = true;
    bool autoSwitchAllowed = true;  // off only while the window is being minimised

private:
    void RecomputeFolderFlags();

    const PrefixCharacters& prefixes_;
    IQueryHooks& hooks_;
    std::string networkFolder_;
    std::string computerFolder_;

    std::string currentText_;
    std::string previousText_;
    std::string queryTail_;
    std::string browsedFolder_;
    int textLength_ = 0;
    FolderFlags folderFlags_;
};

}  // namespace qx
