#include <string>
#include <vector>

#include "e2e/RecorderTest.h"

namespace qx {
namespace {

using namespace qx::test;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kHttpCommandKey[] = "Software\\Classes\\http\\shell\\open\\command";
constexpr char kPopupMenuClass[] = "#32768";
// Wine resolves an address's handler from the machine's classes alone.
const HKEY kHandlerRoot = HKEY_LOCAL_MACHINE;

// Registers a program as the handler of http addresses for the lifetime of
// the object; the keys it had to create are removed again, an older command is put back.
class HttpHandlerRegistration {
public:
    explicit HttpHandlerRegistration(const std::string& command) {
        std::string path;
        for (const char* part : {"Software\\Classes\\http", "\\shell", "\\open", "\\command"}) {
            path += part;
            HKEY key = nullptr;
            DWORD disposition = 0;
            if (RegCreateKeyExA(kHandlerRoot, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                &disposition) != ERROR_SUCCESS)
                return;
            if (disposition == REG_CREATED_NEW_KEY) created_.push_back(path);
            if (path == kHttpCommandKey) {
                char old[2048] = {};
                DWORD size = sizeof old;
                hadCommand_ = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
                              ERROR_SUCCESS;
                oldCommand_ = hadCommand_ ? std::string(old) : std::string();
                ok_ = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                     static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
            }
            RegCloseKey(key);
        }
    }
    ~HttpHandlerRegistration() {
        if (hadCommand_) {
            RegSetKeyValueA(kHandlerRoot, kHttpCommandKey, nullptr, REG_SZ, oldCommand_.c_str(),
                            static_cast<DWORD>(oldCommand_.size() + 1));
        }
        for (auto it = created_.rbegin(); it != created_.rend(); ++it) RegDeleteKeyA(kHandlerRoot, it->c_str());
    }
    HttpHandlerRegistration(const HttpHandlerRegistration&) = delete;
    HttpHandlerRegistration& operator=(const HttpHandlerRegistration&) = delete;

