#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/EntryCleanup.h"
#include "app/AddEntries.h"
#include "app/input/KeyboardTarget.h"
#include "app/MainWindowView.h"
#include "app/OptionsMenu.h"
#include "app/SummonKeys.h"
#include "controls/Rect.h"
#include "dialogs/EditEntryModel.h"
#include "exec/LockCounter.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/IconSource.h"
#include "platform/KeyboardState.h"
#include "platform/MessageBoxes.h"
#include "platform/Registry.h"
#include "platform/Resources.h"
#include "platform/ShellFolderView.h"
#include "platform/ShellLauncher.h"
#include "platform/Status.h"
#include "platform/SystemInfo.h"
#include "search/PrefixCharacters.h"
#include "search/QueryState.h"
#include "skin/RowMetrics.h"
#include "skin/RowPlan.h"
#include "skin/ThemeMenu.h"
#include "store/FolderSet.h"
#include "store/LogWriter.h"
#include "store/Settings.h"
#include "store/SettingsFile.h"
#include "text/LanguageStrings.h"

namespace qx {

class BusyPanel;
class EntryCleanup;
class EntryIcons;
class EntryMaintenance;
class IFileDialogs;
class IShellFolderView;
class Entry;
class FolderBrowser;
class IShellItems;
class IShellLinkSource;
class IInstallerLookup;
class RowData;
class LaunchPipeline;
class LaunchWorkers;
class EntryStore;
class KeyboardCommands;
class ResultListModel;
class Skin;
struct SkinFailure;

inline constexpr const char* kWindowClassName = "TQxForm1";
inline constexpr const char* kCaptionDesigned = "quilx";
inline constexpr const char* kCaptionLaunching = "Quillox launching";
inline constexpr const char* kCaptionRunning = "Quillox Application Launcher";
inline constexpr const char* kCaptionReleased = "Quillox free";
inline constexpr const char* kApplicationTitle = "Quillox";

inline constexpr unsigned kResultsIntervalMs = 100;

inline constexpr int kShowInfoLockId = 20;
inline constexpr int kAskYesNoLockId = 30;

struct PlatformServices {
    IFileSystem& files;
    ISystemInfo& system;
    IMessageBoxes& boxes;
    IClock& clock;
    IKeyboardState& keyboard;
    // Shared with launch workers, which may outlive the window when a launch never returns.
    std::shared_ptr<IClipboard> clipboard;
    std::shared_ptr<IShellLauncher> shellLauncher;
    const IRegistry& registry;
    const IInstallerLookup* installer = nullptr;  // none: advertised shortcuts launch their Value
    const IShellLinkSource* links = nullptr;  // none: link files are added as files
    const IShellItems* shell = nullptr;         // none: names from the path, folders by existence
    IFileDialogs* fileDialogs = nullptr;        // none: the pickers choose nothing
    IShellFolderView* shellView = nullptr;     // none: path mode lists nothing
    const IResources* resources = nullptr;     // none: the built-in looks have no images
};

// The main window's behaviour from creation to destruction: the process-wide objects,
// the delayed start-up, show and hide, the release hand-over and closing. The real window
// forwards its events here and carries out what this asks through IMainWindowView.
class MainForm : private IQueryHooks, private IKeyboardTarget {
public:
    MainForm(IMainWindowView& view, PlatformServices platform);
    ~MainForm() override;
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // exePath: the first command-line word; arguments: the words after it.
    void FormCreate(const std::string& exePath, const std::vector<std::string>& arguments);
    void OnStartupTick();
    void OnHousekeepingTick();
    // WM_SYSCOMMAND SC_RESTORE and SC_MINIMIZE. A request that arrives while the other
    // transition still runs (from a message pump nested in it) is queued and runs right after
    // it; of several queued requests the last one wins.
    void RestoreTransition();
    void MinimiseTransition();
    bool FormCloseQuery();
    void QueryEndSession() { sessionEnding_ = true; }
    void FormDestroy();
    // Hands the window over to a fresh instance and stays open, released.
    void ReleaseWindow() override;

    // The input line's change event, with its new text.
    void FormEditChange(const std::string& text);
    void OnResultsTick();
    // The launch timer: polls the launch workers and reports their failures.
    void OnLaunchTick();

