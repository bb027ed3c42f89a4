#pragma once
#include "platform/win32/Win32Api.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "app/MainWindowView.h"
#include "app/win32/InputLinePainter.h"
#include "app/win32/TrayIcon.h"
#include "app/win32/WindowOpacity.h"
#include "controls/win32/ListBoxWindow.h"
#include "dialogs/win32/EditEntryDialog.h"
#include "exec/Autorun.h"
#include "exec/LinkReader.h"
#include "platform/win32/ObjectWindowProc.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32IconSource.h"
#include "platform/win32/Win32InstallerLookup.h"
#include "platform/win32/Win32KeyboardState.h"
#include "platform/win32/Win32LinkFiles.h"
#include "platform/win32/Win32MessageBoxes.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32ShellFolderView.h"
#include "platform/win32/Win32ShellItems.h"
#include "platform/win32/Win32SystemInfo.h"
#include "skin/SkinLook.h"
#include "skin/win32/IconList.h"
#include "skin/win32/ImageButton.h"
#include "skin/win32/RowPainter.h"
#include "skin/win32/SkinBitmap.h"

namespace qx {

// The borderless main window: owns the HWND, its child controls and the tray icon, turns
// messages into calls on MainForm and carries out what that asks.
class MainWindow final : public IMainWindowView {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window (captioned as designed) and runs the form's creation.
    bool Create(const std::string& exePath, const std::vector<std::string>& arguments);
    // Runs the message loop until the window is destroyed; returns the exit code.
    int Run();

