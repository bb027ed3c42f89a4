#include "exec/win32/PasswordPrompt.h"

#include <cstdint>
#include <vector>

#include "exec/PasswordPromptLayout.h"
#include "platform/win32/DialogFont.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

constexpr int kPromptLabelId = 100;
constexpr int kPasswordFieldId = 101;

struct PromptState {
    const std::string* caption;
    const std::string* prompt;
    UniqueFont font;
    std::optional<SecretText> answer;
};

HWND CreateChild(HWND dialog, const wchar_t* windowClass, DWORD style, DWORD exStyle, int id, const PixelRect& rect,
                 HFONT font) {
    HWND child = ::CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                   rect.width, rect.height, dialog,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (child && font) ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void LayOut(HWND dialog, PromptState& state) {
    HFONT font = state.font ? state.font.get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    WindowDc dc(dialog);
    ScopedSelectObject selected(dc.get(), font);
    SIZE letters{};
    ::GetTextExtentPoint32A(dc.get(), kPromptLetters, static_cast<int>(sizeof kPromptLetters - 1), &letters);
    const DialogUnits units = DialogUnits::FromLetters(letters.cx, letters.cy);
    RECT labelRect{0, 0, PasswordPromptLabelMaxWidth(units), 0};
    ::DrawTextA(dc.get(), state.prompt->c_str(), static_cast<int>(state.prompt->size()), &labelRect,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    const PasswordPromptLayout layout =
        LayOutPasswordPrompt(units, labelRect.right - labelRect.left, labelRect.bottom - labelRect.top);

    HWND label = CreateChild(dialog, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, kPromptLabelId, layout.label, font);
    ::SetWindowTextA(label, state.prompt->c_str());
    HWND field = CreateChild(dialog, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, WS_EX_CLIENTEDGE,
                             kPasswordFieldId, layout.field, font);
    ::SendMessageW(field, EM_SETPASSWORDCHAR, L'*', 0);
    HWND ok = CreateChild(dialog, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, IDOK, layout.okButton, font);
    ::SetWindowTextA(ok, "OK");
    HWND cancel = CreateChild(dialog, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL, layout.cancelButton, font);
    ::SetWindowTextA(cancel, "Abbrechen");
    ::SetWindowTextA(dialog, state.caption->c_str());

    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(dialog, GWL_EXSTYLE));
    RECT frame{0, 0, layout.clientWidth, layout.clientHeight};
    ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    ::SetWindowPos(dialog, nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetFocus(field);
}

SecretText FieldText(HWND dialog) {
    HWND field = ::GetDlgItem(dialog, kPasswordFieldId);
    const int length = ::GetWindowTextLengthW(field);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(field, text.data(), length + 1)));
    // The edit control keeps its own copy until the dialog is destroyed: overwritten in place
    // with blanks of the same length, then emptied.
    ::SetWindowTextW(field, std::wstring(text.size(), L' ').c_str());
    ::SetWindowTextW(field, L"");
    return SecretText(std::move(text));
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        auto* state = reinterpret_cast<PromptState*>(lParam);
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        LayOut(dialog, *state);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND: {
        auto* state = reinterpret_cast<PromptState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
        const int id = LOWORD(wParam);
        if (id == IDOK) {
            state->answer = FieldText(dialog);
            ::EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (id == IDCANCEL) {
            (void)FieldText(dialog);  // wiped as it goes
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

// An empty template: the controls are placed in pixels once the font is measured.
std::vector<WORD> EmptyDialogTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);  // + no menu, default class, no title
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    header->dwExtendedStyle = WS_EX_DLGMODALFRAME;
    return words;
}

}  // namespace

std::optional<SecretText> PromptPassword(HWND owner, const std::string& caption, const std::string& prompt) {
    PromptState state{&caption, &prompt, CreateDialogFont(), std::nullopt};
    const std::vector<WORD> dialogTemplate = EmptyDialogTemplate();
    const INT_PTR result =
        ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                                  owner, PromptProc, reinterpret_cast<LPARAM>(&state));
    if (result != IDOK) return std::nullopt;  // an answer left behind is wiped with the state
    return std::move(state.answer);
}

}  // namespace qx
