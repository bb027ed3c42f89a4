#include "app/win32/MainWindow.h"

#include "exec/RunAsUser.h"
#include "exec/win32/PasswordPrompt.h"
#include "platform/win32/Win32LogonProcessStarter.h"
#include "platform/win32/Win32ShellLauncher.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <exception>

#include "app/RowContextMenu.h"
#include "store/Settings.h"
#include "text/LanguageStrings.h"
#include "text/Windows1252.h"

namespace qx {

namespace {

constexpr UINT kTrayId = 1;
constexpr UINT kCmdTrayShow = 100;
constexpr UINT kCmdTrayClose = 101;
constexpr UINT kCmdLanguageGerman = 110;  // + LanguageIndex
constexpr UINT kCmdLanguageEnglish = 111;
constexpr UINT kCmdOptionFirst = 120;   // + OptionFlag
constexpr UINT kCmdOpacityFirst = 140;  // + index in kOpacityMenuPercents
constexpr UINT kCmdRowMenuFirst = 160;  // + RowMenuItem
constexpr UINT kCmdAutorunThisUser = 180;
constexpr UINT kCmdAutorunAllUsers = 181;
constexpr UINT kCmdManageFirst = 200;  // + ManageCommand
constexpr UINT kCmdAddFirst = 182;  // + AddEntryCommand
constexpr int kInputLineId = 10;
constexpr int kResultListId = 11;
constexpr int kKeyCaptureId = 12;
constexpr int kInputHeight = 24;
constexpr int kBusyWidth = 200;
constexpr int kBusyHeight = 40;

UINT_PTR TimerId(WindowTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance), resultList_(instance, clock_) {}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::Create(const std::string& exePath, const std::vector<std::string>& arguments) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &MainWindow::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClassName;
    if (!RegisterClassExA(&windowClass)) return false;

    hwnd_ = CreateWindowExA(WS_EX_APPWINDOW, kWindowClassName, kCaptionDesigned,
                            WS_POPUP | WS_BORDER | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                            nullptr, instance_, this);
    if (!hwnd_) return false;
    boxes_.SetOwner(hwnd_);
    fileDialogs_.SetOwner(hwnd_);
    tray_ = std::make_unique<TrayIcon>(hwnd_, kTrayId, kApplicationTitle);
    tray_->SetIcon(LoadIconA(nullptr, IDI_APPLICATION));

