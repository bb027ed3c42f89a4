#include "dialogs/win32/EditEntryDialog.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/win32/DialogFont.h"
#include "platform/win32/Win32IconPicker.h"
#include "skin/FrameLayout.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

enum ControlId : int {
    kNameEdit = 1001,
    kValueEdit,
    kParametersEdit,
    kSearchTermsEdit,
    kNoDeleteBox,
    kUrlBox,
    kCommandBox,
    kExtendedButton,
    kWorkingFolderEdit,
    kIdListEdit,
    kIconPathEdit,
    kIconIndexEdit,
    kIconIndexSpin,
    kChooseIconButton,
    kRunAsUserEdit,
    kProductCodeEdit,
    kComponentCodeEdit,
    kWinVersionLabel,
    kWinVersionCombo,
    kBackButton,
};

// Not rows of the language table: the caption, and labels the dialog shows in one wording.
constexpr LangPair kCaption{"Eintrag bearbeiten", "Edit entry"};
constexpr char kProductCodeLabel[] = "Product Code:";
constexpr char kComponentCodeLabel[] = "Component Code:";
constexpr char kWinVersionLabelText[] = "Windows-Version:";

constexpr wchar_t kPanelClass[] = L"QxEditEntryPanel";
constexpr int kMargin = 8;
constexpr int kGap = 4;
constexpr int kLabelWidth = 110;
constexpr int kFieldWidth = 300;
constexpr int kButtonWidth = 96;
constexpr int kExtendedOffset = 8;  // the extended panel lies this far right of and below the basic one
constexpr UINT kBalloonShowMs = 20000;
constexpr int kBalloonWidth = 420;

// A panel passes its controls' notifications on to the dialog, which handles them all.
LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_NOTIFY) return ::SendMessageW(::GetParent(panel), message, wParam, lParam);
    return ::DefWindowProcW(panel, message, wParam, lParam);
}

void RegisterPanelClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PanelProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPanelClass;
    ::RegisterClassExW(&windowClass);  // fails harmlessly when it exists from an earlier opening
}

// An empty template: the controls are placed in pixels once the font is measured.
std::vector<WORD> EmptyDialogTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);  // + no menu, default class, no title
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    header->dwExtendedStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    return words;
}

int ParseIconIndex(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return error == std::errc::result_out_of_range ? kIconIndexMax : 0;
    return std::clamp(value, 0, kIconIndexMax);
}

// Controls lie on the two panels or, the buttons, on the dialog itself.
HWND FindControl(HWND dialog, HWND basic, HWND extended, int id) {
    if (HWND control = ::GetDlgItem(basic, id)) return control;
    if (HWND control = ::GetDlgItem(extended, id)) return control;
    return ::GetDlgItem(dialog, id);
}

// The focused field's text is selected, as a tab into it would: typing replaces a default
// text instead of being put in front of it.
void FocusAndSelectAll(HWND edit) {
    ::SetFocus(edit);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
}

}  // namespace

void EditEntryDialog::Show(HWND owner, EditEntryModel& model, int languageIndex) {
    if (dialog_) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    RegisterPanelClass();
    model_ = &model;
    language_ = languageIndex;
    owner_ = owner;
    font_ = CreateDialogFont();
    const std::vector<WORD> dialogTemplate = EmptyDialogTemplate();
    ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                              owner, &EditEntryDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    model_ = nullptr;
    font_.reset();
}

void EditEntryDialog::Close() {
    if (dialog_ && model_ && model_->Close()) ::EndDialog(dialog_, IDCANCEL);
}

INT_PTR CALLBACK EditEntryDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<EditEntryDialog*>(lParam);
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        self->dialog_ = dialog;
        self->Build();
        return FALSE;  // the focus is set
    }
    auto* self = reinterpret_cast<EditEntryDialog*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (!self) return FALSE;
    switch (message) {
        case WM_COMMAND:
            self->OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DESTROY:
            // The balloon belongs to the dialog; it goes first, so no handle outlives its window.
            self->balloon_.reset();
            ::SetWindowLongPtrW(dialog, DWLP_USER, 0);
            return FALSE;
        default:
            return FALSE;
    }
}

HWND EditEntryDialog::AddLabel(HWND panel, const std::string& text, int x, int y, int width) {
    HWND label = ::CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_CENTERIMAGE, x, y,
                                   width, rowHeight_, panel, nullptr, nullptr, nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    return label;
}

