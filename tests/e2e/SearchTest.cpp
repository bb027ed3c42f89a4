#include <string>
#include <vector>

#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;

class SearchTest : public QuilloxE2eTest {};

// The rows the window's list shows, read through its list box queries.
std::vector<std::string> ListRows(HWND mainWindow) {
    std::vector<std::string> rows;
    HWND list = FindWindowExA(mainWindow, nullptr, "TovraLB", nullptr);
    if (!list) return rows;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Wine passes the row text across processes as UTF-16 whichever call asks for it.
        std::wstring wide(4096, L'\0');
        const LRESULT length = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
        if (length < 0) break;
        wide.resize(wcsnlen(wide.c_str(), wide.size()));
        std::string text(wide.size() * 2 + 1, '\0');
        text.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                                                 text.data(), static_cast<int>(text.size()), nullptr,
                                                                 nullptr)));
        rows.push_back(text);
    }
    return rows;
}

TEST_F(SearchTest, TypingNoteShowsNotepadFirstThenKeynote) {
    MarkAsLaunchedBefore();
    ASSERT_TRUE(Folder().WriteDataFile("Files.txt",
                                       "Keynote|C:\\k.exe\r\nNotepad|notepad.exe\r\nPaint|mspaint.exe\r\n"));
    AppProcess& quillox = StartQuillox("-showonstartup");
    HWND window = WaitForRunningWindow(quillox);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); }));
    SetForegroundWindow(window);

    ASSERT_TRUE(TypeText("note"));
    const std::vector<std::string> expected{"Notepad", "Keynote"};
    EXPECT_TRUE(WaitUntil([&] { return ListRows(window) == expected; }))
        << "rows: " << ::testing::PrintToString(ListRows(window));
}

}  // namespace
}  // namespace qx