    // The logon starter keeps no state: each run-as launch makes its own, so a worker that
    // outlives the window holds nothing of it.
    auto launcher = std::make_shared<Win32ShellLauncher>(
        [](const std::wstring& user, const std::wstring& password, const std::string& file,
           const std::string& parameters) {
            Win32LogonProcessStarter starter;
            return static_cast<int>(RunAsUserLaunch(starter, user, password, WidenAnsi(file), WidenAnsi(parameters)));
        });
    autorun_ = std::make_unique<AutorunMenu>(registry_, exePath);
    PlatformServices services{files_,    system_,  boxes_,   clock_,
                              keyboard_, clipboard_, launcher, registry_,
                              installer_.Available() ? &installer_ : nullptr, &links_};
    services.shell = &shell_;
    services.fileDialogs = &fileDialogs_;
    shellView_ = std::make_unique<Win32ShellFolderView>();
    services.shellView = shellView_.get();
    form_ = std::make_unique<MainForm>(*this, services);
    form_->SetIconSource(&icons_);
    form_->FormCreate(exePath, arguments);
    return true;
}

int MainWindow::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        // Late messages must not reach a window object that is going away.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        if (self) self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->boxes_.ShowError(error.what());
    } catch (...) {
        self->boxes_.ShowError("Unknown error");
    }
    return 0;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        if (tray_) tray_->TaskbarCreated();
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_SIZE:
            LayoutControls();
            return 0;
        case WM_TIMER:
            if (!form_) break;
            if (wParam == TimerId(WindowTimer::Housekeeping)) form_->OnHousekeepingTick();
            if (wParam == TimerId(WindowTimer::Startup)) form_->OnStartupTick();
            if (wParam == TimerId(WindowTimer::Results)) form_->OnResultsTick();
            if (wParam == TimerId(WindowTimer::Launch)) form_->OnLaunchTick();
            return 0;
        case WM_SYSCOMMAND:
            if (HandleSysCommand(wParam)) return 0;
            break;
        case WM_COMMAND:
            if (lParam == 0) {
                OnCommand(LOWORD(wParam));
                return 0;
            }
            if (form_) OnFieldNotification(LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == busyPanel_ && busyBrush_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetBkColor(dc, busyColour_);
                SetTextColor(dc, RGB(0, 0, 0));
                return reinterpret_cast<LRESULT>(busyBrush_.get());
            }
            break;
        case WM_SETFOCUS:
            // Closing a message box hands the focus back to the window itself; the keys
            // belong in the key capture field, unless a locked launch has disabled it.
            if (keyCapture_ && IsWindowEnabled(keyCapture_)) SetFocus(keyCapture_);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // The window holds the focus itself while its fields are disabled; Esc must still
            // stop the wait for a locked launch.
            if (form_ && form_->KeyDown(static_cast<int>(wParam), GetKeyState(VK_MENU) < 0, GetKeyState(VK_SHIFT) < 0))
                return 0;
            break;
        case WM_LBUTTONUP:
            if (form_) form_->FormMouseUp();
            return 0;
        case WM_MOUSEWHEEL:
            if (form_) form_->MouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return 0;
        case WM_INITMENUPOPUP:
            if (form_) {
                const LanguageMenuChecks checks = LanguageMenuChecksFor(form_->languageIndex());
                const auto menu = reinterpret_cast<HMENU>(wParam);
                CheckMenuItem(menu, kCmdLanguageGerman, checks.german ? MF_CHECKED : MF_UNCHECKED);
                CheckMenuItem(menu, kCmdLanguageEnglish, checks.english ? MF_CHECKED : MF_UNCHECKED);
            }
            break;
        case TrayIcon::kCallbackMessage:
            if (lParam == WM_LBUTTONUP || lParam == WM_LBUTTONDBLCLK) RequestRestore();
            if (lParam == WM_RBUTTONUP) ShowTrayMenu();
            return 0;
        case WM_CLOSE:
            if (form_ && !form_->FormCloseQuery()) return 0;
            DestroyWindow(hwnd_);
            return 0;
        case WM_QUERYENDSESSION:
            if (form_) form_->QueryEndSession();
            return TRUE;
        case WM_DESTROY:
            if (form_) form_->FormDestroy();
            tray_.reset();
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool MainWindow::HandleSysCommand(WPARAM command) {
    if (!form_) return false;
    switch (command & 0xFFF0) {
        case SC_RESTORE:
            // Sent by another program (a second instance): answered at once and carried out
            // from the message loop as a message of its own, so it never runs inside a call
            // of ours that waits on another program (the tray's, say).
            if (InSendMessage()) {
                PostMessageA(hwnd_, WM_SYSCOMMAND, SC_RESTORE, 0);
                return true;
            }
            form_->RestoreTransition();
            return true;
        case SC_MINIMIZE:
            form_->MinimiseTransition();
            return true;
        default:
            return false;
    }
}