HWND EditEntryDialog::AddEdit(HWND panel, int id, const std::string& text, int x, int y, int width) {
    // The icon index takes digits only.
    const DWORD digits = id == kIconIndexEdit ? ES_NUMBER : 0;
    HWND edit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", text.c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | digits, x, y, width, rowHeight_, panel,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    return edit;
}

HWND EditEntryDialog::AddButton(HWND parent, int id, const std::string& text, DWORD style, int x, int y, int width) {
    HWND button = ::CreateWindowExA(0, "BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width,
                                    rowHeight_, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                                    nullptr);
    ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    return button;
}

void EditEntryDialog::Build() {
    {
        WindowDc dc(dialog_);
        ScopedSelectObject selected(dc.get(), Font());
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc.get(), &metrics);
        rowHeight_ = std::max<int>(metrics.tmHeight + 8, 21);
    }
    const int step = rowHeight_ + kGap;
    const int extendedWidth = kLabelWidth + kFieldWidth + 3 * kMargin;
    const int extendedHeight = 2 * kMargin + 9 * step;
    const int basicWidth = extendedWidth + 2 * kExtendedOffset;
    const int basicHeight = extendedHeight + 2 * kExtendedOffset;

    ::SetWindowTextA(dialog_, LangText(kCaption, language_).c_str());
    CreateBasicPanel(basicWidth, basicHeight);
    CreateExtendedPanel(extendedWidth, extendedHeight);

    const int buttonsTop = kMargin + basicHeight + kMargin;
    const int right = kMargin + basicWidth;
    AddButton(dialog_, IDOK, LangText(texts::EditOk, language_), BS_DEFPUSHBUTTON, right - 2 * kButtonWidth - kGap,
              buttonsTop, kButtonWidth);
    AddButton(dialog_, IDCANCEL, LangText(texts::EditAbort, language_), BS_PUSHBUTTON, right - kButtonWidth, buttonsTop,
              kButtonWidth);
    ::SendMessageW(dialog_, DM_SETDEFID, IDOK, 0);

    RECT frame{0, 0, basicWidth + 2 * kMargin, buttonsTop + rowHeight_ + kMargin};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrW(dialog_, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrW(dialog_, GWL_EXSTYLE)));
    ::SetWindowPos(dialog_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOnOwner();
    ShowBalloonHelp();
    FocusAndSelectAll(::GetDlgItem(basicPanel_, kNameEdit));
}

void EditEntryDialog::CreateBasicPanel(int width, int height) {
    basicPanel_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                    kMargin, kMargin, width, height, dialog_, nullptr, nullptr, nullptr);
    const EditEntryFields& fields = model_->fields();
    const int step = rowHeight_ + kGap;
    const int fieldX = kMargin + kLabelWidth + kMargin;
    const int wide = width - fieldX - kMargin;
    const struct {
        const LangPair& label;
        int id;
        const std::string& text;
    } edits[] = {
        {texts::NameLabel, kNameEdit, fields.name},
        {texts::ValueLabel, kValueEdit, fields.value},
        {texts::ParametersLabel, kParametersEdit, fields.parameters},
        {texts::SearchTermsLabel, kSearchTermsEdit, fields.searchTerms},
    };
    int y = kMargin;
    for (const auto& edit : edits) {
        AddLabel(basicPanel_, LangText(edit.label, language_), kMargin, y, kLabelWidth);
        AddEdit(basicPanel_, edit.id, edit.text, fieldX, y, wide);
        y += step;
    }
    const struct {
        const LangPair& caption;
        int id;
    } boxes[] = {{texts::RemovableFolder, kNoDeleteBox}, {texts::EntryIsUrl, kUrlBox}, {texts::EntryIsCommand, kCommandBox}};
    for (const auto& box : boxes) {
        AddButton(basicPanel_, box.id, LangText(box.caption, language_), BS_CHECKBOX, fieldX, y, wide);
        y += step;
    }
    WriteKindBoxes();
    AddButton(basicPanel_, kExtendedButton, LangText(texts::ExtendedButton, language_), BS_PUSHBUTTON,
              width - kMargin - kButtonWidth, height - kMargin - rowHeight_, kButtonWidth);
}

