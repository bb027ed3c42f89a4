#include "Preview.h"

#include <stdexcept>
#include <string>

#include "Elements.h"
#include "PixelFont.h"
#include "SampleSkin.h"

namespace qx::imagegen {

namespace {

constexpr int kRowHeight = 19;
constexpr int kLargeRowHeight = 35;
constexpr int kVisibleRows = 5;
constexpr int kLargeVisibleRows = 3;

const Canvas& Find(const std::vector<ImageGroup>& groups, const std::string& name) {
    for (const ImageGroup& group : groups) {
        for (const SkinImage& image : group.images) {
            if (image.name == name) return image.canvas;
        }
    }
    throw std::logic_error("preview: no image " + name);
}

// The window's alpha drawing: each channel of the mask weights the same channel.
void BlendMasked(Canvas& target, const Canvas& source, const Canvas& mask, int x, int y) {
    for (int row = 0; row < source.Height(); ++row) {
        for (int column = 0; column < source.Width(); ++column) {
            const int tx = x + column;
            const int ty = y + row;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
            Rgba& t = target.At(tx, ty);
            const Rgba& s = source.At(column, row);
            const Rgba& m = mask.At(column, row);
            t = Rgba{t.r + (s.r - t.r) * m.r / 255, t.g + (s.g - t.g) * m.g / 255, t.b + (s.b - t.b) * m.b / 255, 1};
        }
    }
}

void DrawStretched(Canvas& target, const Canvas& source, int left, int top, int right, int bottom) {
    if (right > left && bottom > top) target.Draw(source.Stretched(right - left, bottom - top), left, top);
}

// Whether two colours are the same once written to a file.
bool SameBytes(const Rgba& a, const Rgba& b) {
    return ToByte(a.r) == ToByte(b.r) && ToByte(a.g) == ToByte(b.g) && ToByte(a.b) == ToByte(b.b);
}

// Copies every pixel that differs from the source's bottom-left pixel (a see-through image).
void DrawKeyed(Canvas& target, const Canvas& source, int x, int y) {
    const Rgba key = source.At(0, source.Height() - 1);
    for (int row = 0; row < source.Height(); ++row) {
        for (int column = 0; column < source.Width(); ++column) {
            const int tx = x + column;
            const int ty = y + row;
            if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
            if (!SameBytes(source.At(column, row), key)) target.At(tx, ty) = source.At(column, row);
        }
    }
}

void ReplaceMagenta(Canvas& canvas, Rgba desktop) {
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (SameBytes(canvas.At(x, y), kMagenta)) canvas.At(x, y) = desktop;
        }
    }
}

void DrawCentredText(Canvas& canvas, int left, int top, int width, int height, const std::string& text, Rgba colour) {
    DrawText(canvas, left + (width - TextWidth(text)) / 2, top + (height - kGlyphHeight) / 2, text, colour);
}

// Stand-ins for the row icons, drawn for 16 or 32 pixels.
enum class IconKind { Program, Folder, Document };

Canvas Icon(IconKind kind, int size) {
    const double k = size / 16.0;
    Canvas icon(size, size, Rgba{0, 0, 0, 0});
    const Bounds all = BoundsOf(0, 0, size, size);
    auto box = [k](double l, double t, double r, double b, double radius) {
        return RoundedRect(l * k, t * k, r * k, b * k, radius * k);
    };
    switch (kind) {
        case IconKind::Program:
            icon.Fill(box(1.5, 1.5, 14.5, 14.5, 3), all, Vertical({{k, Hex(0x6FB0F5)}, {15 * k, Hex(0x2C6CC8)}}));
            icon.Fill(Circle(8 * k, 8 * k, 3.2 * k), all, Solid(Grey(255, 0.9)));
            break;
        case IconKind::Folder:
            icon.Fill(box(1, 3, 8, 7, 1.5), all, Solid(Hex(0xD9A21F)));
            icon.Fill(box(1, 5, 15, 14, 1.5), all, Vertical({{5 * k, Hex(0xFFD56A)}, {14 * k, Hex(0xE9AE2E)}}));
            break;
        case IconKind::Document:
            icon.Fill(box(3, 1, 13, 15, 1.5), all, Solid(Hex(0x8C95A3)));
            icon.Fill(box(3.6, 1.6, 12.4, 14.4, 1), all, Solid(Grey(255)));
            for (int i = 0; i < 4; ++i) icon.Fill(box(5, 5 + i * 2, 11, 6 + i * 2, 0), all, Solid(Hex(0xA9B6C8)));
            break;
    }
    return icon;
}

