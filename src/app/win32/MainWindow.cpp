#include "app/win32/MainWindow.h"

#include "exec/RunAsUser.h"
#include "exec/win32/PasswordPrompt.h"
#include "platform/win32/Win32LogonProcessStarter.h"
#include "platform/win32/Win32ShellLauncher.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "app/RowContextMenu.h"
#include "skin/FrameLayout.h"
#include "skin/win32/FontQuality.h"
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
constexpr UINT kCmdBackgroundStandard = 220;
constexpr UINT kCmdBackgroundCustom = 221;
constexpr UINT kCmdThemeFirst = 1000;  // + the item's position in MainForm::ThemeMenuItems()
constexpr UINT kMaxThemeItems = 400;
constexpr int kButtonIdFirst = 30;  // + WindowButton
constexpr int kInputLineId = 10;
constexpr int kResultListId = 11;
constexpr int kKeyCaptureId = 12;
constexpr int kBusyWidth = 200;
constexpr int kBusyHeight = 40;
constexpr int kOutOfSight = -10000;  // left of the edit control while the painted line shows the input

UINT_PTR TimerId(WindowTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

// A press that started no window drag.
constexpr int kNoDrag = -1337;

}  // namespace

MainWindow::MainWindow(HINSTANCE instance) : instance_(instance), resultList_(instance, clock_) {
    for (std::size_t i = 0; i < kWindowButtonCount; ++i) buttons_.push_back(std::make_unique<ImageButton>(instance, clock_));
}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::Create(const std::string& exePath, const std::vector<std::string>& arguments) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &ObjectWindowProc<MainWindow>;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClassName;
    if (!RegisterClassExA(&windowClass)) return false;

    hwnd_ = CreateWindowExA(WS_EX_APPWINDOW, kWindowClassName, kCaptionDesigned,
                            WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                            nullptr, instance_, this);
    if (!hwnd_) return false;
    opacity_.Attach(hwnd_);
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
    services.resources = &resources_;
    form_ = std::make_unique<MainForm>(*this, services);
    form_->SetIconSource(&icons_);
    SetButtonCaptions();
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
            // The look this hands back must not size the window again from inside its own
            // resize.
            resizing_ = true;
            if (form_ && wParam != SIZE_MINIMIZED) form_->OnWindowResized(HIWORD(lParam));
            resizing_ = false;
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers the whole window
        case WM_PAINT:
            PaintWindow();
            return 0;
        case WM_TIMER:
            if (!form_) break;
            if (wParam == TimerId(WindowTimer::Housekeeping)) form_->OnHousekeepingTick();
            if (wParam == TimerId(WindowTimer::Startup)) form_->OnStartupTick();
            if (wParam == TimerId(WindowTimer::Results)) form_->OnResultsTick();
            if (wParam == TimerId(WindowTimer::Launch)) form_->OnLaunchTick();
            if (wParam == TimerId(WindowTimer::Resize)) form_->OnResizeTick();
            return 0;
        case WM_SYSCOMMAND:
            if (HandleSysCommand(wParam)) return 0;
            break;
        case WM_COMMAND:
            if (lParam == 0) {
                OnCommand(LOWORD(wParam));
                return 0;
            }
            if (form_ && LOWORD(wParam) >= kButtonIdFirst && LOWORD(wParam) < kButtonIdFirst + kWindowButtonCount) {
                OnWindowButton(static_cast<WindowButton>(LOWORD(wParam) - kButtonIdFirst));
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
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == inputLine_ && inputBrush_) {
                // Folder browsing's own colour wins over the look's.
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, inputColour_ ? *inputColour_ : static_cast<COLORREF>(look_.inputTextColour));
                SetBkColor(dc, static_cast<COLORREF>(look_.inputBackColour));
                return reinterpret_cast<LRESULT>(inputBrush_.get());
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
        case WM_LBUTTONDOWN:
            OnFrameMouseDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            if (wParam & MK_LBUTTON) OnFrameMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_CAPTURECHANGED:
            EndFrameDrag();
            return 0;
        case WM_LBUTTONUP:
            EndFrameDrag();
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
        case kCmdBackgroundStandard:
        case kCmdBackgroundCustom:
            if (form_) form_->ChooseBackground(id == kCmdBackgroundCustom);
            break;
        default:
            if (!form_) break;
            if (id >= kCmdOptionFirst && id <= kCmdOptionFirst + static_cast<UINT>(OptionFlag::SmoothFonts))
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
            if (id >= kCmdThemeFirst && id < kCmdThemeFirst + kMaxThemeItems) {
                // Listed afresh: the command also arrives without the menu having been opened.
                const std::vector<ThemeMenuItem> items = form_->ThemeMenuItems();
                const std::size_t position = id - kCmdThemeFirst;
                if (position < items.size()) form_->ChooseTheme(items[position]);
            }
            if (id >= kCmdRowMenuFirst && id < kCmdRowMenuFirst + kRowMenuItemCount)
                form_->RunRowMenuItem(static_cast<RowMenuItem>(id - kCmdRowMenuFirst));
            break;
    }
}

