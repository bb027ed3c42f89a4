#include "skin/ImageButtonModel.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qx {

ButtonUpdate ImageButtonModel::Set(ButtonState state) {
    const bool changed = state != state_;
    const bool wasAnimating = animating();
    state_ = state;
    target_ = static_cast<int>(state);
    // A running animation keeps its pace when the target turns; a new one starts its first
    // step a full period from now.
    if (animating() && !wasAnimating) nextStepMs_ = clock_.NowMs() + kButtonStepMs;
    // With no step to come the face must follow the new state at once: a simple-style button
    // entered again at the level it already has would otherwise keep its released face.
    return {changed && !animating(), animating()};
}

ButtonUpdate ImageButtonModel::Tick() {
    if (!animating()) return {false, false};
    const std::uint64_t now = clock_.NowMs();
    bool moved = false;
    while (animating() && now >= nextStepMs_) {
        level_ += target_ > level_ ? 1 : -1;
        nextStepMs_ += kButtonStepMs;
        moved = true;
    }
    return {moved, animating()};
}

FacePlan ImageButtonModel::Plan(const ButtonImages& images) const {
    FacePlan plan;
    if (!images.draw) return plan;
    switch (hoverStyle) {
    case HoverStyle::Simple:
        if (!images.hover) return plan;
        if (state_ == ButtonState::Normal) {
            plan.source = FaceSource::Draw;
        } else if (state_ == ButtonState::Pressed && useDownBitmap && images.down) {
            plan.source = FaceSource::Down;
        } else {
            // Without a down bitmap a pressed button shows its hover face rather than vanish.
            plan.source = FaceSource::Hover;
        }
        break;
    case HoverStyle::Darken:
        plan.source = FaceSource::Draw;
        plan.darkenLevel = level_;
        break;
    case HoverStyle::Imagelist:
        plan.source = FaceSource::Keep;
        break;
    }
    plan.render = true;
    plan.caption = !hideText;
    return plan;
}

CaptionOrigin ImageButtonModel::CaptionPosition(int faceW, int faceH, int textW, int textH) const {
    // Division truncates toward zero, also for a caption wider than the face.
    return {(faceW - textW) / 2 + (level_ == 2 ? 1 : 0), (faceH - textH) / 2 - 1};
}

void DarkenFace(PixelImage& face, int level) {
    const int w = face.width;
    const int h = face.height;
    if (level == 0 || w <= 0 || h <= 0 ||
        face.pixels.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) {
        return;
    }
    constexpr int kRamp = 15;
    // The factor depends only on the distance to the border, capped at the ramp's width.
    std::array<double, kRamp + 1> factor{};
    for (int d = 0; d <= kRamp; ++d) {
        const double t = static_cast<double>(d) / kRamp;
        factor[static_cast<std::size_t>(d)] = std::clamp(1.0 - 0.2 * t * level, 0.0, 1.0);
    }
    auto scale = [](std::uint32_t channel, double f) {
        return static_cast<std::uint32_t>(std::nearbyint(static_cast<double>(channel) * f));
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int d = std::min({w - x, h - y, x, y, kRamp});
            const double f = factor[static_cast<std::size_t>(d)];
            std::uint32_t& p = face.pixels[static_cast<std::size_t>(y) * w + x];
            p = (p & 0xFF000000u) | scale((p >> 16) & 0xFF, f) << 16 |
                scale((p >> 8) & 0xFF, f) << 8 | scale(p & 0xFF, f);
        }
    }
}

}  // namespace qx