struct Row {
    const char* text;
    IconKind icon;
    bool folder;
    bool target;
};

constexpr Row kRows[kVisibleRows] = {
    {"Notepad", IconKind::Program, false, true},    {"Notes", IconKind::Folder, true, false},
    {"notes-2024.txt", IconKind::Document, false, false}, {"Network tools", IconKind::Folder, true, false},
    {"Nightly build", IconKind::Program, false, true},
};
constexpr int kSelectedRow = 1;

}  // namespace

Canvas BuiltInPreview(const std::vector<ImageGroup>& builtIn, int look, bool largeIcons, Rgba desktop) {
    const char* field2 = look == 0 ? "WindowsField" : "MacField2";
    const char* field1 = look == 0 ? "WindowsField" : "MacField";
    const char* marks[] = {"WindowsMark", "Mac1Mark", "Mac2Mark", "Mac3Mark"};
    const char* prefix = look == 0 ? "Windows" : "Mac";
    const char* folderArrow = look == 1 || look == 2 ? "FolderArrowRound" : "FolderArrowClassic";
    const std::string p = prefix;

    constexpr int kWidth = 311;
    constexpr int kListTop = 41;
    constexpr int kListWidth = kWidth - 4;
    // Row metrics of the list for small and for large (32-pixel) icons.
    const int rowHeight = largeIcons ? kLargeRowHeight : kRowHeight;
    const int rows = largeIcons ? kLargeVisibleRows : kVisibleRows;
    const int iconScale = largeIcons ? 2 : 1;
    const int iconTop = largeIcons ? 1 : 2;
    const int textLeft = largeIcons ? 36 : 21;
    const int kListHeight = rowHeight * rows;
    Canvas window(kWidth, kListTop + kListHeight + 2, Grey(237));

    // The top bar and its buttons.
    const Canvas& left = Find(builtIn, "TopBarLeft");
    const Canvas& right = Find(builtIn, "TopBarRight");
    window.Draw(left, 0, 0);
    DrawStretched(window, Find(builtIn, "TopBarMiddle"), left.Width(), 0, kWidth - right.Width() + 1, left.Height());
    window.Draw(right, kWidth - right.Width(), 0);
    window.Draw(Find(builtIn, "CloseButton"), 8, 4);
    window.Draw(Find(builtIn, "MinimiseButton"), 29, 4);
    DrawText(window, left.Width(), 5, "not|", Grey(0), 2);
    int x = 6;
    for (const auto& [name, caption] : {std::pair{"AllEntriesButton", "Show all entries"}, std::pair{"OptionsButton", "Options"},
                                        std::pair{"InfoButton", "Info/Help"}}) {
        const Canvas& face = Find(builtIn, name);
        window.Draw(face, x, left.Height() + 1);
        DrawCentredText(window, x, left.Height() + 1, face.Width(), face.Height(), caption, Grey(0));
        x += face.Width() + 6;
    }

    // The list: track, grip, thumb, then the rows.
    Canvas list(kListWidth, kListHeight);
    const Canvas& thumb = Find(builtIn, p + "ScrollThumb");
    const int drawWidth = kListWidth - thumb.Width();
    DrawStretched(list, Find(builtIn, p + "ScrollTrack"), drawWidth, 0, kListWidth, kListHeight);
    const Canvas& grip = Find(builtIn, p + "ResizeGrip");
    list.Draw(grip, kListWidth - grip.Width(), kListHeight - grip.Height());
    list.Draw(thumb, kListWidth - thumb.Width(), 10);
    for (int i = 0; i < rows; ++i) {
        const Row& row = kRows[i];
        const int top = i * rowHeight;
        DrawStretched(list, Find(builtIn, i % 2 == 0 ? field1 : field2), 0, top, drawWidth, top + rowHeight);
        if (i == kSelectedRow) DrawStretched(list, Find(builtIn, marks[look]), 0, top, drawWidth, top + rowHeight);
        list.Draw(Icon(row.icon, 16 * iconScale), 2, top + iconTop);
        DrawText(list, textLeft, top + (rowHeight - kGlyphHeight) / 2, row.text, i == kSelectedRow ? Grey(255) : Grey(0));
        if (row.folder || row.target) {
            const std::string arrow = row.folder ? folderArrow : "FileArrow";
            const Canvas& image = Find(builtIn, arrow);
            BlendMasked(list, image, Find(builtIn, arrow + "Alpha"), drawWidth - 20, top + (rowHeight - image.Height()) / 2);
        }
    }
    window.Draw(list, 2, kListTop);
    ReplaceMagenta(window, desktop);
    return window;
}

