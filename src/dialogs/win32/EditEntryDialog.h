#pragma once
#include "platform/win32/Win32Api.h"

#include "dialogs/EditEntryModel.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {

// The edit entry dialog's window, built from code: the basic panel with the name, value,
// parameters, search terms and the kind boxes; the extended panel with the rest, laid over it.
// Every click goes to the model, which decides whether the dialog may close.
class EditEntryDialog {
public:
    EditEntryDialog() = default;
    EditEntryDialog(const EditEntryDialog&) = delete;
    EditEntryDialog& operator=(const EditEntryDialog&) = delete;

    // Modal over owner (disabled meanwhile) and centred on it; returns once it has closed.
    void Show(HWND owner, EditEntryModel& model, int languageIndex);
    // Closes the open dialog as its title bar would, when the model allows.
    void Close();
    // False while a message box or the icon picker covers it (and when it is not open).
    bool IsEnabled() const { return dialog_ && ::IsWindowEnabled(dialog_); }

private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Build();
    void CreateBasicPanel(int width, int height);
    void CreateExtendedPanel(int width, int height);
    HWND AddLabel(HWND panel, const std::string& text, int x, int y, int width);
    HWND AddEdit(HWND panel, int id, const std::string& text, int x, int y, int width);
    HWND AddButton(HWND parent, int id, const std::string& text, DWORD style, int x, int y, int width);
    void CentreOnOwner();
    void OnCommand(int id, int code);
    void ShowExtendedPanel(bool show);
    void ReadControls();
    void WriteKindBoxes();
    void WriteIconControls();
    void ShowBalloonHelp();
    std::string Text(int id) const;
    HFONT Font() const { return font_ ? font_.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

    EditEntryModel* model_ = nullptr;
    int language_ = 0;
    HWND owner_ = nullptr;
    HWND dialog_ = nullptr;  // a child of nobody: destroyed by the dialog manager on close
    HWND basicPanel_ = nullptr;
    HWND extendedPanel_ = nullptr;
    UniqueFont font_;
    UniqueHwnd balloon_;  // owned by the dialog; destroyed before it
    int rowHeight_ = 0;
};

}  // namespace qx