void MainWindow::CreateControls() {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    inputLine_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kInputLineId)), instance_, nullptr);
    // Placed outside the visible area: it takes the keys while the input line only shows them.
    keyCapture_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, -200, -200, 20, 20, hwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kKeyCaptureId)), instance_, nullptr);
    SetWindowSubclass(inputLine_, &MainWindow::FieldProc, kInputLineId, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(keyCapture_, &MainWindow::FieldProc, kKeyCaptureId, reinterpret_cast<DWORD_PTR>(this));
    inputLinePainter_.Create(hwnd_);
    busyPanel_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0, 0, kBusyWidth,
                                 kBusyHeight, hwnd_, nullptr, instance_, nullptr);
    resultList_.Create(hwnd_, kResultListId, 0, 0, 0, 0);
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->Create(hwnd_, kButtonIdFirst + static_cast<int>(i), 0, 0);
    // The busy panel lies over the list: the list must not paint over it.
    SetWindowLongPtrA(resultList_.Handle(), GWL_STYLE,
                      GetWindowLongPtrA(resultList_.Handle(), GWL_STYLE) | WS_CLIPSIBLINGS);
    resultList_.OnMouseWheel = [this](int delta) {
        if (form_) form_->MouseWheel(delta);
    };
    SendMessageA(busyPanel_, WM_SETFONT, font, FALSE);
    resultList_.SetFont(reinterpret_cast<HFONT>(font));
    CreateRowTooltip();
    // The plain look until the form hands over its own.
    ApplySkinLook(look_);
}