void MainWindow::OnCommand(UINT id) {
    switch (id) {
        case kCmdTrayShow:
            RequestRestore();
            break;
        case kCmdTrayClose:
            PostMessageA(hwnd_, WM_CLOSE, 0, 0);
            break;
        case kCmdLanguageGerman:
        case kCmdLanguageEnglish:
            if (form_) form_->ChooseLanguage(static_cast<int>(id - kCmdLanguageGerman));
            break;
        default:
            if (!form_) break;
            if (id >= kCmdOptionFirst && id <= kCmdOptionFirst + static_cast<UINT>(OptionFlag::LargeSearchIcons))
                form_->ToggleOption(static_cast<OptionFlag>(id - kCmdOptionFirst));
            if (id >= kCmdOpacityFirst && id < kCmdOpacityFirst + kOpacityMenuPercents.size())
                form_->SetOpacityPercent(kOpacityMenuPercents[id - kCmdOpacityFirst]);
            if (id == kCmdAutorunThisUser || id == kCmdAutorunAllUsers) {
                const AutorunItem item = id == kCmdAutorunThisUser ? AutorunItem::ForThisUser : AutorunItem::ForAllUsers;
                for (const LangPair& message : autorun_->Toggle(item))
                    form_->ShowInfo(form_->language().Text(message));
            }
            if (id >= kCmdManageFirst && id <= kCmdManageFirst + static_cast<UINT>(ManageCommand::RemoveDuplicates))
                form_->ManageEntries(static_cast<ManageCommand>(id - kCmdManageFirst));
            if (id >= kCmdAddFirst && id <= kCmdAddFirst + static_cast<UINT>(AddEntryCommand::WindowsCommand))
                form_->RunAddCommand(static_cast<AddEntryCommand>(id - kCmdAddFirst));
            if (id >= kCmdRowMenuFirst && id < kCmdRowMenuFirst + kRowMenuItemCount)
                form_->RunRowMenuItem(static_cast<RowMenuItem>(id - kCmdRowMenuFirst));
            break;
    }
}

void MainWindow::CreateControls() {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    inputLine_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kInputLineId)), instance_, nullptr);
    // Placed outside the visible area: it takes the keys while the input line only shows them.
    keyCapture_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, -200, -200, 20, 20, hwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kKeyCaptureId)), instance_, nullptr);
    SetWindowSubclass(inputLine_, &MainWindow::FieldProc, kInputLineId, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(keyCapture_, &MainWindow::FieldProc, kKeyCaptureId, reinterpret_cast<DWORD_PTR>(this));
    waitingLine_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | SS_LEFT | SS_CENTERIMAGE, 0, 0, 0, 0, hwnd_, nullptr,
                                   instance_, nullptr);
    busyPanel_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0, 0, kBusyWidth,
                                 kBusyHeight, hwnd_, nullptr, instance_, nullptr);
    resultList_.Create(hwnd_, kResultListId, 0, kInputHeight, 0, 0);
    // The busy panel lies over the list: the list must not paint over it.
    SetWindowLongPtrA(resultList_.Handle(), GWL_STYLE,
                      GetWindowLongPtrA(resultList_.Handle(), GWL_STYLE) | WS_CLIPSIBLINGS);
    resultList_.OnMouseWheel = [this](int delta) {
        if (form_) form_->MouseWheel(delta);
    };
    SendMessageA(inputLine_, WM_SETFONT, font, FALSE);
    SendMessageA(waitingLine_, WM_SETFONT, font, FALSE);
    SendMessageA(busyPanel_, WM_SETFONT, font, FALSE);
    resultList_.SetFont(reinterpret_cast<HFONT>(font));
    LayoutControls();
}

void MainWindow::LayoutControls() {
    if (!inputLine_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    MoveWindow(inputLine_, 0, 0, client.right, kInputHeight, TRUE);
    MoveWindow(waitingLine_, 0, 0, client.right, kInputHeight, TRUE);
    MoveWindow(resultList_.Handle(), 0, kInputHeight, client.right, client.bottom - kInputHeight, TRUE);
}

void MainWindow::ShowTrayMenu() {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    const int language = form_ ? form_->languageIndex() : 0;
    AppendMenuA(menu.get(), MF_STRING, kCmdTrayShow, LangText(texts::TrayShow, language).c_str());
    AppendMenuA(menu.get(), MF_STRING, kCmdTrayClose, LangText(texts::TrayClose, language).c_str());
    SetMenuDefaultItem(menu.get(), kCmdTrayShow, FALSE);
    POINT cursor;
    GetCursorPos(&cursor);
    // The menu only closes on a click elsewhere when its owner is in the foreground.
    SetForegroundWindow(hwnd_);
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
}

LRESULT CALLBACK MainWindow::FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR selfData) {
    auto* self = reinterpret_cast<MainWindow*>(selfData);
    try {
        if (self->form_ && (message == WM_KEYDOWN || message == WM_SYSKEYDOWN)) {
            const bool alt = GetKeyState(VK_MENU) < 0;
            const bool shift = GetKeyState(VK_SHIFT) < 0;
            if (self->form_->KeyDown(static_cast<int>(wParam), alt, shift)) return 0;
        }
        if (self->form_ && message == WM_CHAR) {
            char key = static_cast<char>(wParam);
            self->form_->KeyPress(key);
            if (key == 0) return 0;
            wParam = static_cast<unsigned char>(key);
        }
    } catch (const std::exception& error) {
        self->boxes_.ShowError(error.what());
        return 0;
    }
    return DefSubclassProc(field, message, wParam, lParam);
}

