#include "controls/win32/ListBoxWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/FakeClock.h"
#include "win32/DialogAnswerer.h"

namespace qx {
namespace {

HWND FindEditChild(HWND list) { return ::FindWindowExA(list, nullptr, "EDIT", nullptr); }

class ListWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent_.reset(::CreateWindowExA(0, "STATIC", "list test", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                        nullptr, ::GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(parent_);
        ASSERT_TRUE(list_.Create(parent_.get(), 7, 0, 0, 200, 100));
        for (int i = 0; i < 10; ++i) list_.Model().Items().Add(std::string("r").append(std::to_string(i)));
    }
    void Click(int x, int y, WPARAM keys = 0) {
        ::SendMessageA(list_.Handle(), WM_LBUTTONDOWN, keys | MK_LBUTTON, MAKELPARAM(x, y));
        ::SendMessageA(list_.Handle(), WM_LBUTTONUP, keys, MAKELPARAM(x, y));
    }

    test::FakeClock clock_;
    UniqueHwnd parent_;  // declared first: destroyed after the list object let go of its window
    ListBoxWindow list_{::GetModuleHandleA(nullptr), clock_};
};

TEST_F(ListWindowTest, ClicksSelectAndTheModelKnowsTheClientSize) {
    EXPECT_EQ(list_.Model().Width(), 200);
    EXPECT_EQ(list_.Model().Height(), 100);
    EXPECT_EQ(::GetDlgCtrlID(list_.Handle()), 7);
    Click(50, 30);  // 19-pixel rows: row 1
    EXPECT_EQ(list_.Selected(), 1);
    list_.Model().Multiselect = true;
    Click(50, 70, MK_SHIFT);
    EXPECT_EQ(list_.Model().MarkedIndices(), (std::vector<int>{1, 2, 3}));
    int middleClicks = 0;
    list_.Model().OnMiddleClick = [&] { ++middleClicks; };
    ::SendMessageA(list_.Handle(), WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(50, 10));
    ::SendMessageA(list_.Handle(), WM_MBUTTONUP, 0, MAKELPARAM(50, 10));
    EXPECT_EQ(list_.Selected(), 0);  // the row under it, then the owner's go-into
    EXPECT_EQ(middleClicks, 1);
    ::MoveWindow(list_.Handle(), 0, 0, 150, 60, TRUE);
    EXPECT_EQ(list_.Model().Width(), 150);
    EXPECT_EQ(list_.Model().VisibleRows(), 3);
    ::SendMessageA(list_.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), MAKELPARAM(10, 10));
    EXPECT_EQ(list_.Model().TopIndex(), 4);
}

TEST_F(ListWindowTest, PaintsTheBackgroundThenTheRowsIntoTheOffScreenCanvas) {
    std::vector<int> drawn;
    bool hadCanvas = true;
    list_.SetDrawItem([&](HDC canvas, int index, const Rect&, const RowState&) {
        hadCanvas = hadCanvas && canvas != nullptr;
        drawn.push_back(index);
    });
    list_.Invalidate();
    ::UpdateWindow(list_.Handle());
    EXPECT_EQ(drawn, (std::vector<int>{-1, 0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(hadCanvas);
    // Built-in drawing for the other styles.
    drawn.clear();
    list_.Model().DrawStyle = 0;
    list_.Invalidate();
    ::UpdateWindow(list_.Handle());
    EXPECT_TRUE(drawn.empty());
}

TEST_F(ListWindowTest, EditFieldCommitsOnEnterAndCancelsOnEscape) {
    std::vector<std::string> commits;
    list_.Model().OnEditCommit = [&](int row, const std::string& text, bool) {
        commits.push_back(std::to_string(row).append(":").append(text));
    };
    list_.Model().BeginEdit(2);
    const HWND edit = FindEditChild(list_.Handle());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(::IsWindowVisible(edit));
    EXPECT_EQ(test::WindowCaption(edit), "r2");
    ::SetWindowTextA(edit, "renamed");
    EXPECT_EQ(list_.Model().EditText(), "renamed");
    ::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(commits, std::vector<std::string>{"2:renamed"});
    EXPECT_FALSE(::IsWindowVisible(edit));
    EXPECT_FALSE(list_.Model().SelectionLocked());

    list_.Model().BeginEdit(3, "x");
    EXPECT_EQ(FindEditChild(list_.Handle()), edit);  // made once, reused
    EXPECT_EQ(test::WindowCaption(edit), "x");
    ::SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(list_.Model().Editing());
    EXPECT_EQ(commits.size(), 1u);
}

TEST_F(ListWindowTest, NoExceptionLeavesTheWindowProcedure) {
    list_.Model().OnClick = [] { throw std::runtime_error("owner failed"); };
    Click(50, 10);
    EXPECT_EQ(list_.Selected(), 0);
    HWND handle = nullptr;
    {
        ListBoxWindow other(::GetModuleHandleA(nullptr), clock_);
        ASSERT_TRUE(other.Create(parent_.get(), 8, 0, 100, 50, 50));
        handle = other.Handle();
        EXPECT_TRUE(::IsWindow(handle));
    }
    EXPECT_FALSE(::IsWindow(handle));
}

}  // namespace
}  // namespace qx