void MainWindow::LayoutControls() {
    if (!inputLine_) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    const FrameLayout layout = LayoutFrame(look_, client.right);
    const Rect& input = layout.edit;
    MoveWindow(inputLine_, inputEditShown_ ? input.left : kOutOfSight, input.top, input.Width(), input.Height(), TRUE);
    const Rect& painted = layout.inputLine;
    inputLinePainter_.MoveTo(RECT{painted.left, painted.top, painted.right, painted.bottom}, input.top - painted.top);
    const Rect list{layout.listLeft, layout.listTop, std::max<int>(layout.listLeft, client.right - look_.properties.listRight),
                    std::max<int>(layout.listTop, client.bottom - look_.properties.listBottom)};
    rowPainter_.SetListOrigin(list.left, list.top);
    MoveWindow(resultList_.Handle(), list.left, list.top, list.Width(), list.Height(), TRUE);
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveTo(layout.buttons[i].x, layout.buttons[i].y);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void MainWindow::PaintWindow() {
    PaintGuard paint(hwnd_);
    if (!paint.dc()) return;
    RECT client;
    GetClientRect(hwnd_, &client);
    const int width = std::max(1, static_cast<int>(client.right));
    const int height = std::max(1, static_cast<int>(client.bottom));
    // Drawn off-screen first: the frame pieces overlap, and the window must not flicker.
    UniqueMemoryDc canvas(CreateCompatibleDC(paint.dc()));
    UniqueBitmap buffer(CreateCompatibleBitmap(paint.dc(), width, height));
    if (!canvas || !buffer) return;
    {
        ScopedSelectObject selected(canvas.get(), buffer.get());
        UniqueBrush ground(CreateSolidBrush(static_cast<COLORREF>(look_.windowColour)));
        FillRect(canvas.get(), &client, ground.get());
        if (background_) background_.Draw(canvas.get(), 0, 0);
        const int frameLeft = look_.topLeftVisible && topLeft_ ? topLeft_.width() : 0;
        const int frameRight = width - (look_.topRightVisible && topRight_ ? topRight_.width() : 0);
        if (!background_ && (inputBar_ || (look_.topLeftVisible && topLeft_))) {
            // The input line's ground between the two frame images.
            const int barHeight = inputBar_ ? inputBar_.height() : topLeft_.height();
            const RECT bar{frameLeft, 0, std::max(frameLeft, frameRight), barHeight};
            if (inputBar_) {
                inputBar_.Stretch(canvas.get(), bar);
            } else {
                UniqueBrush well(CreateSolidBrush(static_cast<COLORREF>(look_.inputBackColour)));
                FillRect(canvas.get(), &bar, well.get());
            }
        }
        if (look_.topLeftVisible && topLeft_) topLeft_.Draw(canvas.get(), 0, 0);
        if (look_.topRightVisible && topRight_) topRight_.Draw(canvas.get(), width - topRight_.width(), 0);
        if (windowGrip_) windowGrip_.Draw(canvas.get(), width - windowGrip_.width(), height - windowGrip_.height());
        BitBlt(paint.dc(), 0, 0, width, height, canvas.get(), 0, 0, SRCCOPY);
    }
}

void MainWindow::ApplySkinLook(const SkinLook& look) {
    look_ = look;
    const auto opaque = [](const SkinImage& image) { return image ? SkinBitmap::Opaque(*image) : SkinBitmap{}; };
    background_ = opaque(look.background);
    topLeft_ = opaque(look.topLeft);
    inputBar_ = opaque(look.inputBar);
    // A transparent frame image leaves out the colour of its bottom-left pixel, as the skins
    // draw it (a key colour that occurs nowhere else in the picture).
    if (look.topRight && look.topRightTransparent && !look.topRight->pixels.empty())
        topRight_ = SkinBitmap::ColourKeyed(*look.topRight,
                                            look.topRight->pixels[static_cast<std::size_t>(look.topRight->height - 1) *
                                                                  static_cast<std::size_t>(look.topRight->width)]);
    else
        topRight_ = opaque(look.topRight);
    windowGrip_ = opaque(look.windowGrip);

    inputBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(look.inputBackColour)));
    inputFont_.reset(CreateFontA(LayoutFrame(look, 0).inputFontHeight, 0, 0, 0,
                                 look.inputFontBold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                 look.inputFontName.c_str()));
    ApplyFontQuality(inputFont_, smoothFonts_);
    if (inputLine_ && inputFont_) SendMessageA(inputLine_, WM_SETFONT, reinterpret_cast<WPARAM>(inputFont_.get()), TRUE);
    inputLinePainter_.SetLook(&background_, &inputBar_, static_cast<COLORREF>(look.inputBackColour), inputFont_.get(),
                              inputColour_ ? *inputColour_ : static_cast<COLORREF>(look.inputTextColour));

    rowPainter_.SetLook(look, resultList_.Model());
    // Until a look with row images arrives the list draws its plain rows.
    if (rowPainter_.CanPaint())
        resultList_.SetDrawItem([this](HDC canvas, int index, const Rect&, const RowState&) { PaintListItem(canvas, index); });
    else
        resultList_.SetDrawItem(nullptr);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->SetGroundColour(look.windowColour);
        buttons_[i]->SetFont(look.buttonFont);
        buttons_[i]->SetLook(look.buttons[i]);
    }
    SetButtonCaptions();
    // The list keeps its size; the window grows or shrinks around it to the look's margins.
    if (listWidth_ > 0 && listHeight_ > 0 && !resizing_) ApplyListSize(listWidth_, listHeight_);
    LayoutControls();
    resultList_.Invalidate();
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void MainWindow::SetButtonCaptions() {
    if (!form_) return;
    const std::pair<WindowButton, const LangPair*> captions[] = {{WindowButton::AllEntries, &texts::ShowAllEntries},
                                                                 {WindowButton::Options, &texts::OptionsButton},
                                                                 {WindowButton::Info, &texts::InfoHelpButton}};
    for (const auto& [button, caption] : captions) {
        ButtonLook look = ButtonOf(look_, button);
        if (look.caption.empty()) look.caption = form_->language().Text(*caption);
        buttons_[static_cast<std::size_t>(button)]->SetLook(look);
    }
}

