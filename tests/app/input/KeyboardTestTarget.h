#pragma once
#include <map>
#include <string>
#include <vector>

#include "app/input/KeyboardCommands.h"
#include "search/QueryState.h"

namespace qx::test {

// Plays both the main window for the keyboard commands and the query's hooks, so a changed
// input runs the real change handling (and so enters folder browsing on the folder character).
class KeyboardTestTarget : public IKeyboardTarget, public IQueryHooks {
public:
    // Shared state.
    bool IsInputLockFree() const override { return lockFree; }
    bool IsFolderBrowsing() const override { return folderBrowsing; }
    void SwitchToSearchResults() override {
        calls.push_back("search view");
        if (query != nullptr) query->searchResultsView = true;
    }
    // Also closed by every input change, so counted apart from the calls.
    void CloseBalloonTip() override { ++balloonCloses; }
    std::string ExpandPath(const std::string& path) const override {
        const auto it = expansions.find(path);
        return it == expansions.end() ? path : it->second;
    }

    // IQueryHooks
    void SetFolderBrowsing(bool on) override { folderBrowsing = on; }
    bool IsInputLineHidden() const override { return inputHidden; }
    void RepaintTopBar() override { calls.push_back("top bar"); }

    // IKeyboardTarget
    bool IsFileOpLockFree() const override { return fileOpLockFree; }
    bool IsReleased() const override { return released; }
    bool IsLaunchRunning() const override { return launchRunning; }
    bool IsEditEntryDialogVisible() const override { return editDialogVisible; }
    const std::string& ProgramFolder() const override { return programFolder; }
    void PutInputLineText(const std::string& text) override { inputLine = text; }
    void RunInputChange(const std::string& text) override { query->FormEditChange(text); }
    void MoveCaretToEnd() override { calls.push_back("caret to end"); }
    void FocusField(KeyField field) override {
        calls.push_back(field == KeyField::InputLine ? "focus input" : "focus capture");
    }
    void ShowInputLine() override { calls.push_back("show input"); }
    void ClearKeyCaptureField() override { calls.push_back("clear capture"); }
    void AttachMainMenu(bool attached) override { menuAttached = attached; }
    void QueueMove(int delta) override { calls.push_back("move " + std::to_string(delta)); }
    void QueueGoInto() override { calls.push_back("go into"); }
    void QueueLaunch(ModifierKeys keys) override {
        calls.push_back(std::string("launch") + (keys.shift ? " shift" : "") + (keys.alt ? " alt" : ""));
    }
    void ClearQueuedMoves() override { calls.push_back("clear moves"); }
    void UniversalUpdate(bool notify, bool reload) override {
        calls.push_back(std::string("update ") + (notify ? "1" : "0") + (reload ? "1" : "0"));
    }
    void ChangeToListBox() override { calls.push_back("all entries"); }
    void UpdateLaunchState() override { calls.push_back("launch state"); }
    void PopupInfoMenu() override { calls.push_back("info menu"); }
    void PopupOptionsMenu() override { calls.push_back("options menu"); }
    void OpenWebSearchDialog() override { calls.push_back("web search"); }
    void OpenEditEntryDialog() override { calls.push_back("edit dialog"); }
    void OpenRowContextMenu() override { calls.push_back("row menu"); }
    void OpenContainingFolder() override { calls.push_back("open folder"); }
    void RemoveSelectedRow() override { calls.push_back("remove row"); }
    void SaveEntries() override { calls.push_back("save entries"); }
    void ReleaseWindow() override { calls.push_back("release"); }
    void GoToExplorerFolder() override { calls.push_back("explorer folder"); }
    void BeginSearchInFolder() override { calls.push_back("begin folder search"); }
    void GoIntoFolderRow() override { calls.push_back("go into folder row"); }
    void RunFolderCommand(MenuCommand command) override {
        calls.push_back(std::string("folder ") + MainMenuItem(command).itemName);
    }
    void DeleteMarkedItems() override { calls.push_back("delete marked"); }

    QueryState* query = nullptr;
    int balloonCloses = 0;
    std::vector<std::string> calls;
    std::map<std::string, std::string> expansions;
    std::string inputLine;
    std::string programFolder = "C:\\Apps\\Quillox\\";
    bool lockFree = true, fileOpLockFree = true, folderBrowsing = false, released = false, launchRunning = false,
         editDialogVisible = false, menuAttached = false, inputHidden = false;
};

}  // namespace qx::test
