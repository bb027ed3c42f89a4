#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "RgbImage.h"

namespace qx::test {

using imagefiles::RgbImage;

// What the screen shows of the window (its whole rectangle, as far as it lies on the screen):
// the look the user sees, whatever draws it. The window must be in front and unobscured.
RgbImage CaptureWindow(HWND window);

// Screenshots agree when no channel of any pixel differs by more than this (rounding in a
// gradient or a stretched image)...
constexpr int kChannelTolerance = 8;
// ...except for at most this share of the pixels: room for a caret caught in another phase of
// its blink (16 pixels) and a few glyph edges, not for a missing row icon (256 pixels in a
// window of about 100,000). Captures here repeat byte for byte; two looks differ in 6 % or more.
constexpr double kMaxDifferingShare = 0.001;
bool Agree(const RgbImage& expected, const RgbImage& actual);

// The folder with the reference screenshots, tests\e2e\screenshots\ of the source tree.
std::string ReferenceFolder();
// The folder of the sample skins, data\skins\ of the source tree.
std::string SampleSkinsFolder();

// Waits until the window shows what the reference screenshot `name` shows, within the
// tolerance; on a time-out the capture and a picture of the differences are written beside
// the test program (screenshots\<name>.actual.png, .diff.png) and named in the failure. A
// missing reference fails. With QX_UPDATE_SCREENSHOTS=1 in the environment it writes the
// reference instead, once the window has changed from `previous` (the look before; empty
// for none) and has stayed the same for a moment. Gives the capture it judged.
::testing::AssertionResult ShowsReference(HWND window, const std::string& name, const RgbImage& previous,
                                          RgbImage& captured);

}  // namespace qx::test