    // IMainWindowView
    void SetCaption(const std::string& caption) override;
    void MoveOffScreen() override;
    void CenterOnWorkArea() override;
    void ForceForeground() override;
    void SetFormVisible(bool visible) override;
    bool IsFormEnabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
    void SetTrayIconVisible(bool visible) override;
    void MarkReleased() override;
    void StartTimer(WindowTimer timer, unsigned intervalMs) override;
    void StopTimer(WindowTimer timer) override;
    void ProcessPendingMessages() override;
    void RequestRestore() override;
    void RequestMinimise() override;
    bool FindInstanceWindow(const std::string& caption) const override;
    bool StartProgram(const std::string& exePath, const std::string& workingFolder) override;
    void SetInputEnabled(bool enabled) override;
    void SetInputText(const std::string& text) override;
    void MoveCaretToEnd() override;
    ListBoxModel& ResultList() override { return resultList_.Model(); }
    void ShowBusyPanel(std::uint32_t colour, const std::string& text) override;
    void HideBusyPanel() override;
    void RunMessagesFor(unsigned timeoutMs) override;
    void FocusField(KeyField field) override;
    void ShowInputLine() override { ShowWindow(inputLine_, SW_SHOW); }
    void ClearKeyCaptureField() override { SetWindowTextA(keyCapture_, ""); }
    void ShowOptionsMenu() override;
    std::optional<SecretText> PromptPassword(const std::string& caption, const std::string& prompt) override;
    void ShowRowContextMenu(const RowMenuVisibility& visible) override;
    void ShowEntryEditor(EditEntryModel& editor) override;
    void CloseEntryEditor() override { editorDialog_.Close(); }
    bool IsEntryEditorEnabled() const override { return editorDialog_.IsEnabled(); }
    bool ApplyOpacity(int alpha) override;
    void ApplyStayOnTop(bool onTop) override;
    void ApplyListSize(int width, int height) override;
    void SetInputTextColour(std::optional<std::uint32_t> colour) override;
    void SetFormEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
    void ApplySkinLook(const SkinLook& look) override;
    void SetInputLineState(const InputLineState& state) override { inputLinePainter_.SetState(state); }
    void ApplyRowMetrics(const RowMetrics& metrics, bool smoothFonts) override;

private:
    friend LRESULT CALLBACK ObjectWindowProc<MainWindow>(HWND, UINT, WPARAM, LPARAM);
    void AttachWindow(HWND hwnd) { hwnd_ = hwnd; }
    void DetachWindow() { hwnd_ = nullptr; }
    void ReportFailure(const char* what) { boxes_.ShowError(what); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleSysCommand(WPARAM command);
    void CreateControls();
    void LayoutControls();
    // The window's own paint: colour, background, the top frame images and the grip.
    void PaintWindow();
    void SetButtonCaptions();
    void OnWindowButton(WindowButton button);
    void AppendSkinMenus(HMENU looks);
    void ShowTrayMenu();
    // The keys of both text fields go through the form before the edit control sees them.
    static LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    void OnFieldNotification(int id, int code);
    void OnCommand(UINT id);
    // The edit control over the painted line while it has the focus, out of sight otherwise.
    void ShowInputEdit(bool shown);

    HINSTANCE instance_;
    HWND hwnd_ = nullptr;
    HWND inputLine_ = nullptr;
    HWND keyCapture_ = nullptr;
    HWND busyPanel_ = nullptr;    // lies over the list while a bulk command runs
    UniqueBrush busyBrush_;
    COLORREF busyColour_ = 0;
    std::optional<COLORREF> inputColour_;  // none: the system's text colour
    // Sent to every top-level window when the task bar (re)starts; its icons are gone then.
    const UINT taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
    Win32Clock clock_;
    ListBoxWindow resultList_;

    // The active look and what the window made of it.
    SkinLook look_;
    SkinBitmap background_, topLeft_, inputBar_, topRight_, windowGrip_;
    RowPainter rowPainter_;
    std::vector<std::unique_ptr<ImageButton>> buttons_;  // indexed by WindowButton
    UniqueBrush inputBrush_;
    UniqueFont inputFont_;
    int listWidth_ = 0;  // the list size last asked for
    int listHeight_ = 0;
    IconList iconList_;  // 1: the released window's icon
    EditEntryDialog editorDialog_;
    // Shows the input over the bar; the edit control lies out of sight until it has the focus.
    InputLinePainter inputLinePainter_{instance_};
    bool inputEditShown_ = false;

    Win32FileSystem files_;
    Win32IconSource icons_;
    Win32SystemInfo system_;
    Win32MessageBoxes boxes_;
    Win32KeyboardState keyboard_;
    std::shared_ptr<Win32Clipboard> clipboard_ = std::make_shared<Win32Clipboard>();
    Win32Registry registry_;
    Win32Resources resources_;
    Win32InstallerLookup installer_;
    Win32ShellItems shell_;
    Win32FileDialogs fileDialogs_;
    Win32LinkFiles linkFiles_;
    LinkReader links_{files_, linkFiles_, installer_.Available() ? &installer_ : nullptr};
    // Made with the form and gone after it, on this thread.
    std::unique_ptr<Win32ShellFolderView> shellView_;
    std::unique_ptr<AutorunMenu> autorun_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<MainForm> form_;

public:
    // The window frame: font smoothing, dragging the window and its separate grip.
    void ApplyFontSmoothing(bool smooth) override;

private:
    bool OnWindowGrip(int x, int y) const;
    void OnFrameMouseDown(int x, int y);
    void OnFrameMouseMove(int x, int y);
    void EndFrameDrag();
    WindowOpacity opacity_;
    bool smoothFonts_ = true;
    bool resizing_ = false;  // inside the window's own WM_SIZE
    POINT dragStart_{-1337, 0};
    bool gripDrag_ = false;
    SIZE gripListSize_{};

    // Row drawing: the row font and the folder rows' balloon tooltip (MainWindowRows.cpp).
    void PaintListItem(HDC canvas, int index);
    void CreateRowTooltip();
    void UpdateRowTooltip(int x, int y, bool leftButtonDown);
    void HideRowTooltip();
    UniqueFont rowFont_;
    HWND rowTooltip_ = nullptr;  // destroyed with the window
    int tooltipRow_ = -1;
};

}  // namespace qx
