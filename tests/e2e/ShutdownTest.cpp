#include "e2e/Harness.h"

namespace qx {
namespace {

using namespace qx::test;
using std::chrono::milliseconds;

constexpr milliseconds kQuietPeriod{1500};

class ShutdownTest : public QuilloxE2eTest {
protected:
    // Starts a Quillox that is past its first launch and waits for its running window.
    HWND StartRunning(AppProcess*& process) {
        MarkAsLaunchedBefore();
        process = &StartQuillox();
        return WaitForRunningWindow(*process);
    }
};

TEST_F(ShutdownTest, Close_AsksTheQuestion_NoKeepsItRunning_YesEndsIt) {
    AppProcess* quillox = nullptr;
    HWND window = StartRunning(quillox);
    ASSERT_NE(window, nullptr);

    ASSERT_TRUE(PostClose(window));
    HWND question = WaitForMessageBox(quillox->Pid());
    ASSERT_NE(question, nullptr) << "closing asked nothing";
    EXPECT_EQ(MessageBoxText(question), kCloseQuestion);
    ASSERT_TRUE(AnswerMessageBox(question, IDNO));
    EXPECT_FALSE(quillox->WaitForExit(kQuietPeriod).has_value()) << "No ended the program";
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(FindTopWindow(kMainWindowClass, kRunningCaption), window);

    // Asked again on the next close: the No is not remembered as a refusal for good.
    ASSERT_TRUE(PostClose(window));
    question = WaitForMessageBox(quillox->Pid());
    ASSERT_NE(question, nullptr) << "the second close asked nothing";
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    const auto exitCode = quillox->WaitForExit(kDefaultTimeout);
    ASSERT_TRUE(exitCode.has_value()) << "Yes did not end the program";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(MainWindowCount(), 0u);
}

TEST_F(ShutdownTest, Close_WhileShown_AsksTooAndYesEnds) {
    MarkAsLaunchedBefore();
    AppProcess& quillox = StartQuillox("-showonstartup");
    HWND window = WaitForRunningWindow(quillox);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsShownOnScreen(window); }));

    ASSERT_TRUE(PostClose(window));
    HWND question = WaitForMessageBox(quillox.Pid());
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageBoxText(question), kCloseQuestion);
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    EXPECT_TRUE(quillox.WaitForExit(kDefaultTimeout).has_value());
}

TEST_F(ShutdownTest, QueryEndSession_AnswersYes_ThenCloseEndsWithoutAsking) {
    AppProcess* quillox = nullptr;
    HWND window = StartRunning(quillox);
    ASSERT_NE(window, nullptr);

    const auto answer = SendQueryEndSession(window);
    ASSERT_TRUE(answer.has_value()) << "WM_QUERYENDSESSION got no answer";
    EXPECT_EQ(*answer, 1);

    ASSERT_TRUE(PostClose(window));
    HWND question = nullptr;
    WaitUntil([&] { return !quillox->IsRunning() || (question = FindMessageBox(quillox->Pid())) != nullptr; });
    if (question) {
        ADD_FAILURE() << "closing asked although the session ends: " << MessageBoxText(question);
        AnswerMessageBox(question, IDYES);
    }
    EXPECT_TRUE(quillox->WaitForExit(kDefaultTimeout).has_value()) << "the program did not end";
}

TEST_F(ShutdownTest, QueryEndSession_AloneKeepsItRunning) {
    AppProcess* quillox = nullptr;
    HWND window = StartRunning(quillox);
    ASSERT_NE(window, nullptr);

    ASSERT_EQ(SendQueryEndSession(window), std::optional<LRESULT>(1));
    // Windows may still cancel the shutdown: the answer alone must not end the program.
    EXPECT_FALSE(quillox->WaitForExit(kQuietPeriod).has_value());
    EXPECT_EQ(FindTopWindow(kMainWindowClass, kRunningCaption), window);
}

}  // namespace
}  // namespace qx
