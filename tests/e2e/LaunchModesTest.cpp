#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"
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

void DeleteAutorunValue() { RegDeleteKeyValueA(HKEY_CURRENT_USER, kRunKey, "Quillox"); }

// Removes the autorun value before and after a case, so no later Wine session starts Quillox.
struct AutorunValueCleanup {
    AutorunValueCleanup() { DeleteAutorunValue(); }
    ~AutorunValueCleanup() { DeleteAutorunValue(); }
};

bool ReadClipboardText(std::string& text) {
    if (!OpenClipboard(nullptr)) return false;
    bool found = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            found = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return found;
}

void ClearClipboard() {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    CloseClipboard();
}

size_t LineCount(const std::string& text) {
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
    return lines;
}

class LaunchModesTest : public RecorderTest {};

TEST_F(LaunchModesTest, DownDownEnterRightAfterTypingLaunchesTheThirdRow) {
    HWND window = StartShown("Rec A|" + recorder_ + "|first\r\nRec B|" + recorder_ + "|second\r\nRec C|" +
                             recorder_ + "|third\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("rec"));
    ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(LaunchesContain(" third|")) << Launches();
    EXPECT_EQ(LineCount(Launches()), 1u) << Launches();
}

TEST_F(LaunchModesTest, UrlModeHandsTheAddressWithEncodedBlanksToTheHttpHandler) {
    HttpHandlerRegistration handler("\"" + recorder_ + "\" \"%1\"");
    ASSERT_TRUE(handler.ok());
    ASSERT_TRUE(Folder().WriteDataFile("OldURLs.txt", "url: http://older.example/\r\n"));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    // "-" on an empty input starts an address with "http://".
    ASSERT_TRUE(TypeText("-"));
    ASSERT_TRUE(WaitUntil([&] { return InputLineText(window) == ".http://"; })) << InputLineText(window);
    ASSERT_TRUE(TypeText("qx.example/a b"));
    ASSERT_TRUE(WaitUntil([&] {
        const auto rows = ListRows(window);
        return !rows.empty() && rows[0] == "url: http://qx.example/a b";
    })) << ::testing::PrintToString(ListRows(window));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(LaunchesContain("\"http://qx.example/a%20b\"")) << Launches();
    std::string history;
    EXPECT_TRUE(WaitUntil([&] {
        return Folder().ReadDataFile("OldURLs.txt", history) &&
               history == "url: http://qx.example/a b\r\nurl: http://older.example/\r\n";
    })) << history;
}

TEST_F(LaunchModesTest, MissingFileIsReportedInEnglishWithLanguageOne) {
    ASSERT_TRUE(Folder().WriteDataFile("config.cfg", "Version=13\r\nLanguage=1\r\n"));
    HWND window = StartShown("Missing|Z:\\nowhere\\gone.exe\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("missi"));
    ASSERT_TRUE(WaitUntil([&] { return ListRows(window) == std::vector<std::string>{"Missing"}; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND report = WaitForMessageBox(pid_);
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(MessageBoxText(report), "File or folder \"Z:\\nowhere\\gone.exe\" could not be found.");
    ASSERT_TRUE(AnswerMessageBox(report, IDOK));
    EXPECT_TRUE(IsShownOnScreen(window));
}

TEST_F(LaunchModesTest, ShiftEnterRightAfterTypingCopiesTheResolvedPathAndLaunchesNothing) {
    HWND window = StartShown("Recorder|" + recorder_ + "|alpha\r\n");
    ASSERT_NE(window, nullptr);
    ClearClipboard();
    ASSERT_TRUE(TypeText("recor"));
    {
        HeldKeys shift({VK_SHIFT});
        ASSERT_TRUE(shift.Pressed());
        ASSERT_TRUE(PressKey(VK_RETURN));
    }  // Shift is up again long before the rows of "recor" are built and the Enter acts
    std::string copied;
    EXPECT_TRUE(WaitUntil([&] { return ReadClipboardText(copied) && copied == recorder_; })) << copied;
    // The copy counts as a successful launch: the window goes.
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
    EXPECT_EQ(Launches(), "");
}

TEST_F(LaunchModesTest, AltHeldWhileLaunchingKeepsTheWindowShown) {
    HWND window = StartShown("Recorder|" + recorder_ + "|alpha\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("recor"));
    ASSERT_TRUE(WaitUntil([&] { return ListRows(window) == std::vector<std::string>{"Recorder"}; }));
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

TEST_F(LaunchModesTest, WithoutTheLockOptionAFailingLaunchHidesTheWindowAtOnce) {
    ASSERT_TRUE(Folder().WriteDataFile("config.cfg", "Version=13\r\nLockQuilloxUntilExecDone=0\r\n"));
    HWND window = StartShown("Missing|Z:\\nowhere\\gone.exe\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText("missi"));
    ASSERT_TRUE(WaitUntil([&] { return ListRows(window) == std::vector<std::string>{"Missing"}; }));
    ASSERT_TRUE(PressKey(VK_RETURN));
    HWND report = WaitForMessageBox(pid_);
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(IsParkedOffScreen(window));
    ASSERT_TRUE(AnswerMessageBox(report, IDOK));
}

TEST_F(LaunchModesTest, ForThisUserMenuItemWritesAndRemovesTheAutorunValue) {
    AutorunValueCleanup cleanup;
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    // Options menu > "Allgemein" > "Quillox mit Windows starten" > "Für diesen Benutzer".
    const auto clickForThisUser = [&] {
        if (!PressChord({VK_CONTROL, VK_MENU, 'O'})) return false;
        if (!WaitForTopWindow(kPopupMenuClass, nullptr)) return false;
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

TEST_F(LaunchModesTest, HundredAndFirstCommandDropsTheOldest) {
    std::string older;
    for (int i = 1; i <= 100; ++i) older += "exe: older " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(Folder().WriteDataFile("OldOrders.txt", older));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(TypeText(",qx_recorder.exe newest"));
    ASSERT_TRUE(WaitUntil([&] {
        const auto rows = ListRows(window);
        return !rows.empty() && rows[0] == "exe: qx_recorder.exe newest";
    })) << ::testing::PrintToString(ListRows(window));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(LaunchesContain("newest")) << Launches();
    const std::string expected =
        "exe: qx_recorder.exe newest\r\n" + older.substr(0, older.find("exe: older 100\r\n"));
    std::string history;
    EXPECT_TRUE(WaitUntil([&] { return Folder().ReadDataFile("OldOrders.txt", history) && history == expected; }))
        << "lines: " << LineCount(history) << "\n" << history.substr(0, 200);
}

}  // namespace
}  // namespace qx