void MainWindow::OnFieldNotification(int id, int code) {
    const HWND field = id == kInputLineId ? inputLine_ : id == kKeyCaptureId ? keyCapture_ : nullptr;
    if (!field) return;
    const KeyField which = id == kInputLineId ? KeyField::InputLine : KeyField::KeyCapture;
    if (code == EN_SETFOCUS || code == EN_KILLFOCUS) {
        form_->FieldFocusChanged(which, code == EN_SETFOCUS);
        return;
    }
    if (code != EN_CHANGE) return;
    const int length = GetWindowTextLengthA(field);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(field, text.data(), length + 1)));
    if (which == KeyField::InputLine)
        form_->FormEditChange(text);
    else
        form_->KeyCaptureChange(text);
}

void MainWindow::FocusField(KeyField field) {
    // Focusing a field of the hidden window would make it the active window, and the user's
    // typing would go to it unseen; showing it focuses the key capture field anyway.
    if (!IsWindowVisible(hwnd_)) return;
    if (field == KeyField::InputLine) SetFocus(inputLine_);
    if (field == KeyField::KeyCapture) SetFocus(keyCapture_);
}

void MainWindow::ShowOptionsMenu() {
    if (!form_) return;
    const Settings& settings = form_->settings();
    const auto text = [this](const LangPair& pair) { return form_->language().Text(pair); };
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    // Submenus belong to the menu they are appended to and go with it.
    const auto submenu = [](HMENU parent, const std::string& caption) {
        HMENU child = CreatePopupMenu();
        if (child) AppendMenuA(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(child), caption.c_str());
        return child;
    };
    const auto option = [&](HMENU parent, OptionFlag flag, const LangPair& caption) {
        const UINT checked = OptionFlagOf(settings, flag) ? MF_CHECKED : MF_UNCHECKED;
        AppendMenuA(parent, MF_STRING | checked, kCmdOptionFirst + static_cast<UINT>(flag), text(caption).c_str());
    };

    if (HMENU adding = submenu(menu.get(), text(texts::AddEntry))) {
        const auto item = [&](HMENU parent, AddEntryCommand command, const LangPair& caption) {
            AppendMenuA(parent, MF_STRING, kCmdAddFirst + static_cast<UINT>(command), text(caption).c_str());
        };
        if (HMENU files = submenu(adding, text(texts::AddFile))) {
            item(files, AddEntryCommand::LinksAsFiles, texts::AddLinksAsFiles);
            item(files, AddEntryCommand::LinkTargets, texts::InsertLinkTarget);
        }
        item(adding, AddEntryCommand::Folder, texts::AddFolder);
        item(adding, AddEntryCommand::CustomValue, texts::AddCustomValue);
        item(adding, AddEntryCommand::Url, texts::AddUrl);
        item(adding, AddEntryCommand::WindowsCommand, texts::AddWindowsCommand);
    }
    if (HMENU general = submenu(menu.get(), text(texts::GeneralSettings))) {
        if (HMENU autorun = submenu(general, text(texts::StartWithWindows))) {
            autorun_->UpdateStartupCheck();
            const auto checked = [this](AutorunItem item) { return autorun_->Checked(item) ? MF_CHECKED : MF_UNCHECKED; };
            AppendMenuA(autorun, MF_STRING | checked(AutorunItem::ForThisUser), kCmdAutorunThisUser,
                        text(texts::ForThisUser).c_str());
            AppendMenuA(autorun, MF_STRING | checked(AutorunItem::ForAllUsers), kCmdAutorunAllUsers,
                        text(texts::ForAllUsers).c_str());
        }
        option(general, OptionFlag::StayOnTop, texts::AlwaysOnTop);
        if (HMENU running = submenu(general, text(texts::RunningFilesAndFolders))) {
            option(running, OptionFlag::LockUntilLaunched, texts::LockUntilExecDone);
            option(running, OptionFlag::NeverMinimiseInFolderBrowser, texts::NeverAutoMinimise);
        }
        option(general, OptionFlag::LargeIcons, texts::UseLargeIcons);
        option(general, OptionFlag::LargeSearchIcons, texts::LargeIconsForDiskSearch);
    }
    if (HMENU looks = submenu(menu.get(), text(texts::Appearance))) {
        if (HMENU opacity = submenu(looks, text(texts::OpacityMenu))) {
            const int ticked = OpacityMenuTick(settings.alpha);
            for (UINT i = 0; i < kOpacityMenuPercents.size(); ++i) {
                const int percent = kOpacityMenuPercents[i];
                const std::string caption =
                    percent == kNotLayered ? text(texts::Deactivate) : std::to_string(percent) + "%";
                AppendMenuA(opacity, MF_STRING | (percent == ticked ? MF_CHECKED : MF_UNCHECKED), kCmdOpacityFirst + i,
                            caption.c_str());
            }
        }
    }
    if (HMENU manage = submenu(menu.get(), text(texts::ManageEntries))) {
        const auto item = [&](ManageCommand command, const LangPair& caption) {
            AppendMenuA(manage, MF_STRING, kCmdManageFirst + static_cast<UINT>(command), text(caption).c_str());
        };
        item(ManageCommand::RefreshIconCache, texts::RefreshIconCache);
        item(ManageCommand::RemoveMissing, texts::RemoveMissing);
        item(ManageCommand::RemoveDuplicates, texts::RemoveDuplicates);
    }
    if (HMENU languages = submenu(menu.get(), "Sprache/Language")) {
        // The language items name themselves in both languages.
        AppendMenuA(languages, MF_STRING, kCmdLanguageGerman, "Deutsch/German");
        AppendMenuA(languages, MF_STRING, kCmdLanguageEnglish, "Englisch/English");
    }
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, rect.left, rect.top + kInputHeight, 0, hwnd_, nullptr);
}