    bool ok() const { return ok_; }

private:
    std::vector<std::string> created_;
    std::string oldCommand_;
    bool hadCommand_ = false;
    bool ok_ = false;
};

// The current user's autorun value of Quillox; nothing when it is missing.
bool ReadAutorunValue(std::string& value) {
    char text[2048] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, kRunKey, "Quillox", RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return false;
    value = text;
    return true;
}

// Removes the autorun value before and after a case, so no later Wine session starts Quillox.
struct AutorunValueCleanup {
    AutorunValueCleanup() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Quillox"); }
    ~AutorunValueCleanup() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Quillox"); }
};

// The clipboard's text, emptied first when asked; false when it holds none.
bool ClipboardText(std::string& text, bool empty = false) {
    if (!OpenClipboard(nullptr)) return false;
    if (empty) EmptyClipboard();
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* chars = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (chars) {
        text = chars;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return chars != nullptr;
}

class LaunchTest : public RecorderTest {};

TEST_F(LaunchTest, MissingFileIsReportedWithItsNameAndTheWindowStaysUsable) {
    HWND window = StartShown("Missing|Z:\\nowhere\\gone.exe\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, "missi", {"Missing"}));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND report = WaitForMessageBox(pid_);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(MessageBoxText(report), "Datei oder Ordner \"Z:\\nowhere\\gone.exe\" wurde nicht gefunden.");
    ASSERT_TRUE(AnswerMessageBox(report, IDOK));
    EXPECT_TRUE(IsShownOnScreen(window));
    ASSERT_TRUE(BringToFront(window));
    ASSERT_TRUE(TypeText("ng"));
    EXPECT_TRUE(WaitUntil([&] { return InputLineText(window) == "missing"; })) << InputLineText(window);
}

TEST_F(LaunchTest, WithLanguageOneAndNoLockAFailingLaunchIsReportedInEnglishWithTheWindowHidden) {
    ASSERT_TRUE(Folder().WriteDataFile("config.cfg", "Version=13\r\nLanguage=1\r\nLockQuilloxUntilExecDone=0\r\n"));
    HWND window = StartShown("Missing|Z:\\nowhere\\gone.exe\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, "missi", {"Missing"}));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND report = WaitForMessageBox(pid_);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(MessageBoxText(report), "File or folder \"Z:\\nowhere\\gone.exe\" could not be found.");
    EXPECT_TRUE(IsParkedOffScreen(window));
    ASSERT_TRUE(AnswerMessageBox(report, IDOK));
}

// The hundred-and-first command drops the oldest from the history.
TEST_F(LaunchTest, CommandModeRunsTheCommandAndPutsItOnTopOfTheHistory) {
    std::string older;
    for (int i = 1; i <= 100; ++i) older += "exe: older " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(Folder().WriteDataFile("OldOrders.txt", older));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, ",qx_recorder.exe one two", {"exe: qx_recorder.exe one two"}, true));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(LaunchesContain("one two")) << Launches();
    const std::string expected =
        "exe: qx_recorder.exe one two\r\n" + older.substr(0, older.find("exe: older 100\r\n"));
    std::string history;
    EXPECT_TRUE(WaitUntil([&] { return Folder().ReadDataFile("OldOrders.txt", history) && history == expected; }))
        << "lines: " << LineCount(history) << "\n" << history.substr(0, 200);
}

TEST_F(LaunchTest, RunAsPromptHoldsTheInputAndItsCancelStartsNothing) {
    HWND window = StartShown("Admin|" + recorder_ + "|alpha||||0||||admin||0\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, "admi", {"Admin"}));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND prompt = WaitForMessageBox(pid_);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(WindowCaption(prompt), "Passwortabfrage");
    const HWND inputLine = GetDlgItem(window, 10);
    EXPECT_FALSE(IsWindowEnabled(inputLine));  // the launch holds the input
    ASSERT_TRUE(AnswerMessageBox(prompt, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(inputLine) != FALSE; }));
    SetForegroundWindow(window);
    ASSERT_TRUE(TypeText("n"));
    EXPECT_TRUE(WaitUntil([&] { return InputLineText(window) == "admin"; })) << InputLineText(window);
    EXPECT_EQ(FindMessageBox(pid_), nullptr);  // nothing was started, so nothing failed
    EXPECT_EQ(Launches(), "");
}

TEST_F(LaunchTest, DownDownEnterRightAfterTypingLaunchesTheThirdRow) {
    HWND window = StartShown("Rec A|" + recorder_ + "|first\r\nRec B|" + recorder_ + "|second\r\nRec C|" +
                             recorder_ + "|third\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("rec"));
    ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(LaunchesContain(" third|")) << Launches();
    EXPECT_EQ(LaunchCount(), 1u) << Launches();
}

TEST_F(LaunchTest, UrlModeHandsTheAddressWithEncodedBlanksToTheHttpHandler) {
    HttpHandlerRegistration handler("\"" + recorder_ + "\" \"%1\"");
    ASSERT_TRUE(handler.ok());
    ASSERT_TRUE(Folder().WriteDataFile("OldURLs.txt", "url: http://older.example/\r\n"));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    // "-" on an empty input starts an address with "http://".
    ASSERT_TRUE(TypeText("-"));
    ASSERT_TRUE(WaitUntil([&] { return InputLineText(window) == ".http://"; })) << InputLineText(window);
    ASSERT_TRUE(Search(window, "qx.example/a b", {"url: http://qx.example/a b"}, true));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(LaunchesContain("\"http://qx.example/a%20b\"")) << Launches();
    std::string history;
    EXPECT_TRUE(WaitUntil([&] {
        return Folder().ReadDataFile("OldURLs.txt", history) &&
               history == "url: http://qx.example/a b\r\nurl: http://older.example/\r\n";
    })) << history;
}

TEST_F(LaunchTest, ShiftEnterRightAfterTypingCopiesTheResolvedPathAndLaunchesNothing) {
    HWND window = StartShown("Recorder|" + recorder_ + "|alpha\r\n");
    ASSERT_NE(window, nullptr);
    std::string copied;
    ClipboardText(copied, true);
    ASSERT_TRUE(TypeText("recor"));
    {
        HeldKeys shift({VK_SHIFT});
        ASSERT_TRUE(shift.Pressed());
        ASSERT_TRUE(PressKey(VK_RETURN));
    }  // Shift is up again long before the rows of "recor" are built and the Enter acts
    EXPECT_TRUE(WaitUntil([&] { return ClipboardText(copied) && copied == recorder_; })) << copied;
    // The copy counts as a successful launch: the window goes.
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
    EXPECT_EQ(Launches(), "");
}

TEST_F(LaunchTest, AltHeldWhileLaunchingKeepsTheWindowShown) {
    HWND window = StartShown("Recorder|" + recorder_ + "|alpha\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, "recor", {"Recorder"}));
    {
        HeldKeys alt({VK_MENU});
        ASSERT_TRUE(alt.Pressed());
        ASSERT_TRUE(PressKey(VK_RETURN));
        ASSERT_TRUE(LaunchesContain("alpha")) << Launches();
    }
    // Typing is refused until the launch has been reported, and hiding would empty the input:
    // once a typed letter lands, the window has decided to stay.
    EXPECT_TRUE(WaitUntil([&] {
        const std::string text = InputLineText(window);
        if (text == "recor") TypeText("d");
        return text.starts_with("record");
    })) << InputLineText(window);
    EXPECT_TRUE(IsShownOnScreen(window));
}

TEST_F(LaunchTest, ForThisUserMenuItemWritesAndRemovesTheAutorunValue) {
    AutorunValueCleanup cleanup;
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    // Options menu > "Allgemein" > "Quillox mit Windows starten" > "Für diesen Benutzer".
    const auto clickForThisUser = [&] {
        if (!PressChord({VK_CONTROL, VK_MENU, 'O'})) return false;
        if (!WaitUntil([] { return FindTopWindow(kPopupMenuClass, nullptr) != nullptr; })) return false;
        return PressKey(VK_DOWN) && PressKey(VK_RIGHT) && PressKey(VK_RIGHT) && PressKey(VK_RETURN) &&
               WaitUntil([] { return FindTopWindow(kPopupMenuClass, nullptr) == nullptr; });
    };
    ASSERT_TRUE(clickForThisUser());
    std::string value;
    EXPECT_TRUE(WaitUntil([&] { return ReadAutorunValue(value); }));
    EXPECT_EQ(value, "\"" + Folder().ExePath() + "\"");
    EXPECT_EQ(FindMessageBox(pid_), nullptr);

    ASSERT_TRUE(BringToFront(window));
    ASSERT_TRUE(clickForThisUser());
    EXPECT_TRUE(WaitUntil([&] { return !ReadAutorunValue(value); })) << value;
}

}  // namespace
}  // namespace qx