void MainWindow::OnWindowButton(WindowButton button) {
    switch (button) {
        case WindowButton::AllEntries:
            form_->ShowAllEntries();
            break;
        case WindowButton::Options:
            if (!form_->released()) ShowOptionsMenu();
            break;
        case WindowButton::Info:
            // Nothing yet: the info dialog arrives with the dialogs.
            break;
        case WindowButton::Close:
            PostMessageA(hwnd_, WM_CLOSE, 0, 0);
            break;
        case WindowButton::Minimise:
            RequestMinimise();
            break;
    }
}

void MainWindow::AppendSkinMenus(HMENU looks) {
    const auto text = [this](const LangPair& pair) { return form_->language().Text(pair); };
    if (HMENU theme = CreatePopupMenu()) {
        AppendMenuA(looks, MF_POPUP, reinterpret_cast<UINT_PTR>(theme), text(texts::Theme).c_str());
        const std::vector<ThemeMenuItem> items = form_->ThemeMenuItems();
        for (std::size_t i = 0; i < items.size() && i < kMaxThemeItems; ++i) {
            const ThemeMenuItem& item = items[i];
            if (!item.visible) continue;
            if (item.separatorBefore) AppendMenuA(theme, MF_SEPARATOR, 0, nullptr);
            // A skin folder's name is shown as it is: "&" would otherwise mark a shortcut key.
            std::string caption;
            for (const char c : item.caption) caption += c == '&' ? std::string("&&") : std::string(1, c);
            AppendMenuA(theme, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                        kCmdThemeFirst + static_cast<UINT>(i), caption.c_str());
        }
    }
    if (HMENU background = CreatePopupMenu()) {
        AppendMenuA(looks, MF_POPUP, reinterpret_cast<UINT_PTR>(background), text(texts::BackgroundImage).c_str());
        const bool custom = !form_->settings().customBackgroundPath.empty();
        AppendMenuA(background, MF_STRING | (custom ? MF_UNCHECKED : MF_CHECKED), kCmdBackgroundStandard, "Standard");
        AppendMenuA(background, MF_STRING | (custom ? MF_CHECKED : MF_UNCHECKED), kCmdBackgroundCustom,
                    text(texts::UserDefined).c_str());
    }
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
        if (which == KeyField::InputLine) ShowInputEdit(code == EN_SETFOCUS);
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
        AppendSkinMenus(looks);
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
        option(looks, OptionFlag::SmoothFonts, texts::SmoothFonts);
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
    // Below the options button, where the button is.
    RECT button{};
    const HWND options = buttons_[static_cast<std::size_t>(WindowButton::Options)]->Handle();
    if (options && IsWindowVisible(options) && GetWindowRect(options, &button)) rect = RECT{button.left, button.bottom, 0, 0};
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN, rect.left, rect.top, 0, hwnd_, nullptr);
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