void MainWindow::ShowRowContextMenu(const RowMenuVisibility& visible) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu || !form_) return;
    for (const RowMenuItemInfo& info : RowMenuItems()) {
        if (!IsVisible(visible, info.item)) continue;
        std::string caption = form_->language().Text(info.caption);
        if (*info.shortcutText) caption += std::string("\t") + info.shortcutText;
        AppendMenuA(menu.get(), MF_STRING, kCmdRowMenuFirst + static_cast<UINT>(info.item), caption.c_str());
    }
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, cursor.x, cursor.y, 0, hwnd_, nullptr);
}

void MainWindow::ShowEntryEditor(EditEntryModel& editor) {
    editorDialog_.Show(hwnd_, editor, form_ ? form_->languageIndex() : 0);
}

std::optional<SecretText> MainWindow::PromptPassword(const std::string& caption, const std::string& prompt) {
    return qx::PromptPassword(hwnd_, caption, prompt);
}

void MainWindow::ShowWaitingText(const std::string& text) {
    SetWindowTextA(waitingLine_, text.c_str());
    ShowWindow(waitingLine_, text.empty() ? SW_HIDE : SW_SHOW);
    if (!text.empty()) SetWindowPos(waitingLine_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ApplyOpacity(int alpha) {
    const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    if (alpha == kNotLayered) {
        SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, style & ~WS_EX_LAYERED);
        return;
    }
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void MainWindow::ApplyStayOnTop(bool onTop) {
    SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::ApplyListSize(int width, int height) {
    RECT frame{0, 0, width, kInputHeight + height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }

void MainWindow::MoveOffScreen() {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, rect.left, GetSystemMetrics(SM_CYSCREEN) + 5000, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::CenterOnWorkArea() {
    RECT work;
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // Not activated by the move: a hidden window that took the focus would get the keys unseen.
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ForceForeground() {
    const DWORD ownThread = GetCurrentThreadId();
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    // Windows refuses the foreground to a background process unless it shares the input
    // state of the current foreground thread.
    const bool attached =
        foregroundThread != 0 && foregroundThread != ownThread && AttachThreadInput(ownThread, foregroundThread, TRUE);
    SetForegroundWindow(hwnd_);
    if (IsWindowVisible(hwnd_)) SetFocus(keyCapture_);
    if (attached) AttachThreadInput(ownThread, foregroundThread, FALSE);
}

void MainWindow::SetFormVisible(bool visible) {
    if (!visible) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    // Also brings back a window the system minimised (SW_SHOW would leave it an icon), and
    // activates it only once it is on screen. Painted at once, not when the queue next gets
    // round to it.
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void MainWindow::SetTrayIconVisible(bool visible) {
    if (tray_) tray_->SetVisible(visible);
}

void MainWindow::MarkReleased() {
    SetTrayIconVisible(false);
    const HICON released = LoadIconA(nullptr, IDI_INFORMATION);
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(released));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(released));
}

void MainWindow::StartTimer(WindowTimer timer, unsigned intervalMs) { SetTimer(hwnd_, TimerId(timer), intervalMs, nullptr); }

void MainWindow::StopTimer(WindowTimer timer) { KillTimer(hwnd_, TimerId(timer)); }

void MainWindow::ShowBusyPanel(std::uint32_t colour, const std::string& text) {
    busyColour_ = static_cast<COLORREF>(colour);
    busyBrush_.reset(CreateSolidBrush(busyColour_));
    // Centred over the list, above it.
    RECT list;
    GetWindowRect(resultList_.Handle(), &list);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&list), 2);
    const int left = list.left + (list.right - list.left - kBusyWidth) / 2;
    const int top = list.top + (list.bottom - list.top - kBusyHeight) / 2;
    SetWindowTextA(busyPanel_, text.c_str());
    SetWindowPos(busyPanel_, HWND_TOP, left, top, kBusyWidth, kBusyHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    InvalidateRect(busyPanel_, nullptr, TRUE);
    UpdateWindow(busyPanel_);
}

void MainWindow::HideBusyPanel() {
    ShowWindow(busyPanel_, SW_HIDE);
    UpdateWindow(hwnd_);
}

void MainWindow::RunMessagesFor(unsigned timeoutMs) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs, QS_ALLINPUT);
    ProcessPendingMessages();
}

void MainWindow::ProcessPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the main loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void MainWindow::RequestRestore() { SendMessageA(hwnd_, WM_SYSCOMMAND, SC_RESTORE, 0); }

void MainWindow::RequestMinimise() { SendMessageA(hwnd_, WM_SYSCOMMAND, SC_MINIMIZE, 0); }

bool MainWindow::FindInstanceWindow(const std::string& caption) const {
    return FindWindowA(kWindowClassName, caption.c_str()) != nullptr;
}

bool MainWindow::StartProgram(const std::string& exePath, const std::string& workingFolder) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", exePath.c_str(), nullptr, workingFolder.c_str(), SW_SHOWNORMAL));
    return result > 32;
}

void MainWindow::SetInputEnabled(bool enabled) {
    EnableWindow(inputLine_, enabled);
    EnableWindow(keyCapture_, enabled);
    if (GetActiveWindow() != hwnd_) return;
    // A disabled field that keeps the focus swallows every key (Esc too), and the system may
    // leave the focus nowhere: the window itself takes it meanwhile, and gives it back.
    const HWND focus = GetFocus();
    if (!enabled && (focus == nullptr || focus == keyCapture_ || focus == inputLine_)) SetFocus(hwnd_);
    if (enabled && (focus == nullptr || focus == hwnd_)) SetFocus(keyCapture_);
}

void MainWindow::SetInputText(const std::string& text) { SetWindowTextA(inputLine_, text.c_str()); }

void MainWindow::MoveCaretToEnd() {
    const auto end = static_cast<WPARAM>(GetWindowTextLengthA(inputLine_));
    SendMessageA(inputLine_, EM_SETSEL, end, static_cast<LPARAM>(end));
}


}  // namespace qx
