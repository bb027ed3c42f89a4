#include "platform/win32/Win32MessageBoxes.h"

#include <gtest/gtest.h>

#include "platform/win32/UniqueHandle.h"
#include "win32/DialogAnswerer.h"

namespace qx {
namespace {

using test::DialogAnswerer;

// What the box looked like when it appeared.
struct SeenBox {
    std::string caption, text;
    HWND owner = nullptr;
    bool hasOk = false, hasYes = false, hasNo = false;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
    char className[32] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (::lstrcmpiA(className, "Static") == 0 && !test::WindowText(child).empty())
        *reinterpret_cast<std::string*>(param) = test::WindowText(child);
    return TRUE;
}

class Win32MessageBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(::CreateWindowExA(0, "STATIC", "Quillox owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr));
        if (!owner_) GTEST_SKIP() << "no window station; run with an X display";
        boxes.SetOwner(owner_.get());
    }
    // Presses button in the next box and records it in seen.
    std::unique_ptr<DialogAnswerer> Answer(int button) {
        return std::make_unique<DialogAnswerer>("#32770", Win32MessageBoxes::kCaption, button, [this](HWND box) {
            seen.caption = test::WindowText(box);
            ::EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen.text));
            seen.owner = ::GetWindow(box, GW_OWNER);
            seen.hasOk = ::GetDlgItem(box, IDOK) != nullptr;
            seen.hasYes = ::GetDlgItem(box, IDYES) != nullptr;
            seen.hasNo = ::GetDlgItem(box, IDNO) != nullptr;
        });
    }

    UniqueHwnd owner_;
    Win32MessageBoxes boxes;
    SeenBox seen;
};

TEST_F(Win32MessageBoxesTest, AskQuestion_TrueOnlyForYes) {
    auto yes = Answer(IDYES);
    EXPECT_TRUE(boxes.AskQuestion("Delete the entry?\rIt cannot be restored."));
    ASSERT_TRUE(yes->Found());
    EXPECT_EQ(seen.caption, "Quillox");
    EXPECT_EQ(seen.text, "Delete the entry?\rIt cannot be restored.");
    EXPECT_EQ(seen.owner, owner_.get());
    EXPECT_TRUE(seen.hasYes && seen.hasNo);
    auto no = Answer(IDNO);
    EXPECT_FALSE(boxes.AskQuestion("Again?"));
    EXPECT_TRUE(no->Found());
}

TEST_F(Win32MessageBoxesTest, ShowMessageAndShowErrorOfferOnlyOk) {
    auto ok = Answer(IDOK);
    boxes.ShowMessage("Z\xE4hler gespeichert.");
    ASSERT_TRUE(ok->Found());
    EXPECT_EQ(seen.text, "Z\xE4hler gespeichert.");
    EXPECT_TRUE(seen.hasOk && !seen.hasYes);
    auto errorOk = Answer(IDOK);
    boxes.ShowError("Access is denied.");
    ASSERT_TRUE(errorOk->Found());
    EXPECT_EQ(seen.caption, "Quillox");
    EXPECT_EQ(seen.text, "Access is denied.");
    EXPECT_FALSE(seen.hasNo);
}

}  // namespace
}  // namespace qx