    // Keys of the window, the input line and the key capture field. KeyDown returns whether
    // the key was acted on; KeyPress sets the character to 0 when it was consumed.
    bool KeyDown(int key, bool alt, bool shift);
    void KeyPress(char& key);
    void FieldFocusChanged(KeyField field, bool focused);
    void KeyCaptureChange(const std::string& text);
    void MouseWheel(int wheelDelta);
    // The one launch action: Enter, a double click and a replayed Enter all end here, with the
    // modifier keys of that Enter or click.
    void ResultListDblClick(bool fromKeyboard = true, ModifierKeys keys = {});
    // A choice of the row context menu, for the row the menu was opened on.
    void RunRowMenuItem(RowMenuItem item);
    // The edit entry dialog on the selected row's stored entry, in entry search outside folder
    // browsing. editingExisting false: the entry was just added, and cancelling removes it.
    void OpenEntryEditor(bool editingExisting);
    // A click on the window itself: stops waiting for a locked launch.
    void FormMouseUp();
    // The items of "Eintrag hinzufügen" in the options menu.
    void RunAddCommand(AddEntryCommand command);
    // The "Sprache/Language" items: tag 0 German, 1 English.
    void ChooseLanguage(int tag) {
        language_.ChooseLanguage(tag);
        ApplySkinLook();  // the button captions
    }

    // The options menu's "Einträge verwalten" items.
    void ManageEntries(ManageCommand command);
    // Where entry icons come from; set before FormCreate. None: entries show no icons.
    void SetIconSource(const IIconSource* source) { iconSource_ = source; }
    // Entry icons, for the rows that draw them.
    EntryIcons& entryIcons() { return *entryIcons_; }

    void SaveSettings();
    // The options menu's items: each change is applied and saved at once.
    void ToggleOption(OptionFlag flag);
    // The opacity menu: "Deaktiviert" (kNotLayered) first warns about the square corners.
    void SetOpacityPercent(int percent);
    // The "Theme" menu's items as it opens (the skins folder is listed afresh), and the
    // choice of one of them.
    std::vector<ThemeMenuItem> ThemeMenuItems();
    void ChooseTheme(const ThemeMenuItem& item);
    // "Hintergrundbild": "Standard" (false) or "Benutzerdefiniert" (true, asks for a picture).
    void ChooseBackground(bool custom);
    // The window's size changed: the background is composed for the new height.
    void OnWindowResized(int windowHeight);
    // The window's "all entries" button: the list of every entry, as Ctrl+Alt+A shows it.
    void ShowAllEntries() { ChangeToListBox(); }

    // The error box with the system's message of a failed file operation; nothing on success.
    void ShowError(const Status& status);
    void ShowErrors(const Failures& failures);
    void ShowInfo(const std::string& text);
    bool AskYesNo(const std::string& text);
    void SetUserInput(bool enable, int id);

    const FolderSet& folders() const { return folders_; }
    const ShellRootNames& shellRoots() const { return shellRoots_; }
    EntryStore& store() { return *store_; }
    EntryAdder& adder() { return *adder_; }
    bool started() const { return started_; }
    bool released() const { return released_; }
    bool firstLaunch() const { return firstLaunch_; }
    bool showOnStartup() const { return showOnStartup_; }
    int languageIndex() const { return language_.languageIndex(); }
    LanguageSwitch& language() { return language_; }
    const Settings& settings() const { return settings_; }
    const QueryState& query() const { return *query_; }
    LockCounter& inputLock() { return *inputLock_; }
    LockCounter& fileOpLock() { return *fileOpLock_; }
    // What row drawing reads: the icon size of the current mode, and whether a folder row's
    // mark reaches to its text.
    bool LargeRowIcons() const { return IsFolderBrowsing() ? settings_.largeSearchIcons : settings_.largeIcons; }
    bool MarkToText() const { return IsFolderBrowsing(); }

private:
    enum class Visibility { Hidden, Showing, Shown, Hiding };

