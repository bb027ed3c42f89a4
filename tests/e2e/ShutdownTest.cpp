#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;

class ShutdownTest : public QuilloxE2eTest {};

// Asked while hidden and while shown: No keeps it running and is not remembered, Yes ends it.
TEST_F(ShutdownTest, Close_AsksTheQuestion_NoKeepsItRunning_YesEndsIt) {
    HWND window = StartHidden();
    AppProcess& quillox = Started();
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(PostClose(window));
    ASSERT_EQ(AnswerNextMessageBox(quillox.Pid(), IDNO), kCloseQuestion) << "closing asked nothing";
    EXPECT_FALSE(quillox.WaitForExit(kQuietPeriod).has_value()) << "No ended the program";
    EXPECT_EQ(FindTopWindow(kMainWindowClass, kRunningCaption), window);

    ASSERT_TRUE(SendRestore(window));
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); }));
    ASSERT_TRUE(PostClose(window));
    ASSERT_EQ(AnswerNextMessageBox(quillox.Pid(), IDYES), kCloseQuestion) << "the second close asked nothing";
    const auto exitCode = quillox.WaitForExit(kDefaultTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "Yes did not end the program";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(MainWindowCount(), 0u);
}

// Windows may still cancel the shutdown: the answer alone must not end the program, but the
// close that follows ends it without asking.
TEST_F(ShutdownTest, QueryEndSession_AnswersYesAndKeepsRunning_ThenCloseEndsWithoutAsking) {
    HWND window = StartHidden();
    AppProcess& quillox = Started();
    ASSERT_NE(window, nullptr);

    ASSERT_EQ(SendWithin(window, WM_QUERYENDSESSION, 0, kDefaultTimeout), std::optional<DWORD_PTR>(1))
        << "WM_QUERYENDSESSION got no yes";
    EXPECT_FALSE(quillox.WaitForExit(kQuietPeriod).has_value());
    EXPECT_EQ(FindTopWindow(kMainWindowClass, kRunningCaption), window);

    ASSERT_TRUE(PostClose(window));
    HWND question = nullptr;
    WaitUntil([&] { return !quillox.IsRunning() || (question = FindMessageBox(quillox.Pid())) != nullptr; });
    if (question) {
        ADD_FAILURE() << "closing asked although the session ends: " << MessageBoxText(question);
        AnswerMessageBox(question, IDYES);
    }
    EXPECT_TRUE(quillox.WaitForExit(kDefaultTimeout).has_value()) << "the program did not end";
}

}  // namespace
}  // namespace qx
