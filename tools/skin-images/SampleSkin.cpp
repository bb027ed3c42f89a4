// "Slate", the sample custom skin: a dark slate window with a blue accent, a rounded
// three-piece selection, a slim translucent scroll thumb and its own button states. It shows
// every file a skin folder can hold; the window composes them as follows:
//   Hintergrund\FullBackground.bmp  the whole window (and its largest size), rounded corners
//   Hintergrund\BottomImage.bmp     drawn over the background's bottom edge at the window's
//                                   height: bottom-left corner and bottom border
//   Leiste\TranspBitmap.bmp         at the top-right corner: the input well's end and the
//                                   corner; pure green (its bottom-left pixel) is see-through
//   Scrollleiste\Resizer.bmp        at the bottom-right corner (ResizerToForm): grip and corner
#include <string>
#include <vector>

#include "Elements.h"
#include "Looks.h"
#include "SampleSkin.h"

namespace qx::imagegen {

namespace {

using namespace slate;

constexpr Rgba kBody = Hex(0x252A32);
constexpr Rgba kFieldColour = Hex(0x262B33);
constexpr Rgba kFieldLine = Hex(0x2E343D);
constexpr Rgba kAccentTop = Hex(0x5C98F0);
constexpr Rgba kAccentBottom = Hex(0x3E76D6);
constexpr Rgba kAccentLine = Hex(0x86B3F7);
constexpr Rgba kEdgeDark = Hex(0x181B20);
constexpr Rgba kTransparentKey = Hex(0x00FF00);

const Paint& BackgroundPaint() {
    static const Paint paint = Vertical({{0, Hex(0x39414D)},
                                         {kHeaderHeight - 0.5, Hex(0x2D343E)},
                                         {kHeaderHeight - 0.49, Hex(0x1A1E24)},
                                         {kHeaderHeight + 0.5, Hex(0x1A1E24)},
                                         {kHeaderHeight + 0.51, Hex(0x353C47)},
                                         {kHeaderHeight + 1.5, Hex(0x353C47)},
                                         {kHeaderHeight + 1.51, kBody}});
    return paint;
}

// The header band and body of a window `width` wide, with the input well reaching past the
// right edge (its end is drawn by the top-right piece).
Canvas DrawBackground(int width, int height, double wellRight) {
    Canvas canvas(width, height);
    canvas.FillRect(0, 0, width, height, BackgroundPaint());
    const Bounds wellBox = BoundsOf(kWellLeft - 1, kWellTop - 1, width, kWellBottom + 2);
    // A faint light line under the well makes it look set into the band.
    canvas.Fill(RoundedRect(kWellLeft, kWellTop + 1, wellRight, kWellBottom + 1, 6), wellBox, Solid(Hex(0x4A5462, 0.7)));
    canvas.Fill(RoundedRect(kWellLeft, kWellTop, wellRight, kWellBottom, 6), wellBox, Solid(kEdgeDark));
    canvas.Fill(RoundedRect(kWellLeft + 1, kWellTop + 1, wellRight - 1, kWellBottom - 1, 5), wellBox,
                Vertical({{kWellTop + 1, Hex(0x1C2026)}, {kWellTop + 4, Hex(0x20252C)}, {kWellBottom, Hex(0x242A32)}}));
    // A light rim along the top edge, following the corners.
    const Shape outer = RoundedRect(0, 0, width, height + 40, kCornerRadius);
    const Shape inner = RoundedRect(1, 1, width - 1, height + 40, kCornerRadius - 1);
    canvas.Fill(Subtract(outer, inner), BoundsOf(0, 0, width, 12),
                Vertical({{0, Hex(0x5A6576)}, {kCornerRadius, Hex(0x5A6576, 0.4)}, {12, Hex(0x5A6576, 0)}}));
    return canvas;
}

Canvas FullBackground() {
    Canvas canvas = DrawBackground(kBackgroundWidth, kBackgroundHeight, kBackgroundWidth + 20);
    canvas.CutOutside(RoundedRect(0, 0, kBackgroundWidth, kBackgroundHeight, kCornerRadius), kMagenta);
    return canvas;
}

const Paint& BottomPaint() {
    static const Paint paint =
        Vertical({{0, kBody}, {kBottomHeight - 2, Hex(0x21252C)}, {kBottomHeight - 0.5, Hex(0x1B1F25)}});
    return paint;
}

Canvas BottomImage() {
    Canvas canvas(kBackgroundWidth, kBottomHeight);
    canvas.FillRect(0, 0, kBackgroundWidth, kBottomHeight, BottomPaint());
    canvas.CutOutside(RoundedRect(0, -40, kBackgroundWidth, kBottomHeight, kCornerRadius), kMagenta);
    return canvas;
}

// The top-right piece: see-through (green) left of the input line's end, then the well's
// rounded end, the band and the rounded corner. Cut from the right end of a wider band.
Canvas TopRightPiece() {
    constexpr int kSpan = 200;
    const int width = kSpan + kTopRightWidth;
    Canvas canvas = DrawBackground(width, kTopRightHeight, width - kWellRightGap)
                        .Crop(kSpan, 0, kTopRightWidth, kTopRightHeight);
    const int seeThrough = kTopRightWidth - kEditRight;
    canvas.FillRect(0, 0, seeThrough, kTopRightHeight, Solid(kTransparentKey));
    canvas.CutOutside(RoundedRect(-40, 0, kTopRightWidth, kTopRightHeight + 40, kCornerRadius), kMagenta);
    return canvas;
}

// The separate grip at the bottom-right corner: dots over the body and the bottom border.
Canvas Resizer() {
    Canvas canvas(kResizerSize, kResizerSize, kBody);
    const int bottomStart = kResizerSize - kBottomHeight;
    canvas.FillRect(0, bottomStart, kResizerSize, kBottomHeight,
                    [](double x, double y) { return BottomPaint()(x, y - (kResizerSize - kBottomHeight)); });
    const Bounds all = BoundsOf(0, 0, kResizerSize, kResizerSize);
    const std::pair<double, double> dots[] = {{10, 4}, {7, 7}, {10, 7}, {4, 10}, {7, 10}, {10, 10}};
    for (const auto& [x, y] : dots) {
        canvas.Fill(Circle(x + 0.5, y + 1.5, 1.05), all, Solid(Hex(0x14171B, 0.8)));
        canvas.Fill(Circle(x, y + 1, 1.05), all, Solid(Hex(0x6F7C8E)));
    }
    canvas.CutOutside(RoundedRect(-40, -40, kResizerSize, kResizerSize, kCornerRadius), kMagenta);
    return canvas;
}

enum class ButtonState { Normal, Hover, Down };

Canvas TextButton(const Canvas& background, int left, int width, ButtonState state) {
    Canvas button = background.Crop(left, kButtonsTop, width, kTextButtonHeight);
    const double h = kTextButtonHeight;
    const Bounds all = BoundsOf(0, 0, width, h);
    const Rgba rim = state == ButtonState::Hover ? Hex(0x4C7FCF) : kEdgeDark;
    button.Fill(RoundedRect(0, 0, width, h, 5), all, Solid(rim));
    Paint face;
    switch (state) {
        case ButtonState::Normal: face = Vertical({{1, Hex(0x4A5463)}, {h - 1, Hex(0x3B434F)}}); break;
        case ButtonState::Hover: face = Vertical({{1, Hex(0x56627A)}, {h - 1, Hex(0x434D5E)}}); break;
        case ButtonState::Down: face = Vertical({{1, Hex(0x2A3038)}, {h - 1, Hex(0x333A44)}}); break;
    }
    button.Fill(RoundedRect(1, 1, width - 1, h - 1, 4), all, face);
    if (state != ButtonState::Down) {
        button.Fill(Stroke(4, 1.5, width - 4, 1.5, 1), all, Solid(Grey(255, 0.14)));
    }
    return button;
}

Canvas RoundButton(const Canvas& background, int left, int top, bool close, ButtonState state) {
    Canvas button = background.Crop(left, top, kRoundButtonSize, kRoundButtonSize);
    const Bounds all = BoundsOf(0, 0, kRoundButtonSize, kRoundButtonSize);
    const double c = kRoundButtonSize / 2.0;
    Rgba fill = Hex(0x4A5463);
    Rgba glyph = Hex(0x9AA6B6);
    if (state != ButtonState::Normal) {
        fill = close ? Hex(0xE0574F) : Hex(0x4F8CE6);
        if (state == ButtonState::Down) fill = Scale(fill, 0.78);
        glyph = Grey(255);
    }
    button.Fill(Circle(c, c, 6.5), all, Solid(kEdgeDark));
    button.Fill(Circle(c, c, 5.6), all, Solid(fill));
    button.Fill(close ? CrossGlyph(c, c, 2.2, 1.4) : MinusGlyph(c, c, 2.8, 1.5), all, Solid(glyph));
    return button;
}

// Row images for one icon size: field, the selection's middle and its two rounded ends.
struct RowSet {
    Canvas field;
    Canvas mark;       // opaque middle, stretched between the ends
    Canvas markAlpha;  // the middle's own shape, for drawing it unstretched
    Canvas left;
    Canvas leftAlpha;
    Canvas right;
    Canvas rightAlpha;
};

RowSet Rows(int rowHeight) {
    const double radius = rowHeight <= 19 ? 5 : rowHeight <= 35 ? 7 : 9;
    const int capWidth = static_cast<int>(radius) + 2;
    constexpr int kMiddleWidth = 4;
    RowSet set;
    set.field = Canvas(8, rowHeight, kFieldColour);
    set.field.FillRect(0, rowHeight - 1, 8, 1, Solid(kFieldLine));

    // The whole selection once, on a transparent canvas; the pieces are cut from it.
    const int width = capWidth * 2 + kMiddleWidth;
    const double h = rowHeight;
    Canvas pill(width, rowHeight, WithAlpha(kAccentBottom, 0));
    const Bounds all = BoundsOf(0, 0, width, h);
    pill.Fill(RoundedRect(1, 1, width - 1, h - 1, radius), all,
              Vertical({{1, kAccentTop}, {h - 1, kAccentBottom}}));
    pill.Fill(Intersect(RoundedRect(1, 1, width - 1, h - 1, radius), [](double, double y) { return y < 2; }), all,
              Solid(kAccentLine));
    Canvas onField = set.field.Stretched(width, rowHeight);
    onField.Draw(pill, 0, 0);

    set.mark = onField.Crop(capWidth, 0, kMiddleWidth, rowHeight).Opaque();
    set.markAlpha = pill.Crop(capWidth, 0, kMiddleWidth, rowHeight).AlphaAsGrey();
    const Canvas leftCap = pill.Crop(0, 0, capWidth, rowHeight);
    const Canvas rightCap = pill.Crop(capWidth + kMiddleWidth, 0, capWidth, rowHeight);
    set.left = leftCap.Opaque();
    set.leftAlpha = leftCap.AlphaAsGrey();
    set.right = rightCap.Opaque();
    set.rightAlpha = rightCap.AlphaAsGrey();
    return set;
}

// Arrows for one icon size: a chevron for folders, a small triangle for files with a target,
// each on a dark shadow so they stand out on rows and on the selection alike.
Canvas FolderArrow(int size) {
    const double s = size;
    return HaloGlyph(size, size, Chevron(s * 0.38, s * 0.24, s * 0.64, s * 0.76, s * 0.14), Hex(0xC3CEDD),
                     Chevron(s * 0.38, s * 0.24, s * 0.64, s * 0.76, s * 0.14 + 2.2), Hex(0x12151A, 0.55));
}

Canvas FileArrow(int size) {
    const double s = size;
    return HaloGlyph(size, size, Triangle(s * 0.42, s * 0.32, s * 0.66, s * 0.68), Hex(0x8391A6),
                     Triangle(s * 0.42, s * 0.32, s * 0.66, s * 0.68, 1.1), Hex(0x12151A, 0.55));
}

// The scroll thumb, a slim rounded bar, slightly see-through so rows show faintly beneath.
Canvas Thumb() {
    constexpr int kHeight = 48;
    Canvas thumb(kScrollWidth, kHeight, WithAlpha(Hex(0x6A7689), 0));
    thumb.Fill(RoundedRect(2, 1, kScrollWidth - 2, kHeight - 1, 3), BoundsOf(0, 0, kScrollWidth, kHeight),
               Horizontal({{2, Hex(0x7D8A9D, 0.85)}, {kScrollWidth - 2, Hex(0x667284, 0.85)}}));
    return thumb;
}

}  // namespace

ImageGroup SampleSkinImages() {
    ImageGroup group{std::string("Sample skin: Skins\\") + kSampleSkinName + "\\", {}};
    auto add = [&](std::string name, std::string use, Canvas canvas) {
        group.images.push_back(SkinImage{std::move(name), "", std::move(use), std::move(canvas)});
    };
    const Canvas background = FullBackground();
    add("Hintergrund/FullBackground", "the whole window; its size is the largest window", background);
    add("Hintergrund/BottomImage", "drawn at the window's bottom edge", BottomImage());
    add("Leiste/TranspBitmap", "top-right corner; green is see-through", TopRightPiece());
    const Canvas thumb = Thumb();
    add("Scrollleiste/Balken", "scroll thumb", thumb.Opaque());
    add("Scrollleiste/Balken_alpha", "its alpha mask", thumb.AlphaAsGrey());
    Canvas track(kScrollWidth, 8);
    track.FillRect(0, 0, kScrollWidth, 8, Horizontal({{0, Hex(0x21252C)}, {kScrollWidth, Hex(0x23282F)}}));
    add("Scrollleiste/Hintergrund", "scroll track, stretched", track);
    add("Scrollleiste/Resizer", "resize grip at the window's corner", Resizer());
    const int sizes[] = {16, 32, 48};
    std::vector<RowSet> rowSets;
    for (const int size : sizes) rowSets.push_back(Rows(size + 3));  // row height for the icon size
    for (size_t i = 0; i < rowSets.size(); ++i) {
        add("Zeilen/Felder/Feld_" + std::to_string(sizes[i]), "row field", rowSets[i].field);
    }
    for (size_t i = 0; i < rowSets.size(); ++i) {
        const RowSet& rows = rowSets[i];
        const std::string base = "Zeilen/Markierung/Markierung_";
        const std::string s = std::to_string(sizes[i]);
        add(base + s, "selection middle", rows.mark);
        add(base + s + "_alpha", "its alpha mask", rows.markAlpha);
        add(base + "li_" + s, "selection left end", rows.left);
        add(base + "li_" + s + "_alpha", "its alpha mask", rows.leftAlpha);
        add(base + "re_" + s, "selection right end", rows.right);
        add(base + "re_" + s + "_alpha", "its alpha mask", rows.rightAlpha);
    }
    for (const char* prefix : {"Dir_", "Fl_", ""}) {
        const bool file = prefix[0] == 'F';
        const char* use = file ? "file arrow" : prefix[0] ? "folder arrow" : "arrow when one serves both";
        for (const int size : {16, 32}) {
            const Canvas arrow = file ? FileArrow(size == 16 ? 14 : 20) : FolderArrow(size == 16 ? 14 : 20);
            const std::string base = std::string("Pfeile/") + prefix + std::to_string(size);
            add(base, use, arrow.Opaque());
            add(base + " Alpha", "its alpha mask", arrow.AlphaAsGrey());
        }
    }
    struct TextButtonFile {
        const char* name;
        int left;
        int width;
    };
    for (const TextButtonFile& b : {TextButtonFile{"AlleAnzeigen", kAllEntriesLeft, kAllEntriesWidth},
                                    TextButtonFile{"Optionen", kOptionsLeft, kOptionsWidth},
                                    TextButtonFile{"Info", kHelpLeft, kHelpWidth}}) {
        const std::string base = std::string("Buttons/") + b.name;
        add(base, "button face", TextButton(background, b.left, b.width, ButtonState::Normal));
        add(base + "_hov", "mouse over", TextButton(background, b.left, b.width, ButtonState::Hover));
        add(base + "_dow", "pressed", TextButton(background, b.left, b.width, ButtonState::Down));
    }
    add("Buttons/Schliessen", "close button", RoundButton(background, kCloseLeft, kCloseTop, true, ButtonState::Normal));
    add("Buttons/Schliessen X", "mouse over", RoundButton(background, kCloseLeft, kCloseTop, true, ButtonState::Hover));
    add("Buttons/Schliessen dow", "pressed", RoundButton(background, kCloseLeft, kCloseTop, true, ButtonState::Down));
    add("Buttons/Minimieren", "minimise button", RoundButton(background, kMinLeft, kMinTop, false, ButtonState::Normal));
    add("Buttons/Minimieren -", "mouse over", RoundButton(background, kMinLeft, kMinTop, false, ButtonState::Hover));
    add("Buttons/Minimieren dow", "pressed", RoundButton(background, kMinLeft, kMinTop, false, ButtonState::Down));
    return group;
}

}  // namespace qx::imagegen