    // File operations on listed files arrive later; none can run yet.
    int RunningFileOperations() const { return 0; }
    bool InTransition() const { return visibility_ == Visibility::Showing || visibility_ == Visibility::Hiding; }
    void RunQueuedRequest();
    // The release hand-over's wait for the new instance, one look per housekeeping tick.
    void PollNewInstance();
    // What the minimise rules need to know; the two dialogs they name arrive later.
    MinimiseButtonState MinimiseState() const;
    void ReadSettings();
    // Icon cache files of the earlier naming scheme get the current names on the first start
    // of this settings version.
    void RenameLegacyIconFiles();
    void CreateEntryUpkeep();
    void CreateListBehaviour();
    void CreateLaunching();
    // The in-place rename of a stored entry's row, in entry search only, holding the input.
    void BeginRename(int row, const std::string& initialText = {});
    void CommitRename(const std::string& text, bool closedFromOutside);
    // Selects the row the context menu was opened on; false when it is gone.
    bool SelectMenuRow();
    void MiddleClick();
    // Files left in the temporary links folder become entries.
    void ImportTempLinks();

    // IQueryHooks and IKeyboardTarget
    // The balloon tip and a painted input line arrive with the presentation features; until
    // then there is nothing to close or draw.
    void CloseBalloonTip() override {}
    bool IsFolderBrowsing() const override;
    void SetFolderBrowsing(bool on) override;
    bool IsInputLockFree() const override { return inputLock_->IsFree(); }
    void SwitchToSearchResults() override;
    bool IsInputLineHidden() const override { return true; }
    void RepaintTopBar() override { ShowInputLineState(); }
    std::string ExpandPath(const std::string& path) const override;

    // IKeyboardTarget
    bool IsFileOpLockFree() const override { return fileOpLock_->IsFree(); }
    bool IsReleased() const override { return released_; }
    // Launch workers and the info dialog arrive with their features.
    bool IsLaunchRunning() const override;
    bool IsEditEntryDialogVisible() const override { return editor_.isOpen(); }
    const std::string& ProgramFolder() const override { return folders_.programFolder; }
    void PutInputLineText(const std::string& text) override { view_.SetInputText(text); }
    void RunInputChange(const std::string& text) override { FormEditChange(text); }
    void MoveCaretToEnd() override { view_.MoveCaretToEnd(); }
    void FocusField(KeyField field) override { view_.FocusField(field); }
    void ShowInputLine() override { view_.ShowInputLine(); }
    void ClearKeyCaptureField() override { view_.ClearKeyCaptureField(); }
    void AttachMainMenu(bool) override {}
    void QueueMove(int delta) override;
    void QueueGoInto() override;
    void QueueLaunch(ModifierKeys keys) override;
    void ClearQueuedMoves() override;
    void UniversalUpdate(bool notify, bool reload) override;
    void ChangeToListBox() override;
    void UpdateLaunchState() override;
    void PopupInfoMenu() override {}
    void PopupOptionsMenu() override { view_.ShowOptionsMenu(); }
    void OpenWebSearchDialog() override {}
    void OpenEditEntryDialog() override { OpenEntryEditor(true); }
    void OpenRowContextMenu() override;
    void OpenContainingFolder() override;
    void RemoveSelectedRow() override;
    void SaveEntries() override;
    // Taking an open shell window's folder and deleting files arrive with the file operations.
    void GoToExplorerFolder() override {}
    void BeginSearchInFolder() override;
    void GoIntoFolderRow() override;
    void RunFolderCommand(MenuCommand command) override;
    void DeleteMarkedItems() override {}

    // The skin (MainFormSkin.cpp): the look stored in the settings, and the look handed to the
    // window after every change, its background composed for the list's size.
    void StartSkin();
    void ApplySkinLook();
    // Set icon size: the row icon size and metrics of the current mode, for the custom skin's
    // row images and the window's rows; scale follows the screen's DPI with stretched fields.
    void UpdateRowIconSize(bool scale = true);
    // A skin that failed to load: its message, as information when the window fell back to
    // "MacOS 1", as an error when only its row images are missing.
    void ReportSkin(const std::optional<SkinFailure>& failure);

