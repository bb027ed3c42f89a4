#pragma once
#include <cstdint>
#include <vector>

#include "platform/Clock.h"
#include "skin/PixelImage.h"

namespace qx {

// The logic of the skinned image button: hover and press states, the animated darkening level
// and what the face is rendered from. The Win32 control owns the bitmaps and the timer and
// forwards its events here:
//
//   mouse enters / leaves / button down / up  ->  Apply(model.MouseEnters()) ...
//   WM_TIMER of the button's 10 ms timer       ->  Apply(model.Tick())
//   Apply(update): if update.rerender, render the face and invalidate; SetTimer(10 ms) when
//                  update.timerRunning and the timer is off, KillTimer when it is on and
//                  update.timerRunning is false.
//   Render (also after a bitmap, the caption or the font changes): plan = Plan(bitmaps held);
//                  unless plan.render, stop; copy plan.source into the face (Keep: leave it),
//                  DarkenFace(face, plan.darkenLevel); if plan.caption, draw the caption with a
//                  transparent brush at CaptionPosition(face size, text size).
//
// Level steps one unit toward TargetLevel every 10 ms of the clock while they differ. Tick
// reads the clock, so a late WM_TIMER catches up the steps that were due instead of slowing
// the animation down; an early one moves nothing.

enum class HoverStyle { Simple, Darken, Imagelist };

enum class ButtonState { Normal = 0, Hover = 1, Pressed = 2 };

inline constexpr std::uint64_t kButtonStepMs = 10;

struct ButtonUpdate {
    bool rerender = false;      // render the face again and repaint
    bool timerRunning = false;  // the 10 ms timer should be running after this
    bool operator==(const ButtonUpdate&) const = default;
};

// Which of the button's bitmaps exist.
struct ButtonImages {
    bool draw = false;
    bool hover = false;
    bool down = false;
};

enum class FaceSource {
    Draw,   // copy of DrawBitmap
    Hover,  // copy of HoverBitmap
    Down,   // copy of DownBitmap
    Keep,   // the face is left as it is (image-list style)
};

struct FacePlan {
    bool render = false;  // false: nothing is rendered, the face stays as it was
    FaceSource source = FaceSource::Draw;
    int darkenLevel = 0;  // passed to DarkenFace after the copy; 0 leaves it unchanged
    bool caption = false;  // draw the caption (transparent) at CaptionPosition
    bool operator==(const FacePlan&) const = default;
};

struct CaptionOrigin {
    int x = 0;
    int y = 0;
    bool operator==(const CaptionOrigin&) const = default;
};

class ImageButtonModel {
public:
    explicit ImageButtonModel(const IClock& clock) : clock_(clock) {}

    ButtonUpdate MouseEnters() { return Set(ButtonState::Hover); }
    ButtonUpdate MouseLeaves() { return Set(ButtonState::Normal); }
    ButtonUpdate Pressed() { return Set(ButtonState::Pressed); }
    ButtonUpdate Released() { return Set(ButtonState::Normal); }
    ButtonUpdate Tick();

    // What Render makes of the face now, given the bitmaps the button has.
    FacePlan Plan(const ButtonImages& images) const;
    // Where the caption goes on a face of faceW x faceH for a text of textW x textH.
    CaptionOrigin CaptionPosition(int faceW, int faceH, int textW, int textH) const;

    ButtonState state() const { return state_; }
    int level() const { return level_; }
    int targetLevel() const { return target_; }
    bool animating() const { return level_ != target_; }

    HoverStyle hoverStyle = HoverStyle::Simple;
    bool useDownBitmap = false;
    bool hideText = false;

private:
    ButtonUpdate Set(ButtonState state);

    const IClock& clock_;
    ButtonState state_ = ButtonState::Normal;
    int level_ = 0;
    int target_ = 0;
    std::uint64_t nextStepMs_ = 0;  // when the next step is due while animating
};

// Darkens the face at level L inside a 15-pixel ramp from its border: each colour channel is
// multiplied by 1 - 0.2 * t * L (clamped to 0..1), t = min(W - x, H - y, x, y) / 15 at most 1,
// and rounded. Alpha is left alone. A buffer whose size does not match width * height is left
// untouched.
void DarkenFace(PixelImage& face, int level);

}  // namespace qx
