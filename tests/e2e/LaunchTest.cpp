#include <optional>
#include <string>
#include <vector>

#include "e2e/RecorderTest.h"

namespace qx {
namespace {

using namespace qx::test;

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kHttpCommandKey[] = "Software\\Classes\\http\\shell\\open\\command";
constexpr char kPopupMenuClass[] = "#32768";

// Registers a program as the handler of http addresses for the lifetime of the object (Wine
// resolves an address's handler from the machine's classes alone); the older command, if
// any, is put back.
class HttpHandlerRegistration {
public:
    explicit HttpHandlerRegistration(const std::string& command) {
        char old[2048] = {};
        DWORD size = sizeof old;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kHttpCommandKey, nullptr, RRF_RT_ANY, nullptr, old, &size) ==
            ERROR_SUCCESS)
            oldCommand_ = old;
        ok_ = Set(command);
    }
    ~HttpHandlerRegistration() {
        if (oldCommand_) Set(*oldCommand_);
        else RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kHttpCommandKey, nullptr);
    }
    HttpHandlerRegistration(const HttpHandlerRegistration&) = delete;
    HttpHandlerRegistration& operator=(const HttpHandlerRegistration&) = delete;

    bool ok() const { return ok_; }

private:
    static bool Set(const std::string& command) {
        return RegSetKeyValueA(HKEY_LOCAL_MACHINE, kHttpCommandKey, nullptr, REG_SZ, command.c_str(),
                               static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    }

    std::optional<std::string> oldCommand_;
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
    ASSERT_EQ(AnswerNextMessageBox(pid_, IDOK), "Datei oder Ordner \"Z:\\nowhere\\gone.exe\" wurde nicht gefunden.");
    EXPECT_TRUE(IsShownOnScreen(window));
    ASSERT_TRUE(BringToFront(window));
    ASSERT_TRUE(TypeText("ng"));
    EXPECT_TRUE(WaitUntil([&] { return InputLineText(window) == "missing"; })) << InputLineText(window);
}

TEST_F(LaunchTest, CommandModeRunsTheCommandAndPutsItOnTopOfTheHistory) {
    ASSERT_TRUE(Folder().WriteDataFile("OldOrders.txt", "exe: older\r\n"));
    HWND window = StartShown("");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, ",qx_recorder.exe one two", {"exe: qx_recorder.exe one two"}, true));
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(LaunchesContain("one two")) << Launches();
    const std::string expected = "exe: qx_recorder.exe one two\r\nexe: older\r\n";
    std::string history;
    EXPECT_TRUE(WaitUntil([&] { return Folder().ReadDataFile("OldOrders.txt", history) && history == expected; }))
        << history;
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
    // Options menu > "Allgemein" (the second item) > "Quillox mit Windows starten" > "Für diesen Benutzer".
    const auto clickForThisUser = [&] {
        if (!PressChord({VK_CONTROL, VK_MENU, 'O'})) return false;
        if (!WaitUntil([] { return FindTopWindow(kPopupMenuClass, nullptr) != nullptr; })) return false;
        return PressKey(VK_DOWN) && PressKey(VK_DOWN) && PressKey(VK_RIGHT) && PressKey(VK_RIGHT) &&
               PressKey(VK_RETURN) && WaitUntil([] { return FindTopWindow(kPopupMenuClass, nullptr) == nullptr; });
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

// Ctrl+R stores the selected entry relative to the program folder; Ctrl+E edits it; hiding
// empties the input and the list; Delete asks with the entry's name and Yes removes it from
// Files.txt.
TEST_F(LaunchTest, CtrlRMakesThePathRelativeCtrlEEditsHidingEmptiesTheInputAndDeleteRemovesTheEntry) {
    const std::string tool = Folder().Path() + "tools\\t.exe";
    HWND window = StartShown("Keynote|k.exe\r\nNotepad|notepad.exe\r\nTool|" + tool + "\r\n");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Search(window, "tool", {"Tool"}));
    ASSERT_TRUE(PressChord({VK_CONTROL, 'R'}));
    std::string files;
    const auto filesHold = [&](const std::string& line) {
        return Folder().ReadDataFile("Files.txt", files) && ("\r\n" + files).find("\r\n" + line) != std::string::npos;
    };
    EXPECT_TRUE(WaitUntil([&] { return filesHold("Tool|.\\tools\\t.exe|"); })) << files;

    // Ctrl+E edits the selected entry: a Value typed over the old one and Enter (OK) save it;
    // in a second round Esc (Abbrechen) leaves the file as it was.
    HWND editor = nullptr;
    const auto editorOpens = [&] {
        return PressChord({VK_CONTROL, 'E'}) && WaitUntil([&] {
                   editor = FindTopWindow("#32770", "Eintrag bearbeiten");
                   return editor && IsWindowVisible(editor);
               });
    };
    ASSERT_TRUE(editorOpens());
    ASSERT_TRUE(PressKey(VK_TAB) && TypeText("C:\\t2.exe") && PressKey(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor) && filesHold("Tool|C:\\t2.exe|||||0||||||0\r\n"); }))
        << files;
    ASSERT_TRUE(editorOpens());
    const std::string edited = files;
    // A name that another entry has is refused; its message belongs to the dialog, which then
    // still holds the window disabled behind it.
    ASSERT_TRUE(TypeText("Keynote") && PressKey(VK_RETURN));
    HWND refusal = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (refusal = FindTopWindow("#32770", "Quillox")) != nullptr; }));
    EXPECT_EQ(MessageBoxText(refusal), "Ein Eintrag mit dem Namen \"Keynote\" existiert bereits.");
    ASSERT_TRUE(AnswerMessageBox(refusal, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == editor; }));
    EXPECT_FALSE(IsWindowEnabled(window));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor); }));
    EXPECT_TRUE(Folder().ReadDataFile("Files.txt", files) && files == edited) << files;

    // "Beliebigen Wert hinzufügen" saves a fresh entry and opens the editor on it, and what is
    // typed replaces the default texts. (Cancelling removes the fresh entry: the main form's test.)
    constexpr WPARAM kAddCustomValueCommand = 185;
    ASSERT_TRUE(PostMessageA(window, WM_COMMAND, kAddCustomValueCommand, 0));
    ASSERT_TRUE(WaitUntil([&] {
        editor = FindTopWindow("#32770", "Eintrag bearbeiten");
        return editor && IsWindowVisible(editor);
    }));
    ASSERT_TRUE(TypeText("Calc") && PressKey(VK_TAB) && TypeText("calc.exe") && PressKey(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(editor) && filesHold("Calc|calc.exe|||||0||||||0\r\n"); })) << files;

    ASSERT_TRUE(SendMinimise(window));
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
    EXPECT_EQ(InputLineText(window), "");
    ASSERT_TRUE(SendRestore(window));
    EXPECT_TRUE(WaitUntil([&] { return IsShownOnScreen(window) && ListRows(window).empty(); }));

    ASSERT_TRUE(BringToFront(window));
    ASSERT_TRUE(Search(window, "notep", {"Notepad"}));
    ASSERT_TRUE(PressKey(VK_DELETE));
    ASSERT_EQ(AnswerNextMessageBox(pid_, IDYES), "Eintrag \"Notepad\" wirklich l\xF6schen?");
    EXPECT_TRUE(WaitUntil([&] { return filesHold("Keynote|k.exe") && !filesHold("Notepad"); })) << files;
}

}  // namespace
}  // namespace qx
