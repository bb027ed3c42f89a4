#include "dialogs/win32/EditEntryDialog.h"

#include <gtest/gtest.h>

#include "store/EntryLine.h"
#include "win32/DialogAnswerer.h"

namespace qx {
namespace {

struct Look {
    bool extendedShown = false, basicDisabled = false, framed = false, backRestores = false, versionHidden = false;
    POINT extendedOffset{};
    std::string name, iconIndex;
};

// The panels, the kind boxes and OK as a user meets them: the extended panel lies framed 8,8
// over the disabled basic one; ticking the URL box clears the removable-drive box.
TEST(EditEntryDialogTest, PanelsAndKindBoxesWorkAndOkHandsOverTheEditedEntry) {
    EditEntryModel model;
    std::string saved;
    model.SetHooks({[&](std::unique_ptr<Entry> entry) {
                        saved = FormatEntryLine(*entry);
                        return true;
                    },
                    nullptr, nullptr, nullptr});
    model.Open(*ParseEntryLine("Share (NoDelete)|\\\\srv\\x|||||42||||||502"), true, false);
    Look look;
    test::DialogAnswerer answerer("#32770", "Eintrag bearbeiten", IDOK, [&](HWND dialog) {
        HWND basic = ::FindWindowExA(dialog, nullptr, "QxEditEntryPanel", nullptr);
        HWND extended = ::FindWindowExA(dialog, basic, "QxEditEntryPanel", nullptr);
        const auto click = [](HWND panel, const char* caption) {
            ::SendMessageA(::FindWindowExA(panel, nullptr, "Button", caption), BM_CLICK, 0, 0);
        };
        look.name = test::WindowCaption(::FindWindowExA(basic, nullptr, "Edit", nullptr));
        click(basic, "erweitert >>");
        RECT basicRect{}, extendedRect{};
        ::GetWindowRect(basic, &basicRect);
        ::GetWindowRect(extended, &extendedRect);
        look.extendedOffset = {extendedRect.left - basicRect.left, extendedRect.top - basicRect.top};
        look.extendedShown = ::IsWindowVisible(extended);
        look.basicDisabled = !::IsWindowEnabled(basic);
        look.framed = (::GetWindowLongA(extended, GWL_STYLE) & WS_BORDER) != 0;
        look.versionHidden = !::IsWindowVisible(::FindWindowExA(extended, nullptr, "ComboBox", nullptr));
        look.iconIndex = test::WindowCaption(::GetWindow(::FindWindowExA(extended, nullptr, "msctls_updown32", nullptr),
                                                      GW_HWNDPREV));
        click(extended, "<< zur\xFC" "ck");
        look.backRestores = !::IsWindowVisible(extended) && ::IsWindowEnabled(basic);
        click(basic, "Eintrag ist eine URL");
    });
    EditEntryDialog dialog;
    dialog.Show(nullptr, model, 0);
    ASSERT_TRUE(answerer.Found());
    EXPECT_EQ(look.name, "Share");
    EXPECT_EQ(look.extendedOffset.x * 100 + look.extendedOffset.y, 808);
    EXPECT_TRUE(look.extendedShown && look.basicDisabled && look.framed && look.backRestores && look.versionHidden);
    EXPECT_EQ(look.iconIndex, "42");
    EXPECT_EQ(saved, "url: Share|\\\\srv\\x|||||42||||||0");
    EXPECT_FALSE(model.isOpen());
}

}  // namespace
}  // namespace qx
