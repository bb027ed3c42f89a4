#include "ContactSheet.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "PixelFont.h"
#include "Looks.h"
#include "Preview.h"

namespace qx::imagegen {

namespace {

constexpr int kSheetWidth = 1000;
constexpr int kMargin = 12;
constexpr int kSpacing = 12;
constexpr int kLineGap = 2;
constexpr int kMinLabelWidth = 72;
constexpr int kMaxEnlargedWidth = 150;
constexpr int kMaxShownWidth = 480;
constexpr int kMaxShownHeight = 105;
constexpr Rgba kPaper = Hex(0xD5D9DF);
constexpr Rgba kInk = Hex(0x1F242B);
constexpr Rgba kSoftInk = Hex(0x5B6470);

// A picture with lines of text under it.
struct Cell {
    Canvas picture;
    std::vector<std::string> label;
    std::string note;
};

// Breaks text after "_", " " or "-" and between a small and a capital letter, so that no
// line is wider than `width` where possible.
std::vector<std::string> Wrap(const std::string& text, int width) {
    std::vector<std::string> lines{""};
    std::string word;
    auto flush = [&] {
        if (!lines.back().empty() && TextWidth(lines.back() + word) > width) lines.emplace_back();
        lines.back() += word;
        word.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        word += c;
        const bool capitalNext = i + 1 < text.size() && std::isupper(static_cast<unsigned char>(text[i + 1])) &&
                                 std::islower(static_cast<unsigned char>(c));
        if (c == '_' || c == ' ' || c == '-' || capitalNext) flush();
    }
    flush();
    return lines;
}

// Small images enlarged up to 3 times; those too large to show whole are reduced.
Cell Shown(const SkinImage& image) {
    const Canvas& c = image.canvas;
    const std::string name = image.name.substr(image.name.rfind('/') + 1);
    std::string note = std::to_string(c.Width()) + "x" + std::to_string(c.Height());
    Canvas picture;
    int scale = std::min({3, kMaxEnlargedWidth / c.Width(), kMaxShownHeight / c.Height()});
    if (scale < 1 && c.Width() <= kMaxShownWidth && c.Height() <= kMaxShownHeight) scale = 1;
    if (scale >= 1) {
        picture = c.Enlarged(scale);
        if (scale > 1) note += " x" + std::to_string(scale);
    } else {
        int reduce = 2;
        while (c.Width() / reduce > kMaxShownWidth || c.Height() / reduce > kMaxShownHeight) reduce *= 2;
        picture = c.Reduced(reduce);
        note += " 1/" + std::to_string(reduce);
    }
    const int width = std::max(picture.Width(), kMinLabelWidth);
    return Cell{std::move(picture), Wrap(name, width), note};
}

int CellWidth(const Cell& cell) {
    int width = std::max(cell.picture.Width(), TextWidth(cell.note));
    for (const std::string& line : cell.label) width = std::max(width, TextWidth(line));
    return width;
}

int CellHeight(const Cell& cell) {
    return cell.picture.Height() + (static_cast<int>(cell.label.size()) + 1) * (kGlyphHeight + kLineGap) + 2;
}

void DrawCell(Canvas& sheet, const Cell& cell, int x, int y) {
    sheet.Draw(cell.picture, x, y);
    int ty = y + cell.picture.Height() + 3;
    for (const std::string& line : cell.label) {
        DrawText(sheet, x, ty, line, kInk);
        ty += kGlyphHeight + kLineGap;
    }
    DrawText(sheet, x, ty, cell.note, kSoftInk);
}

// A titled group of cells laid out left to right, wrapping at maxWidth, as one picture.
Canvas Block(const std::string& title, const std::vector<Cell>& cells, int maxWidth) {
    struct Placed {
        int x;
        int y;
        const Cell* cell;
    };
    std::vector<Placed> placed;
    const int top = 2 * kGlyphHeight + 6;
    int x = 0;
    int y = top;
    int lineHeight = 0;
    int width = TextWidth(title, 2);
    for (const Cell& cell : cells) {
        const int w = CellWidth(cell);
        if (x > 0 && x + w > maxWidth) {
            x = 0;
            y += lineHeight + kSpacing;
            lineHeight = 0;
        }
        placed.push_back({x, y, &cell});
        width = std::max(width, x + w);
        x += w + kSpacing;
        lineHeight = std::max(lineHeight, CellHeight(cell));
    }
    Canvas block(width, y + lineHeight, kPaper);
    DrawText(block, 0, 0, title, kInk, 2);
    for (const Placed& p : placed) DrawCell(block, *p.cell, p.x, p.y);
    return block;
}

std::vector<Cell> CellsOf(const std::vector<SkinImage>& images) {
    std::vector<Cell> cells;
    for (const SkinImage& image : images) cells.push_back(Shown(image));
    return cells;
}

// Places blocks in rows, each into the first row with room left for it (so small groups
// share a row), rows top to bottom.
Canvas Arrange(const std::vector<Canvas>& blocks) {
    struct Shelf {
        int used = 0;
        int height = 0;
        std::vector<std::pair<const Canvas*, int>> blocks;  // with their x
    };
    std::vector<Shelf> shelves;
    constexpr int kRoom = kSheetWidth - 2 * kMargin;
    for (const Canvas& block : blocks) {
        auto shelf = std::find_if(shelves.begin(), shelves.end(), [&](const Shelf& s) {
            return s.used + 3 * kSpacing + block.Width() <= kRoom;
        });
        if (shelf == shelves.end()) {
            shelves.emplace_back();
            shelf = shelves.end() - 1;
            shelf->used = -3 * kSpacing;
        }
        shelf->blocks.emplace_back(&block, shelf->used + 3 * kSpacing);
        shelf->used += 3 * kSpacing + block.Width();
        shelf->height = std::max(shelf->height, block.Height());
    }
    int height = kMargin;
    for (const Shelf& shelf : shelves) height += shelf.height + 2 * kSpacing;
    Canvas sheet(kSheetWidth, height - 2 * kSpacing + kMargin, kPaper);
    int y = kMargin;
    for (const Shelf& shelf : shelves) {
        for (const auto& [block, x] : shelf.blocks) sheet.Draw(*block, kMargin + x, y);
        y += shelf.height + 2 * kSpacing;
    }
    return sheet;
}

}  // namespace

Canvas ContactSheet(const std::vector<ImageGroup>& builtIn, const ImageGroup& sample) {
    constexpr int kFull = kSheetWidth - 2 * kMargin;
    std::vector<Canvas> blocks;

    std::vector<Cell> previews;
    const char* looks[] = {"Windows", "MacOS 1", "MacOS 2", "MacOS 3"};
    for (int look = 0; look < 4; ++look) {
        previews.push_back(Cell{BuiltInPreview(builtIn, look, false, kPaper), {looks[look]}, "built in"});
    }
    previews.push_back(Cell{SamplePreview(sample, kPaper), {"Slate"}, "sample skin"});
    previews.push_back(Cell{BuiltInPreview(builtIn, 2, true, kPaper), {"MacOS 2, large icons"}, "the default look"});
    blocks.push_back(Block("The window in each look, real size", previews, kFull));

    for (const ImageGroup& group : builtIn) {
        blocks.push_back(Block(group.title, CellsOf(group.images), kFull));
    }

    // The sample skin folder by folder.
    std::vector<SkinImage> inFolder;
    std::string folder;
    auto flush = [&] {
        if (inFolder.empty()) return;
        std::string title = std::string("Skins/") + kSampleSkinName + "/" + folder;
        std::replace(title.begin(), title.end(), '/', '\\');
        blocks.push_back(Block(title, CellsOf(inFolder), kFull));
        inFolder.clear();
    };
    for (const SkinImage& image : sample.images) {
        const std::string imageFolder = image.name.substr(0, image.name.rfind('/') + 1);
        if (imageFolder != folder) flush();
        folder = imageFolder;
        inFolder.push_back(image);
    }
    flush();
    return Arrange(blocks);
}

}  // namespace qx::imagegen