void EditEntryDialog::CreateExtendedPanel(int width, int height) {
    // Hidden until asked for; drawn with a one-pixel frame over the basic panel.
    extendedPanel_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPanelClass, L"", WS_CHILD | WS_BORDER | WS_CLIPSIBLINGS,
                                       kMargin + kExtendedOffset, kMargin + kExtendedOffset, width, height, dialog_,
                                       nullptr, nullptr, nullptr);
    const EditEntryFields& fields = model_->fields();
    const int step = rowHeight_ + kGap;
    const int fieldX = kMargin + kLabelWidth + kMargin;
    const int wide = kFieldWidth;
    int y = kMargin;
    const auto row = [&](const std::string& label, int id, const std::string& text, int fieldWidth) {
        AddLabel(extendedPanel_, label, kMargin, y, kLabelWidth);
        HWND edit = AddEdit(extendedPanel_, id, text, fieldX, y, fieldWidth);
        y += step;
        return edit;
    };
    row(LangText(texts::WorkingFolderLabel, language_), kWorkingFolderEdit, fields.workingFolder, wide);
    row(LangText(texts::IdListLabel, language_), kIdListEdit, fields.idList, wide);
    AddButton(extendedPanel_, kChooseIconButton, LangText(texts::ChooseIcon, language_), BS_PUSHBUTTON,
              fieldX + wide - kButtonWidth, y, kButtonWidth);
    row(LangText(texts::IconPathLabel, language_), kIconPathEdit, fields.iconPath, wide - kButtonWidth - kGap);
    HWND index = row(LangText(texts::IconIndexLabel, language_), kIconIndexEdit, std::to_string(fields.iconIndex), 100);
    HWND spin = ::CreateWindowExW(0, UPDOWN_CLASSW, L"",
                                  WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                  0, 0, 0, 0, extendedPanel_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIconIndexSpin)),
                                  nullptr, nullptr);
    ::SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(index), 0);
    ::SendMessageW(spin, UDM_SETRANGE32, 0, kIconIndexMax);
    ::SendMessageW(spin, UDM_SETPOS32, 0, fields.iconIndex);
    row(LangText(texts::UserNameLabel, language_), kRunAsUserEdit, fields.runAsUser, wide);
    row(kProductCodeLabel, kProductCodeEdit, fields.productCode, wide);
    row(kComponentCodeLabel, kComponentCodeEdit, fields.componentCode, wide);

    // Shown only when the settings ask for it.
    const DWORD visible = model_->showWinVersion() ? WS_VISIBLE : 0;
    HWND label = ::CreateWindowExA(0, "STATIC", kWinVersionLabelText, WS_CHILD | visible | SS_LEFT | SS_CENTERIMAGE,
                                   kMargin, y, kLabelWidth, rowHeight_, extendedPanel_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWinVersionLabel)), nullptr, nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    HWND combo = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | visible | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                   fieldX, y, wide, rowHeight_ * 8, extendedPanel_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWinVersionCombo)), nullptr, nullptr);
    ::SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    for (const WinVersionChoice& choice : kWinVersionChoices)
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.text));
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(fields.winVersionItem), 0);
    AddButton(extendedPanel_, kBackButton, LangText(texts::BackButton, language_), BS_PUSHBUTTON,
              width - kMargin - kButtonWidth - 2, height - kMargin - rowHeight_ - 2, kButtonWidth);
}

void EditEntryDialog::CentreOnOwner() {
    RECT owner{};
    RECT own{};
    if (!owner_ || !::GetWindowRect(owner_, &owner) || !::GetWindowRect(dialog_, &own)) return;
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const FramePoint centre = CentreOver(Rect{owner.left, owner.top, owner.right, owner.bottom}, width, height);
    int left = centre.x;
    int top = centre.y;
    // A parked main window lies below the screen; the dialog stays where it can be seen.
    RECT work{};
    if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0)) {
        left = std::clamp<int>(left, work.left, std::max<int>(work.left, work.right - width));
        top = std::clamp<int>(top, work.top, std::max<int>(work.top, work.bottom - height));
    }
    ::SetWindowPos(dialog_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void EditEntryDialog::ShowBalloonHelp() {
    HWND box = ::GetDlgItem(basicPanel_, kNoDeleteBox);
    balloon_.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                     WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_, nullptr, nullptr, nullptr));
    if (!balloon_ || !box) return;
    std::string help = LangText(texts::NoDeleteHint, language_);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = basicPanel_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    tool.lpszText = help.data();
    ::SendMessageA(balloon_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageA(balloon_.get(), TTM_SETMAXTIPWIDTH, 0, kBalloonWidth);
    ::SendMessageA(balloon_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, kBalloonShowMs);
    const std::string title = LangText(texts::InfoHelpTab, language_);
    ::SendMessageA(balloon_.get(), TTM_SETTITLEA, TTI_INFO, reinterpret_cast<LPARAM>(title.c_str()));
}

