#include "skin/FrameLayout.h"

#include <algorithm>

namespace qx {

namespace {

constexpr int kBuiltInInputHeight = 20;
// The narrowest window the three text buttons fit into.
constexpr int kMinWindowWidth = 311;

ImageSize SizeOf(const SkinImage& image, ImageSize otherwise = {}) {
    return image ? ImageSize{image->width, image->height} : otherwise;
}

}  // namespace

FrameLayout LayoutFrame(const SkinLook& look, int windowWidth) {
    const SkinProperties& p = look.properties;
    const SkinPositions& at = p.positions;
    FrameLayout layout;
    auto& b = layout.buttons;
    const auto place = [&b](WindowButton button, int x, int y) { b[static_cast<std::size_t>(button)] = {x, y}; };
    layout.listLeft = p.listLeft;
    int inputLeft = 0;
    if (p.customObjectPositions) {
        place(WindowButton::Close, at.closeButtonLeft, at.closeButtonTop);
        place(WindowButton::Minimise, at.minimiseButtonLeft, at.minimiseButtonTop);
        place(WindowButton::AllEntries, at.allEntriesLeft, at.allEntriesTop);
        place(WindowButton::Options, at.optionsLeft, at.optionsTop);
        place(WindowButton::Info, at.infoLeft, at.infoTop);
        inputLeft = at.inputLeft;
        layout.edit = Rect{inputLeft, at.inputTop + 2, inputLeft, at.inputTop + 2 + at.inputHeight};
        layout.inputLine = Rect{inputLeft, at.inputTop, inputLeft, at.inputTop + at.inputHeight};
        layout.listTop = at.listTop;
    } else {
        // The frame's top-left image sets the input line's left and the text buttons' row.
        const ImageSize frame = SizeOf(look.topLeft, ImageSize{48, 23});
        const ImageSize allEntries = SizeOf(ButtonOf(look, WindowButton::AllEntries).draw, ImageSize{145, 17});
        const ImageSize options = SizeOf(ButtonOf(look, WindowButton::Options).draw, ImageSize{73, 17});
        const int row = frame.height + 1;
        place(WindowButton::Close, 8, 4);
        place(WindowButton::Minimise, 29, 4);
        place(WindowButton::AllEntries, p.listLeft + 4, row);
        place(WindowButton::Options, p.listLeft + 4 + allEntries.width + 6, row);
        place(WindowButton::Info, p.listLeft + 4 + allEntries.width + 6 + options.width + 6, row);
        inputLeft = frame.width;
        layout.edit = Rect{inputLeft, 2, inputLeft, 2 + kBuiltInInputHeight};
        layout.inputLine = Rect{inputLeft, 0, inputLeft, frame.height};
        layout.listTop = row + allEntries.height;
    }
    const int width = std::max(0, InputLineWidth(look, windowWidth, inputLeft));
    layout.edit.right = layout.inputLine.right = inputLeft + width;
    layout.inputFontHeight = std::max(1, layout.edit.Height() - 2);
    return layout;
}

int InputLineWidth(const SkinLook& look, int windowWidth, int inputLeft) {
    const SkinProperties& p = look.properties;
    if (p.customObjectPositions) return windowWidth - (p.positions.inputRightGap + inputLeft);
    const int topRight = look.topRightVisible ? SizeOf(look.topRight).width : 0;
    return windowWidth - (topRight + inputLeft) + 1;
}

ImageSize WindowSizeAround(const SkinLook& look, int listWidth, int listHeight) {
    const SkinProperties& p = look.properties;
    return ImageSize{p.listLeft + p.listRight + listWidth, listHeight + LayoutFrame(look, 0).listTop + p.listBottom};
}

ListSizeLimits ListLimitsFor(const SkinLook& look) {
    const SkinProperties& p = look.properties;
    ListSizeLimits limits;
    const ImageSize background = SizeOf(look.background);
    if (p.hasBackBitmap && !background.Empty()) {
        limits.maxWidth = std::max(1, background.width - p.listLeft - p.listRight);
        limits.maxHeight = std::max(1, background.height - LayoutFrame(look, 0).listTop - p.listBottom);
        if (p.hideResizer) {
            limits.minWidth = limits.maxWidth;
            limits.minHeight = limits.maxHeight;
            return limits;
        }
    }
    limits.minWidth = std::max(1, kMinWindowWidth - p.listRight - p.listLeft);
    limits.minHeight = 1;
    if (limits.maxWidth > 0) limits.minWidth = std::min(limits.minWidth, limits.maxWidth);
    return limits;
}

FramePoint CentreOnScreen(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return FramePoint{screenWidth / 2 - windowWidth / 2, screenHeight / 2 - windowHeight / 2};
}

FramePoint CentreOver(const Rect& owner, int width, int height) {
    return FramePoint{owner.left + (owner.Width() - width) / 2, owner.top + (owner.Height() - height) / 2};
}

}  // namespace qx
