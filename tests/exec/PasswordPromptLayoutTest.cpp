#include "exec/PasswordPromptLayout.h"

#include <gtest/gtest.h>

namespace qx {
namespace {

TEST(PasswordPromptLayoutTest, DialogUnitsFromTheMeasuredLetters) {
    const DialogUnits units = DialogUnits::FromLetters(311, 13);  // 5.98 -> 5
    EXPECT_EQ(units.averageCharWidth, 5);
    EXPECT_EQ(units.X(38), 48);  // 47.5 rounds up
    EXPECT_EQ(units.Y(14), 23);  // 22.75
}

TEST(PasswordPromptLayoutTest, PlacesEveryElementAndAWrappedLabelPushesEverythingDown) {
    const DialogUnits units{6, 16};
    const PasswordPromptLayout layout = LayOutPasswordPrompt(units, 150, 16);
    EXPECT_EQ(layout.clientWidth, 270);
    EXPECT_EQ(layout.label, (PixelRect{12, 16, 150, 16}));
    EXPECT_EQ(layout.field, (PixelRect{12, 37, 246, 24}));
    EXPECT_EQ(layout.okButton, (PixelRect{57, 76, 75, 28}));
    EXPECT_EQ(layout.cancelButton, (PixelRect{138, 76, 75, 28}));
    EXPECT_EQ(layout.clientHeight, 117);

    EXPECT_EQ(PasswordPromptLabelMaxWidth(units), 246);
    const PasswordPromptLayout wrapped = LayOutPasswordPrompt(units, 400, 48);
    EXPECT_EQ(wrapped.label, (PixelRect{12, 16, 246, 48}));
    EXPECT_EQ(wrapped.okButton.top, 16 + 48 + 5 + 24 + 15);
    EXPECT_EQ(wrapped.clientHeight, 117 + 32);
    EXPECT_EQ(LayOutPasswordPrompt(units, -3, -1).label, (PixelRect{12, 16, 0, 0}));
}

}  // namespace
}  // namespace qx
