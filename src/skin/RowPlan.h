#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/Rect.h"
#include "skin/RowMetrics.h"
#include "skin/SkinLook.h"
#include "skin/TextFit.h"

namespace qx {

// What the list shows: the entries (in one of the input modes), or a folder being browsed.
enum class ListMode { Entries, FileFolder, ShellFolder };

// One result row as the painter sees it, after the row object has been resolved.
struct RowInput {
    std::string text;  // the row's text
    bool isFolder = false;
    bool hasTarget = false;
    bool folderListing = false;  // a row of a folder listing (icon state 3)
    std::string detailText;      // determined detail column (folder browsing only)
    std::string detailMore;      // the shell's second detail, " / " in front when not empty
};

struct RowContext {
    ListMode mode = ListMode::Entries;
    bool commandInput = false;  // the input line is in the command or URL mode
    int index = 0;
    int topIndex = 0;
    int drawWidth = 0;  // the row area, left of the scroll bar
    bool selected = false;      // the list's selection holds the row
    bool frozenHover = false;   // folder browsing keeps it marked while its shell menu is open
    bool markToText = false;    // folder browsing: the mark ends behind the text
    int markTextExtra = 0;
    bool customBackground = false;  // the user laid a picture under the list
};

enum class FieldKind { None, First, Second };
enum class MarkKind { None, Fade, ThreePiece, Stretched, Alpha, Plain };
enum class ArrowKind { None, Folder, File };

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Texts are drawn at a point, clipped to a rectangle, without background.
struct RowText {
    std::string text;
    Point at;
    Rect clip;
    std::uint32_t colour = 0;  // 0x00BBGGRR
    bool operator==(const RowText&) const = default;
};

// The halo is its text drawn in the halo colour at these four offsets before the text itself.
inline constexpr std::array<Point, 4> kHaloOffsets{{{-1, 0}, {1, 0}, {0, 1}, {0, -1}}};

// Everything the painter draws for one row, in drawing order.
struct RowPlan {
    int top = 0;
    int arrowSpace = 0;     // 20 for a row with an arrow
    int rightColumn = 0;    // detail text width + 3 + arrowSpace
    bool detailTruncated = false;  // the row's tooltip is worth showing
    Rect rowRect;
    Rect markRect;

    FieldKind field = FieldKind::None;
    bool fieldStretched = false;
    Rect fieldArea;  // stretched over it, or drawn unscaled at its top-left

    MarkKind mark = MarkKind::None;
    Rect markArea;  // the fade and three-piece marks span markRect, the others reach DrawWidth

    Point icon;

    bool nameHalo = false;
    bool detailHalo = false;
    std::uint32_t haloColour = 0;

    RowText name;
    bool hasDetail = false;  // folder browsing draws the detail column
    RowText detail;

    ArrowKind arrow = ArrowKind::None;
    Point arrowAt;
};

// The detail column as shown: the text cut at its end to fit beside the arrow, and whether the
// full text needs the tooltip.
struct DetailColumn {
    std::string shown;
    bool truncated = false;
};
DetailColumn FitDetail(const std::string& detailText, const std::string& detailMore, int arrowSpace,
                       const TextWidth& measure);

RowPlan PlanRow(const RowInput& row, const RowContext& context, const SkinLook& look, const RowMetrics& metrics,
                const TextWidth& measure);

// The list background, painted before the rows.
enum class ThumbKind { None, Alpha, Faded, Opaque };
inline constexpr double kFadedThumbOpacity = 0.3;

struct ListBackgroundInput {
    int listLeft = 0;  // the list's position in the window
    int listTop = 0;
    int listWidth = 0;
    int listHeight = 0;
    int drawWidth = 0;
    bool canScroll = false;
    int thumbTop = 0;
};

struct ListBackgroundPlan {
    bool background = false;  // the window background, drawn at backgroundAt
    Point backgroundAt;
    bool track = false;  // the track image stretched over trackRect
    Rect trackRect;
    bool grip = false;
    Point gripAt;
    ThumbKind thumb = ThumbKind::None;
    Point thumbAt;
    bool operator==(const ListBackgroundPlan&) const = default;
};

ListBackgroundPlan PlanListBackground(const ListBackgroundInput& list, const SkinLook& look);

// A row's detail text before it has been determined.
inline constexpr std::string_view kDetailUndetermined = "@nod";

// The balloon over a folder-listing row: "Name: <row text>", and when the detail text is
// determined and not empty, a line break and "Details: <detail text><detail more>".
struct RowTooltip {
    std::string title;
    std::string text;
    bool show = false;
};
// Built when the mouse moves onto another folder-listing row; shown only when the detail was
// truncated, the mouse is over the rows (not the scroll bar or grip) and the left button is up.
RowTooltip PlanRowTooltip(const RowInput& row, bool detailTruncated, bool overRows, bool leftButtonDown,
                          int languageIndex);

// A row as the painter gets it: its resolved data and its icon (none: no icon drawn).
struct RowToPaint {
    RowInput input;
    std::shared_ptr<void> icon;
};

}  // namespace qx
