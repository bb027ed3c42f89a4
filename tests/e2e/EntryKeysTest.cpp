#include <string>

#include "e2e/RecorderTest.h"

namespace qx {
namespace {

using namespace qx::test;

class EntryKeysTest : public RecorderTest {};

// Ctrl+R stores the selected entry relative to the program folder; hiding empties the input
// and the list; Delete asks with the entry's name and Yes removes it from Files.txt.
TEST_F(EntryKeysTest, CtrlRMakesThePathRelativeHidingEmptiesTheInputAndDeleteRemovesTheEntry) {
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

    ASSERT_TRUE(SendMinimise(window));
    EXPECT_TRUE(WaitUntil([&] { return IsParkedOffScreen(window); }));
    EXPECT_EQ(InputLineText(window), "");
    ASSERT_TRUE(SendRestore(window));
    EXPECT_TRUE(WaitUntil([&] { return IsShownOnScreen(window) && ListRows(window).empty(); }));

    ASSERT_TRUE(BringToFront(window));
    ASSERT_TRUE(Search(window, "notep", {"Notepad"}));
    ASSERT_TRUE(PressKey(VK_DELETE));
    HWND question = WaitForMessageBox(pid_);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question), "Eintrag \"Notepad\" wirklich l\xF6schen?");
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    EXPECT_TRUE(WaitUntil([&] { return filesHold("Keynote|k.exe") && !filesHold("Notepad"); })) << files;
}

}  // namespace
}  // namespace qx