std::string EditEntryDialog::Text(int id) const {
    HWND control = FindControl(dialog_, basicPanel_, extendedPanel_, id);
    const int length = ::GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(std::max(0, ::GetWindowTextA(control, text.data(), length + 1))));
    return text;
}

void EditEntryDialog::ReadControls() {
    EditEntryFields& fields = model_->fields();
    fields.name = Text(kNameEdit);
    fields.value = Text(kValueEdit);
    fields.parameters = Text(kParametersEdit);
    fields.searchTerms = Text(kSearchTermsEdit);
    fields.workingFolder = Text(kWorkingFolderEdit);
    fields.idList = Text(kIdListEdit);
    fields.iconPath = Text(kIconPathEdit);
    fields.iconIndex = ParseIconIndex(Text(kIconIndexEdit));
    fields.runAsUser = Text(kRunAsUserEdit);
    fields.productCode = Text(kProductCodeEdit);
    fields.componentCode = Text(kComponentCodeEdit);
    const LRESULT item = ::SendMessageW(::GetDlgItem(extendedPanel_, kWinVersionCombo), CB_GETCURSEL, 0, 0);
    fields.winVersionItem = item == CB_ERR ? 0 : static_cast<int>(item);
}

void EditEntryDialog::WriteKindBoxes() {
    const EditEntryFields& fields = model_->fields();
    const auto check = [this](int id, bool ticked) {
        ::SendMessageW(::GetDlgItem(basicPanel_, id), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    };
    check(kNoDeleteBox, fields.noDelete);
    check(kUrlBox, fields.url);
    check(kCommandBox, fields.command);
}

void EditEntryDialog::WriteIconControls() {
    const EditEntryFields& fields = model_->fields();
    ::SetWindowTextA(::GetDlgItem(extendedPanel_, kIconPathEdit), fields.iconPath.c_str());
    ::SendMessageW(::GetDlgItem(extendedPanel_, kIconIndexSpin), UDM_SETPOS32, 0, fields.iconIndex);
}

void EditEntryDialog::ShowExtendedPanel(bool show) {
    if (show) {
        ::SetWindowPos(extendedPanel_, HWND_TOP, kMargin + kExtendedOffset, kMargin + kExtendedOffset, 0, 0, SWP_NOSIZE);
        ::EnableWindow(basicPanel_, FALSE);
        ::ShowWindow(extendedPanel_, SW_SHOW);
        FocusAndSelectAll(::GetDlgItem(extendedPanel_, kWorkingFolderEdit));
    } else {
        ::EnableWindow(basicPanel_, TRUE);
        ::ShowWindow(extendedPanel_, SW_HIDE);
        FocusAndSelectAll(::GetDlgItem(basicPanel_, kNameEdit));
    }
}

void EditEntryDialog::OnCommand(int id, int code) {
    if (!model_) return;
    switch (id) {
        case IDOK:
            ReadControls();
            if (model_->PressOk()) ::EndDialog(dialog_, IDOK);
            return;
        case IDCANCEL:  // "Abbrechen", Esc and the title bar's close
            if (model_->PressCancel()) ::EndDialog(dialog_, IDCANCEL);
            return;
        case kNoDeleteBox:
        case kUrlBox:
        case kCommandBox:
            if (code != BN_CLICKED) return;
            {
                const bool ticked = ::SendMessageW(::GetDlgItem(basicPanel_, id), BM_GETCHECK, 0, 0) != BST_CHECKED;
                const KindBox box = id == kNoDeleteBox ? KindBox::NoDelete : id == kUrlBox ? KindBox::Url : KindBox::Command;
                model_->Tick(box, ticked);
                WriteKindBoxes();
            }
            return;
        case kExtendedButton:
        case kBackButton:
            if (code == BN_CLICKED) ShowExtendedPanel(id == kExtendedButton);
            return;
        case kChooseIconButton:
            if (code != BN_CLICKED) return;
            {
                ReadControls();
                Win32IconPicker picker(dialog_);
                model_->ChooseIcon(picker);
                WriteIconControls();
            }
            return;
        default:
            return;
    }
}

}  // namespace qx
