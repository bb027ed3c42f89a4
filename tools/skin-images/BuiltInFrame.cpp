// The frame and buttons every built-in look shares: the window keeps one set of them and
// puts it back whenever a built-in look is chosen; only the list images differ per look.
//
// Layout they are made for (window coordinates): the top bar is 23 pixels high; the close
// and minimise buttons (15 x 15) sit at (8, 4) and (29, 4) on its left piece (48 wide); the
// painted input line starts at x 48 and ends where the right piece (226 wide) begins; the
// three text buttons (17 high) sit on the window background at y 24, so the list starts at
// y 41. The input's text is drawn 2 pixels below the bar's top, 18 pixels high.
#include "Elements.h"
#include "Looks.h"

namespace qx::imagegen {

namespace {

constexpr int kBarHeight = 23;
constexpr int kLeftWidth = 48;
constexpr int kRightWidth = 226;
constexpr int kSceneWidth = 420;  // any window width; the pieces are cut from one drawing
constexpr int kMiddleColumn = 200;
constexpr int kMiddleWidth = 4;
constexpr double kCornerRadius = 6;
constexpr double kWellLeft = 44;
constexpr double kWellRightInRightPiece = 27;
constexpr int kButtonSize = 15;
constexpr int kCloseLeft = 8;
constexpr int kMinimiseLeft = 29;
constexpr int kButtonTop = 4;
constexpr int kTextButtonHeight = 17;
constexpr Rgba kWindowBody = Grey(237);

const Paint& BarPaint() {
    static const Paint paint = Vertical({{0, Hex(0xFDFDFE)},
                                         {11.5, Hex(0xF1F2F4)},
                                         {11.51, Hex(0xE8EAED)},
                                         {21.5, Hex(0xE0E2E6)},
                                         {21.51, Hex(0xC9CDD3)}});
    return paint;
}

// The whole bar of a window kSceneWidth wide, with the input well, the search glyph and
// the word mark.
Canvas DrawBar() {
    Canvas bar(kSceneWidth, kBarHeight, kWindowBody);
    bar.FillRect(0, 0, kSceneWidth, kBarHeight, BarPaint());
    const double wellRight = kSceneWidth - kRightWidth + kWellRightInRightPiece;
    const Bounds wellBox = BoundsOf(kWellLeft - 1, 0, wellRight + 1, kBarHeight);
    bar.Fill(RoundedRect(kWellLeft, 1, wellRight, 22, 4), wellBox,
             Vertical({{1, Hex(0xA3AAB5)}, {22, Hex(0xBFC4CC)}}));
    bar.Fill(RoundedRect(kWellLeft + 1, 2, wellRight - 1, 21, 3), wellBox,
             Vertical({{2, Hex(0xE3E6EA)}, {4.5, Hex(0xF9FAFB)}, {8, Grey(255)}}));
    // A magnifier at the well's right end.
    const double gx = wellRight - 12;
    const Rgba glyph = Hex(0x8A93A1);
    bar.Fill(Subtract(Circle(gx, 10, 4.2), Circle(gx, 10, 2.7)), wellBox, Solid(glyph));
    bar.Fill(Stroke(gx + 3.2, 13.2, gx + 6, 16, 1.8), wellBox, Solid(glyph));
    // The word mark near the right end, engraved: a light copy one pixel lower.
    const double markHeight = 10;
    const Wordmark probe = QuilloxWordmark(0, 0, markHeight);
    const double markLeft = kSceneWidth - 16 - probe.width;
    const Bounds markBox = BoundsOf(markLeft - 2, 0, kSceneWidth, kBarHeight);
    bar.Fill(QuilloxWordmark(markLeft, 7, markHeight).shape, markBox, Solid(Grey(255, 0.9)));
    bar.Fill(QuilloxWordmark(markLeft, 6, markHeight).shape, markBox, Solid(Hex(0x9AA1AC)));
    bar.CutOutside(RoundedRect(0, 0, kSceneWidth, kBarHeight + 20, kCornerRadius), kMagenta);
    return bar;
}

Canvas RoundButton(const Canvas& bar, int left, const SphereColours& colours, const Shape* glyph,
                   Rgba glyphColour) {
    Canvas button = bar.Crop(left, kButtonTop, kButtonSize, kButtonSize);
    DrawSphere(button, 7.5, 7.5, 6, colours);
    if (glyph) button.Fill(*glyph, BoundsOf(0, 0, kButtonSize, kButtonSize), Solid(glyphColour));
    return button;
}

Canvas TextButton(int width) {
    Canvas button(width, kTextButtonHeight, kWindowBody);
    const Bounds all = BoundsOf(0, 0, width, kTextButtonHeight);
    const double h = kTextButtonHeight;
    button.Fill(RoundedRect(0, 0, width, h, h / 2), all, Vertical({{0, Hex(0xAEB4BE)}, {h, Hex(0x959CA8)}}));
    button.Fill(RoundedRect(1, 1, width - 1, h - 1, h / 2 - 1), all,
                Vertical({{1, Grey(255)}, {8, Hex(0xF5F6F8)}, {8.01, Hex(0xE9EBEF)}, {h - 1, Hex(0xF6F7F9)}}));
    return button;
}

Canvas DialogCloseButton(bool hover) {
    Canvas button(kButtonSize, kButtonSize, Grey(255));
    const Bounds all = BoundsOf(0, 0, kButtonSize, kButtonSize);
    if (hover) {
        DrawSphere(button, 7.5, 7.5, 6, SphereColours{Hex(0xB8423A), Hex(0xD9574C), Hex(0xF08A7C), 0.55});
        button.Fill(CrossGlyph(7.5, 7.5, 2.4, 1.5), all, Solid(Grey(255)));
    } else {
        button.Fill(Circle(7.5, 7.5, 6), all, Solid(Hex(0xC4C9D0)));
        button.Fill(Circle(7.5, 7.5, 5.1), all, Vertical({{2, Hex(0xF4F5F7)}, {13, Hex(0xE2E5E9)}}));
        button.Fill(CrossGlyph(7.5, 7.5, 2.4, 1.5), all, Solid(Hex(0x6E7683)));
    }
    return button;
}

// The built-in ramp for a selection mark that fades out at its right end while folders
// are browsed: white (opaque) on the left, a rounded end fading to black on the right.
Canvas FadeRamp() {
    constexpr int kWidth = 8;
    constexpr int kHeight = 19;
    Canvas ramp(kWidth, kHeight, Rgba{255, 255, 255, 0});
    ramp.Fill(Ellipse(0, kHeight / 2.0, kWidth, kHeight / 2.0 + 1), BoundsOf(0, 0, kWidth, kHeight),
              Horizontal({{0, Grey(255, 1)}, {3, Grey(255, 0.8)}, {kWidth, Grey(255, 0.15)}}));
    return ramp.AlphaAsGrey();
}

}  // namespace

ImageGroup SharedFrameImages() {
    const Canvas bar = DrawBar();
    const SphereColours close{Hex(0xB5483F), Hex(0xD8574B), Hex(0xF3998B)};
    const SphereColours minimise{Hex(0xB88A2A), Hex(0xE0A93A), Hex(0xF7D68A)};
    const Shape cross = CrossGlyph(7.5, 7.5, 2.5, 1.5);
    const Shape minus = MinusGlyph(7.5, 7.5, 3, 1.6);
    const Rgba closeGlyph = Hex(0x6A1D16, 0.85);
    const Rgba minimiseGlyph = Hex(0x6B4A08, 0.85);

    ImageGroup group{"Built-in frame and buttons (all built-in looks)", {}};
    auto add = [&](const char* name, const char* constant, const char* use, Canvas canvas) {
        group.images.push_back(SkinImage{name, constant, use, std::move(canvas)});
    };
    add("TopBarLeft", "kTopBarLeft", "top-left frame image: corner, window buttons' ground, input well start",
        bar.Crop(0, 0, kLeftWidth, kBarHeight));
    add("TopBarMiddle", "kTopBarMiddle", "input line background, stretched", bar.Crop(kMiddleColumn, 0, kMiddleWidth, kBarHeight));
    add("TopBarRight", "kTopBarRight", "top-right frame image: input well end, word mark, corner",
        bar.Crop(kSceneWidth - kRightWidth, 0, kRightWidth, kBarHeight));
    add("CloseButton", "kCloseButton", "close button", RoundButton(bar, kCloseLeft, close, nullptr, {}));
    add("CloseButtonHover", "kCloseButtonHover", "close button, mouse over",
        RoundButton(bar, kCloseLeft, close, &cross, closeGlyph));
    add("MinimiseButton", "kMinimiseButton", "minimise button", RoundButton(bar, kMinimiseLeft, minimise, nullptr, {}));
    add("MinimiseButtonHover", "kMinimiseButtonHover", "minimise button, mouse over",
        RoundButton(bar, kMinimiseLeft, minimise, &minus, minimiseGlyph));
    add("AllEntriesButton", "kAllEntriesButton", "\"all entries\" button face (caption drawn on it)", TextButton(145));
    add("OptionsButton", "kOptionsButton", "options button face", TextButton(73));
    add("InfoButton", "kInfoButton", "info button face", TextButton(73));
    add("DialogCloseButton", "kDialogCloseButton", "close button of the white dialogs", DialogCloseButton(false));
    add("DialogCloseButtonHover", "kDialogCloseButtonHover", "the same, mouse over", DialogCloseButton(true));
    add("SelectionFadeRamp", "kSelectionFadeRamp", "alpha ramp of the fading folder selection", FadeRamp());
    return group;
}

}  // namespace qx::imagegen
