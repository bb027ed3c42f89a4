#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"

namespace qx {
namespace {

using namespace qx::test;

class SearchTest : public QuilloxE2eTest {};

TEST_F(SearchTest, TypingNoteShowsNotepadFirstThenKeynote) {
    MarkAsLaunchedBefore();
    ASSERT_TRUE(Folder().WriteDataFile("Files.txt",
                                       "Keynote|C:\\k.exe\r\nNotepad|notepad.exe\r\nPaint|mspaint.exe\r\n"));
    AppProcess& quillox = StartQuillox("-showonstartup");
    HWND window = WaitForRunningWindow(quillox);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); }));
    ASSERT_TRUE(BringToFront(window));

    ASSERT_TRUE(TypeText("note"));
    const std::vector<std::string> expected{"Notepad", "Keynote"};
    EXPECT_TRUE(WaitUntil([&] { return ListRows(window) == expected; }))
        << "rows: " << ::testing::PrintToString(ListRows(window));
}

}  // namespace
}  // namespace qx
