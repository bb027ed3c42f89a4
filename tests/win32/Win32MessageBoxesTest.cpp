#include "platform/win32/Win32MessageBoxes.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/win32/UniqueHandle.h"
#include "win32/DialogAnswerer.h"

namespace qx {
namespace {

using test::DialogAnswerer;

class Win32MessageBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(::CreateWindowExA(0, "STATIC", "Quillox owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr));
        if (!owner_) GTEST_SKIP() << "no window station; run with an X display";
        boxes.SetOwner(owner_.get());
    }
    // Presses button in the next box and notes in seen what it looked like: "caption|text|buttons".
    std::unique_ptr<DialogAnswerer> Answer(int button) {
        return std::make_unique<DialogAnswerer>("#32770", Win32MessageBoxes::kCaption, button, [this](HWND box) {
            seen = test::WindowCaption(box) + "|" + test::MessageBoxText(box) + "|";
            const std::pair<int, const char*> buttons[] = {{IDOK, "OK"}, {IDYES, "Yes"}, {IDNO, "No"}};
            for (const auto& [id, name] : buttons)
                if (::GetDlgItem(box, id)) seen += name;
            seenOwner = ::GetWindow(box, GW_OWNER);
        });
    }

    UniqueHwnd owner_;
    Win32MessageBoxes boxes;
    std::string seen;
    HWND seenOwner = nullptr;
};

TEST_F(Win32MessageBoxesTest, AskQuestion_TrueOnlyForYes) {
    auto yes = Answer(IDYES);
    EXPECT_TRUE(boxes.AskQuestion("Delete the entry?\rIt cannot be restored."));
    ASSERT_TRUE(yes->Found());
    EXPECT_EQ(seen, "Quillox|Delete the entry?\rIt cannot be restored.|YesNo");
    EXPECT_EQ(seenOwner, owner_.get());
    auto no = Answer(IDNO);
    EXPECT_FALSE(boxes.AskQuestion("Again?"));
    EXPECT_TRUE(no->Found());
}

TEST_F(Win32MessageBoxesTest, ShowMessageAndShowErrorOfferOnlyOk) {
    for (auto show : {&Win32MessageBoxes::ShowMessage, &Win32MessageBoxes::ShowError}) {
        auto ok = Answer(IDOK);
        (boxes.*show)("Z\xE4hler gespeichert.");
        ASSERT_TRUE(ok->Found());
        EXPECT_EQ(seen, "Quillox|Z\xE4hler gespeichert.|OK");
    }
}

}  // namespace
}  // namespace qx