bool MainWindow::ApplyOpacity(int alpha) { return opacity_.Apply(alpha); }

void MainWindow::ApplyStayOnTop(bool onTop) {
    SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

void MainWindow::ApplyListSize(int width, int height) {
    const ImageSize list = resultList_.Model().ClampSize(width, height);
    listWidth_ = list.width;
    listHeight_ = list.height;
    const ImageSize window = WindowSizeAround(look_, list.width, list.height);
    RECT frame{0, 0, window.width, window.height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::SetInputTextColour(std::optional<std::uint32_t> colour) {
    inputColour_ = colour ? std::optional<COLORREF>(static_cast<COLORREF>(*colour)) : std::nullopt;
    InvalidateRect(inputLine_, nullptr, TRUE);
    inputLinePainter_.SetTextColour(inputColour_ ? *inputColour_ : static_cast<COLORREF>(look_.inputTextColour));
}

void MainWindow::SetCaption(const std::string& caption) { SetWindowTextA(hwnd_, caption.c_str()); }

void MainWindow::MoveOffScreen() {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, rect.left, GetSystemMetrics(SM_CYSCREEN) + 5000, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::CenterOnWorkArea() {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    const FramePoint at = CentreOnScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                         rect.right - rect.left, rect.bottom - rect.top);
    // Not activated by the move: a hidden window that took the focus would get the keys unseen.
    SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    iconList_.Set(1, LoadIconA(nullptr, IDI_INFORMATION));
    const HICON released = iconList_.Get(1);
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

void MainWindow::ApplyFontSmoothing(bool smooth) {
    smoothFonts_ = smooth;
    ApplyFontQuality(inputFont_, smooth);
    if (inputLine_ && inputFont_) SendMessageA(inputLine_, WM_SETFONT, reinterpret_cast<WPARAM>(inputFont_.get()), TRUE);
    // The three text buttons come first.
    for (std::size_t i = 0; i <= static_cast<std::size_t>(WindowButton::Info); ++i) buttons_[i]->SetFontSmoothing(smooth);
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool MainWindow::OnWindowGrip(int x, int y) const {
    if (!look_.properties.resizerToForm || !windowGrip_) return false;
    RECT client;
    GetClientRect(hwnd_, &client);
    return x >= client.right - windowGrip_.width() && y >= client.bottom - windowGrip_.height();
}

void MainWindow::OnFrameMouseDown(int x, int y) {
    // Presses on the child controls never arrive here, so the window cannot jump when one of
    // them is dragged across it.
    dragStart_ = POINT{x, y};
    gripDrag_ = OnWindowGrip(x, y);
    gripListSize_ = SIZE{resultList_.Model().Width(), resultList_.Model().Height()};
    SetCapture(hwnd_);
}

void MainWindow::OnFrameMouseMove(int x, int y) {
    if (dragStart_.x == kNoDrag || !form_) return;
    if (gripDrag_) {
        // Measured from the press: the list grows by how far the mouse went since then.
        if ((x != dragStart_.x || y != dragStart_.y) && form_->inputLock().IsFree())
            form_->RequestListSize(gripListSize_.cx + x - dragStart_.x, gripListSize_.cy + y - dragStart_.y);
        return;
    }
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, rect.left + x - dragStart_.x, rect.top + y - dragStart_.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::EndFrameDrag() {
    if (dragStart_.x == kNoDrag) return;
    dragStart_.x = kNoDrag;
    if (GetCapture() == hwnd_) ReleaseCapture();
    if (std::exchange(gripDrag_, false) && form_) form_->ListResizeFinished();
}

void MainWindow::ShowInputEdit(bool shown) {
    // Edited in place, the real field shows its selection and caret over the painted line.
    inputEditShown_ = shown;
    LayoutControls();
    if (shown) SetWindowPos(inputLine_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace qx
