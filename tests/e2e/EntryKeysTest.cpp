#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"

namespace qx {
namespace {

using namespace qx::test;

class EntryKeysTest : public QuilloxE2eTest {
protected:
    // Starts shown with these entries and types the query until the rows are as expected.
    HWND StartAndSearch(const std::string& files, const std::string& query, const std::vector<std::string>& rows) {
        MarkAsLaunchedBefore();
        if (!Folder().WriteDataFile("Files.txt", files)) return nullptr;
        AppProcess& quillox = StartQuillox("-showonstartup");
        pid_ = quillox.Pid();
        HWND window = WaitForRunningWindow(quillox);
        if (!window || !WaitUntil([&] { return IsShownOnScreen(window); }) || !BringToFront(window)) return nullptr;
        TypeText(query);
        if (!WaitUntil([&] { return ListRows(window) == rows; })) {
            ADD_FAILURE() << "rows: " << ::testing::PrintToString(ListRows(window));
            return nullptr;
        }
        return window;
    }
    DWORD pid_ = 0;
};

TEST_F(EntryKeysTest, DeleteAsksWithTheNameAndYesRemovesTheEntryFromFilesTxt) {
    HWND window = StartAndSearch("Keynote|k.exe\r\nNotepad|notepad.exe\r\n", "notep", {"Notepad"});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PressKey(VK_DELETE));
    HWND question = WaitForMessageBox(pid_);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question), "Eintrag \"Notepad\" wirklich l\xF6schen?");
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    std::string files;
    EXPECT_TRUE(WaitUntil([&] {
        return Folder().ReadDataFile("Files.txt", files) && files.find("Notepad") == std::string::npos;
    })) << files;
    EXPECT_NE(files.find("Keynote|k.exe"), std::string::npos);
}

TEST_F(EntryKeysTest, CtrlRStoresTheSelectedEntryRelativeToTheProgramFolder) {
    const std::string tool = Folder().Path() + "tools\\t.exe";
    HWND window = StartAndSearch("Tool|" + tool + "\r\n", "tool", {"Tool"});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PressChord({VK_CONTROL, 'R'}));
    std::string files;
    EXPECT_TRUE(WaitUntil([&] {
        return Folder().ReadDataFile("Files.txt", files) && files.rfind("Tool|.\\tools\\t.exe|", 0) == 0;
    })) << files;
}

TEST_F(EntryKeysTest, HidingEmptiesTheInputAndTheList) {
    HWND window = StartAndSearch("Notepad|notepad.exe\r\n", "note", {"Notepad"});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(InputLineText(window), "note");
    ASSERT_TRUE(SendMinimise(window));
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
    EXPECT_EQ(InputLineText(window), "");
    ASSERT_TRUE(SendRestore(window));
    EXPECT_TRUE(WaitUntil([&] { return IsShownOnScreen(window) && ListRows(window).empty(); }));
}

}  // namespace
}  // namespace qx
