#pragma once
// Resource ids of the built-in looks' bitmaps (SkinImages.rc). Made by tools/skin-images
// (skin_image_generator); regenerate instead of editing.

namespace qx::skin_images {

// Built-in frame and buttons (all built-in looks)
inline constexpr int kTopBarLeft = 2001;  // 48 x 23, top-left frame image: corner, window buttons' ground, input well start
inline constexpr int kTopBarMiddle = 2002;  // 4 x 23, input line background, stretched
inline constexpr int kTopBarRight = 2003;  // 226 x 23, top-right frame image: input well end, word mark, corner
inline constexpr int kCloseButton = 2004;  // 15 x 15, close button
inline constexpr int kCloseButtonHover = 2005;  // 15 x 15, close button, mouse over
inline constexpr int kMinimiseButton = 2006;  // 15 x 15, minimise button
inline constexpr int kMinimiseButtonHover = 2007;  // 15 x 15, minimise button, mouse over
inline constexpr int kAllEntriesButton = 2008;  // 145 x 17, "all entries" button face (caption drawn on it)
inline constexpr int kOptionsButton = 2009;  // 73 x 17, options button face
inline constexpr int kInfoButton = 2010;  // 73 x 17, info button face
inline constexpr int kDialogCloseButton = 2011;  // 15 x 15, close button of the white dialogs
inline constexpr int kDialogCloseButtonHover = 2012;  // 15 x 15, the same, mouse over
inline constexpr int kSelectionFadeRamp = 2013;  // 8 x 19, alpha ramp of the fading folder selection

// Row arrows (built in: arrow bitmaps 1 to 6)
inline constexpr int kFolderArrowClassic = 2014;  // 16 x 16, folder arrow: Windows, MacOS 3
inline constexpr int kFolderArrowClassicAlpha = 2015;  // 16 x 16, its alpha mask
inline constexpr int kFolderArrowRound = 2016;  // 16 x 16, folder arrow: MacOS 1, MacOS 2
inline constexpr int kFolderArrowRoundAlpha = 2017;  // 16 x 16, its alpha mask
inline constexpr int kFileArrow = 2018;  // 16 x 16, file arrow: every built-in look
inline constexpr int kFileArrowAlpha = 2019;  // 16 x 16, its alpha mask

// Windows
inline constexpr int kWindowsField = 2020;  // 9 x 17, row field (both rows)
inline constexpr int kWindowsMark = 2021;  // 3 x 17, selection mark
inline constexpr int kWindowsScrollThumb = 2022;  // 16 x 49, scroll thumb
inline constexpr int kWindowsScrollTrack = 2023;  // 16 x 2, scroll track, stretched
inline constexpr int kWindowsResizeGrip = 2024;  // 11 x 11, resize grip

// MacOS 1, 2 and 3
inline constexpr int kMacField = 2025;  // 9 x 17, row field, even rows
inline constexpr int kMacField2 = 2026;  // 11 x 17, row field, odd rows
inline constexpr int kMac1Mark = 2027;  // 1 x 17, selection mark, MacOS 1
inline constexpr int kMac2Mark = 2028;  // 2 x 17, selection mark, MacOS 2
inline constexpr int kMac3Mark = 2029;  // 3 x 17, selection mark, MacOS 3
inline constexpr int kMacScrollThumb = 2030;  // 16 x 60, scroll thumb
inline constexpr int kMacScrollTrack = 2031;  // 16 x 10, scroll track, stretched
inline constexpr int kMacResizeGrip = 2032;  // 11 x 11, resize grip

}  // namespace qx::skin_images