Canvas SamplePreview(const ImageGroup& sample, Rgba desktop) {
    using namespace slate;
    const std::vector<ImageGroup> groups{sample};
    constexpr int kListWidth = 310;
    constexpr int kListHeight = kRowHeight * kVisibleRows;
    constexpr int kWidth = kListLeft + kListWidth + kListRight;
    constexpr int kHeight = kListTop + kListHeight + kListBottom;
    const Rgba text = Hex(0xD6DCE4);

    Canvas window(kWidth, kHeight, Hex(0x252A32));
    window.Draw(Find(groups, "Hintergrund/FullBackground"), 0, 0);
    const Canvas& bottom = Find(groups, "Hintergrund/BottomImage");
    window.Draw(bottom, 0, kHeight - bottom.Height());
    const Canvas& topRight = Find(groups, "Leiste/TranspBitmap");
    DrawKeyed(window, topRight, kWidth - topRight.Width(), 0);
    window.Draw(Find(groups, "Buttons/Schliessen X"), kCloseLeft, kCloseTop);
    window.Draw(Find(groups, "Buttons/Minimieren"), kMinLeft, kMinTop);
    DrawText(window, kEditLeft + 2, kEditTop + 5, "not|", Hex(0xECF0F5), 2);
    for (const auto& [name, left, caption] :
         {std::tuple{"Buttons/AlleAnzeigen", kAllEntriesLeft, "Show all entries"},
          std::tuple{"Buttons/Optionen_hov", kOptionsLeft, "Options"}, std::tuple{"Buttons/Info", kHelpLeft, "Info/Help"}}) {
        const Canvas& face = Find(groups, name);
        window.Draw(face, left, kButtonsTop);
        DrawCentredText(window, left, kButtonsTop, face.Width(), face.Height(), caption, text);
    }

    Canvas list = window.Crop(kListLeft, kListTop, kListWidth, kListHeight);
    const Canvas& thumb = Find(groups, "Scrollleiste/Balken");
    const int drawWidth = kListWidth - thumb.Width();
    DrawStretched(list, Find(groups, "Scrollleiste/Hintergrund"), drawWidth, 0, kListWidth, kListHeight);
    for (int i = 0; i < kVisibleRows; ++i) {
        const Row& row = kRows[i];
        const int top = i * kRowHeight;
        DrawStretched(list, Find(groups, "Zeilen/Felder/Feld_16"), 0, top, drawWidth, top + kRowHeight);
        const int arrowSpace = row.folder || row.target ? 20 : 0;
        if (i == kSelectedRow) {
            const Canvas& l = Find(groups, "Zeilen/Markierung/Markierung_li_16");
            const Canvas& r = Find(groups, "Zeilen/Markierung/Markierung_re_16");
            const int markRight = drawWidth - 3 - arrowSpace;
            const Canvas& middle = Find(groups, "Zeilen/Markierung/Markierung_16");
            DrawStretched(list, middle, l.Width(), top, markRight - r.Width(), top + middle.Height());
            BlendMasked(list, l, Find(groups, "Zeilen/Markierung/Markierung_li_16_alpha"), 0, top);
            BlendMasked(list, r, Find(groups, "Zeilen/Markierung/Markierung_re_16_alpha"), markRight - r.Width(), top);
        }
        list.Draw(Icon(row.icon, 16), 6, top + 2);
        DrawText(list, 25, top + 6, row.text, i == kSelectedRow ? Grey(255) : text);
        if (arrowSpace) {
            const std::string arrow = row.folder ? "Pfeile/Dir_16" : "Pfeile/Fl_16";
            const Canvas& image = Find(groups, arrow);
            BlendMasked(list, image, Find(groups, arrow + " Alpha"), drawWidth - arrowSpace,
                        top + (kRowHeight - image.Height()) / 2);
        }
    }
    BlendMasked(list, thumb, Find(groups, "Scrollleiste/Balken_alpha"), kListWidth - thumb.Width(), 10);
    window.Draw(list, kListLeft, kListTop);
    const Canvas& resizer = Find(groups, "Scrollleiste/Resizer");
    window.Draw(resizer, kWidth - resizer.Width(), kHeight - resizer.Height());
    ReplaceMagenta(window, desktop);
    return window;
}

}  // namespace qx::imagegen