    // Folder browsing (MainFormFolders.cpp).
    void CreateFolderBrowsing();
    void DestroyFolderBrowsing();
    // The result list's folder listing: the rows, row 0 selected, the released title.
    void ListFolder(bool reload);
    void ShowReleasedTitle();
    // What GoInto on an entry's row puts into the input line.
    std::string FolderInputForEntry(const Entry& entry) const;
    // The selected row of a folder listing names a folder (or a shell folder in path mode).
    bool SelectedRowIsFolder() const;
    // Ctrl+F: the shell's search window for the browsed folder.
    void FindInBrowsedFolder();
    // The window takes no input while the shell view navigates.
    void SetFormEnabledForShell(bool enabled);

    IMainWindowView& view_;
    PlatformServices platform_;

    FolderSet folders_;
    ShellRootNames shellRoots_;
    LanguageSwitch language_;
    Settings settings_;
    int storedSettingsVersion_ = 0;
    PrefixCharacters prefixes_;
    bool showOnStartup_ = false;
    bool firstLaunch_ = false;
    bool started_ = false;
    bool released_ = false;
    bool sessionEnding_ = false;
    bool closeAnswer_ = false;
    Visibility visibility_ = Visibility::Hidden;
    VisibilityRequest queuedRequest_ = VisibilityRequest::Nothing;
    bool awaitingNewInstance_ = false;
    std::uint64_t releasedAtMs_ = 0;
    SummonKeys summonKeys_;

    std::unique_ptr<SettingsFile> settingsFile_;
    std::unique_ptr<EntryStore> store_;
    std::unique_ptr<QueryState> query_;
    std::unique_ptr<ResultListModel> results_;
    std::unique_ptr<FolderBrowser> browser_;
    bool disabledForShell_ = false;
    std::unique_ptr<EntryMaintenance> maintenance_;
    const IIconSource* iconSource_ = nullptr;
    std::unique_ptr<EntryIcons> entryIcons_;
    std::unique_ptr<BusyPanel> busy_;
    std::unique_ptr<EntryCleanup> cleanup_;
    std::unique_ptr<EntryAdder> adder_;
    std::unique_ptr<KeyboardCommands> keys_;
    std::string defaultBrowser_;
    std::unique_ptr<LaunchWorkers> threads_;
    std::unique_ptr<LaunchPipeline> launch_;
    std::unique_ptr<LogWriter> log_;
    std::unique_ptr<LockCounter> fileOpLock_;
    std::unique_ptr<LockCounter> inputLock_;
    std::unique_ptr<Skin> skin_;

    // The row an in-place rename and the context menu act on (compared, never followed, until
    // found in the rows again).
    RowData* renameRow_ = nullptr;
    bool renameLockHeld_ = false;
    RowData* menuRow_ = nullptr;
    std::string menuRowText_;

    EditEntryModel editor_;
    // The stored entry the open edit dialog works on.
    RowData* editorRow_ = nullptr;

public:
    // The window frame (MainFormFrame.cpp). A grip drag step asks for a list size; the
    // resize timer applies the last one asked for, at most once per tick.
    void RequestListSize(int width, int height);
    void OnResizeTick();
    // The end of a grip drag: the list's size is kept for the current view and saved.
    void ListResizeFinished();
    // Opacity as alpha 0..255 or kNotLayered; save writes the settings, reapply redraws the
    // look when the window's layering changed.
    void SetOpacity(int alpha, bool save, bool reapply);
    // The window is not layered: switched off, or the system could not layer it.
    bool noLayer() const { return noLayer_; }

private:
    void AttachListResizing();
    bool noLayer_ = false;
    std::optional<ImageSize> pendingListSize_;

    // The painted input line: its text, blink phase and launch wait, handed to the window.
    void ShowInputLineState();

    // Row drawing (MainFormRows.cpp).
public:
    // The row resolved on its first paint (icon, flags, detail text) for the painter.
    RowToPaint RowForPainting(int index);
    // What all rows of the list share while painting: the list's mode, the input mode, the
    // folder mark and the custom background.
    RowContext RowPaintContext() const;
    const RowMetrics& rowMetrics() const { return rowMetrics_; }

private:
    int RowIconSize() const;
    // Computes the row metrics of the current mode and look and hands them to the window.
    void SendRowMetrics();
    RowMetrics rowMetrics_;
    bool scaleRows_ = true;
};

}  // namespace qx
