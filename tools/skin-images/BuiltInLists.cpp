// The list images of the built-in looks, and the row arrows they share.
//
// Field and mark images are stretched over whole rows (19 pixels high for small icons, 35
// for large ones), so every column of them is the same and only the rows vary. The scroll
// track is stretched over the list's height, so its rows are all alike. Thumbs and grips are
// drawn as they are, opaque, over the track: their corners carry the track's colours.
#include "Elements.h"
#include "Looks.h"

namespace qx::imagegen {

namespace {

constexpr int kRowImageHeight = 17;
constexpr int kScrollWidth = 16;
constexpr int kGripSize = 11;
constexpr int kArrowSize = 16;

// An image whose rows are given top to bottom; every column alike.
Canvas Rows(int width, const std::vector<Rgba>& rows) {
    Canvas canvas(width, static_cast<int>(rows.size()));
    for (int y = 0; y < canvas.Height(); ++y) canvas.FillRect(0, y, width, 1, Solid(rows[y]));
    return canvas;
}

// Rows of a mark: a top line, a body running from `from` to `to` (optionally split in two
// halves for a glossy look), and a bottom line.
std::vector<Rgba> MarkRows(Rgba topLine, Rgba from, Rgba middleUpper, Rgba middleLower, Rgba to, Rgba bottomLine,
                           bool glossy) {
    std::vector<Rgba> rows{topLine};
    const int body = kRowImageHeight - 2;
    const int upper = body / 2;
    for (int i = 0; i < body; ++i) {
        if (!glossy) {
            rows.push_back(Mix(from, to, i / double(body - 1)));
        } else if (i < upper) {
            rows.push_back(Mix(from, middleUpper, i / double(upper - 1)));
        } else {
            rows.push_back(Mix(middleLower, to, (i - upper) / double(body - upper - 1)));
        }
    }
    rows.push_back(bottomLine);
    return rows;
}

// A track: the same row repeated; `column` gives each column's colour.
Canvas Track(int height, const Paint& column) {
    Canvas track(kScrollWidth, height);
    track.FillRect(0, 0, kScrollWidth, height, column);
    return track;
}

// A grip on the track's right part (the grip covers the last 11 of the track's 16 columns).
Canvas Grip(const Paint& trackColumns, Rgba shadow, Rgba light, double spacing) {
    Canvas grip(kGripSize, kGripSize);
    const Paint shifted = [&trackColumns](double x, double y) {
        return trackColumns(x + kScrollWidth - kGripSize, y);
    };
    grip.FillRect(0, 0, kGripSize, kGripSize, shifted);
    DrawGripRidges(grip, 3, spacing, shadow, light);
    return grip;
}

// --- Windows: classic light grey with a blue selection -------------------------------------

const Paint& WindowsTrackColumns() {
    static const Paint paint = Horizontal({{0.5, Hex(0xC9CDD5)}, {0.51, Hex(0xE6E9EE)}, {15.5, Hex(0xEEF0F3)}});
    return paint;
}

Canvas WindowsThumb() {
    constexpr int kHeight = 49;
    Canvas thumb(kScrollWidth, kHeight);
    // A raised face: light outer and inner edges top-left, dark ones bottom-right.
    thumb.FillRect(0, 0, kScrollWidth, kHeight, Solid(Hex(0x5F6570)));
    thumb.FillRect(0, 0, kScrollWidth - 1, kHeight - 1, Solid(Hex(0xF4F6FA)));
    thumb.FillRect(1, 1, kScrollWidth - 2, kHeight - 2, Solid(Hex(0x9AA1AD)));
    thumb.FillRect(1, 1, kScrollWidth - 3, kHeight - 3, Solid(Grey(255)));
    thumb.FillRect(2, 2, kScrollWidth - 4, kHeight - 4,
                   Horizontal({{2, Hex(0xE4E8EF)}, {kScrollWidth - 2, Hex(0xCDD3DD)}}));
    // Three grip lines in the middle.
    for (int i = -1; i <= 1; ++i) {
        const int y = kHeight / 2 + i * 3 - 1;
        thumb.FillRect(4, y, 8, 1, Solid(Grey(255)));
        thumb.FillRect(4, y + 1, 8, 1, Solid(Hex(0x8C94A1)));
    }
    return thumb;
}

// --- MacOS: soft, light and rounded ----------------------------------------------------------

const Paint& MacTrackColumns() {
    static const Paint paint = Horizontal({{0.5, Hex(0xC3C8D0)},
                                           {0.51, Hex(0xD6DAE0)},
                                           {3.5, Hex(0xE7EAEE)},
                                           {8.5, Hex(0xF4F5F7)},
                                           {15.5, Hex(0xEBEDF0)}});
    return paint;
}

Canvas MacThumb() {
    constexpr int kHeight = 60;
    Canvas thumb = Track(kHeight, MacTrackColumns());
    const Bounds all = BoundsOf(0, 0, kScrollWidth, kHeight);
    thumb.Fill(RoundedRect(2, 1, 14, kHeight - 1, 6), all, Vertical({{1, Hex(0x3F73C4)}, {kHeight, Hex(0x3566B4)}}));
    thumb.Fill(RoundedRect(3, 2, 13, kHeight - 2, 5), all,
               Horizontal({{3, Hex(0x4F86D6)}, {6, Hex(0x8DB9F2)}, {8.5, Hex(0x7EAEEE)}, {13, Hex(0x4A80D2)}}));
    // Gloss along the left half, and three soft ridges in the middle.
    thumb.Fill(RoundedRect(4.5, 3.5, 8, kHeight - 3.5, 1.75), all,
               Vertical({{3.5, Grey(255, 0.6)}, {kHeight / 2.0, Grey(255, 0.3)}, {kHeight - 3.5, Grey(255, 0.12)}}));
    for (int i = -1; i <= 1; ++i) {
        const double y = kHeight / 2.0 + i * 3.5;
        thumb.Fill(Stroke(5.5, y + 1, 10.5, y + 1, 1.1), all, Solid(Hex(0x2F5FA8, 0.45)));
        thumb.Fill(Stroke(5.5, y, 10.5, y, 1.1), all, Solid(Grey(255, 0.55)));
    }
    return thumb;
}

}  // namespace

ImageGroup ArrowImages() {
    ImageGroup group{"Row arrows (built in: arrow bitmaps 1 to 6)", {}};
    const Rgba halo = Grey(255, 0.85);
    const Canvas classic = HaloGlyph(kArrowSize, kArrowSize, Triangle(6, 3.5, 11.5, 12.5), Hex(0x3E485A),
                                     Triangle(6, 3.5, 11.5, 12.5, 1.2), halo);
    const Canvas round = HaloGlyph(kArrowSize, kArrowSize, Chevron(6.5, 4, 10.5, 12, 2.1), Hex(0x5B6B86),
                                   Chevron(6.5, 4, 10.5, 12, 4.3), halo);
    const Canvas file = HaloGlyph(kArrowSize, kArrowSize, Triangle(7, 5, 10.8, 11), Hex(0x8E97A6),
                                  Triangle(7, 5, 10.8, 11, 1.2), halo);
    auto add = [&](const char* name, const char* constant, const char* use, Canvas canvas) {
        group.images.push_back(SkinImage{name, constant, use, std::move(canvas)});
    };
    add("FolderArrowClassic", "kFolderArrowClassic", "folder arrow: Windows, MacOS 3", classic.Opaque());
    add("FolderArrowClassicAlpha", "kFolderArrowClassicAlpha", "its alpha mask", classic.AlphaAsGrey());
    add("FolderArrowRound", "kFolderArrowRound", "folder arrow: MacOS 1, MacOS 2", round.Opaque());
    add("FolderArrowRoundAlpha", "kFolderArrowRoundAlpha", "its alpha mask", round.AlphaAsGrey());
    add("FileArrow", "kFileArrow", "file arrow: every built-in look", file.Opaque());
    add("FileArrowAlpha", "kFileArrowAlpha", "its alpha mask", file.AlphaAsGrey());
    return group;
}

ImageGroup WindowsLookImages() {
    ImageGroup group{"Windows", {}};
    std::vector<Rgba> field(kRowImageHeight, Grey(255));
    field.back() = Hex(0xEBEDF1);
    const std::vector<Rgba> mark = MarkRows(Hex(0x2F5FB0), Hex(0x4C82D4), {}, {}, Hex(0x2D63BC), Hex(0x244F99), false);
    auto add = [&](const char* name, const char* constant, const char* use, Canvas canvas) {
        group.images.push_back(SkinImage{name, constant, use, std::move(canvas)});
    };
    add("WindowsField", "kWindowsField", "row field (both rows)", Rows(9, field));
    add("WindowsMark", "kWindowsMark", "selection mark", Rows(3, mark));
    add("WindowsScrollThumb", "kWindowsScrollThumb", "scroll thumb", WindowsThumb());
    add("WindowsScrollTrack", "kWindowsScrollTrack", "scroll track, stretched", Track(2, WindowsTrackColumns()));
    add("WindowsResizeGrip", "kWindowsResizeGrip", "resize grip",
        Grip(WindowsTrackColumns(), Hex(0x8C94A1), Grey(255), 3.4));
    return group;
}

ImageGroup MacLookImages() {
    ImageGroup group{"MacOS 1, 2 and 3", {}};
    auto add = [&](const char* name, const char* constant, const char* use, Canvas canvas) {
        group.images.push_back(SkinImage{name, constant, use, std::move(canvas)});
    };
    add("MacField", "kMacField", "row field, even rows", Rows(9, std::vector<Rgba>(kRowImageHeight, Grey(255))));
    add("MacField2", "kMacField2", "row field, odd rows", Rows(11, std::vector<Rgba>(kRowImageHeight, Hex(0xEDF3FC))));
    // MacOS 1: glossy blue, lighter upper half.
    add("Mac1Mark", "kMac1Mark", "selection mark, MacOS 1",
        Rows(1, MarkRows(Hex(0x4A7FD0), Hex(0x8DBBF3), Hex(0x6FA3EC), Hex(0x4C8BE5), Hex(0x6EA8F3), Hex(0x3C6FC0), true)));
    // MacOS 2: flat blue with a light top line.
    add("Mac2Mark", "kMac2Mark", "selection mark, MacOS 2",
        Rows(2, MarkRows(Hex(0x8DB4EA), Hex(0x6496DE), {}, {}, Hex(0x3F73C6), Hex(0x365FA6), false)));
    // MacOS 3: glossy graphite.
    add("Mac3Mark", "kMac3Mark", "selection mark, MacOS 3",
        Rows(3, MarkRows(Hex(0x7F8A9C), Hex(0xB4BDCB), Hex(0x9BA6B7), Hex(0x828EA2), Hex(0x98A3B5), Hex(0x6D788A), true)));
    add("MacScrollThumb", "kMacScrollThumb", "scroll thumb", MacThumb());
    add("MacScrollTrack", "kMacScrollTrack", "scroll track, stretched", Track(10, MacTrackColumns()));
    add("MacResizeGrip", "kMacResizeGrip", "resize grip", Grip(MacTrackColumns(), Hex(0xA0A7B3), Grey(255), 3.4));
    return group;
}

}  // namespace qx::imagegen
