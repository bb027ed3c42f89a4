#pragma once
// The sample skin's layout: written into its properties.cfg and used for its images, so the
// two always agree.
namespace qx::imagegen::slate {

inline constexpr int kBackgroundWidth = 560;   // the largest window the skin allows
inline constexpr int kBackgroundHeight = 420;
inline constexpr int kHeaderHeight = 60;       // the band holding buttons and input line
inline constexpr int kBottomHeight = 12;       // BottomImage
inline constexpr double kCornerRadius = 8;

inline constexpr int kListLeft = 10;
inline constexpr int kListRight = 10;
inline constexpr int kListBottom = 12;
inline constexpr int kListTop = 64;

inline constexpr int kCloseLeft = 12;
inline constexpr int kCloseTop = 9;
inline constexpr int kMinLeft = 33;
inline constexpr int kMinTop = 9;
inline constexpr int kRoundButtonSize = 15;

inline constexpr int kEditLeft = 60;
inline constexpr int kEditTop = 6;
inline constexpr int kEditRight = 20;   // gap between the input line's end and the window's edge
inline constexpr int kEditHeight = 20;
inline constexpr double kWellLeft = 54;  // the input well drawn around the input line
inline constexpr double kWellTop = 4;
inline constexpr double kWellBottom = 29;
inline constexpr double kWellRightGap = 14;  // from the window's right edge

inline constexpr int kAllEntriesLeft = 10;
inline constexpr int kAllEntriesWidth = 140;
inline constexpr int kOptionsLeft = 156;
inline constexpr int kOptionsWidth = 72;
inline constexpr int kHelpLeft = 234;
inline constexpr int kHelpWidth = 72;
inline constexpr int kButtonsTop = 38;
inline constexpr int kTextButtonHeight = 18;

inline constexpr int kTopRightWidth = 40;   // Leiste\TranspBitmap.bmp
inline constexpr int kTopRightHeight = 34;
inline constexpr int kResizerSize = 14;
inline constexpr int kScrollWidth = 10;

}  // namespace qx::imagegen::slate
