#include "exec/PasswordPromptLayout.h"

#include <algorithm>

namespace qx {
namespace {

// number * numerator / denominator rounded half away from zero, as the system's MulDiv.
int MulDivRound(int number, int numerator, int denominator) {
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

constexpr int kFieldToLabelGap = 5;    // pixels
constexpr int kButtonsToFieldGap = 15; // pixels
constexpr int kBottomMargin = 13;      // pixels
constexpr int kFieldFramePadding = 8;  // two 2-pixel borders and two 2-pixel margins

}  // namespace

int DialogUnits::X(int units) const { return MulDivRound(units, averageCharWidth, 4); }
int DialogUnits::Y(int units) const { return MulDivRound(units, textHeight, 8); }

int PasswordPromptLabelMaxWidth(const DialogUnits& units) { return units.X(164); }

PasswordPromptLayout LayOutPasswordPrompt(const DialogUnits& units, int labelWidth, int labelHeight) {
    PasswordPromptLayout layout;
    layout.clientWidth = units.X(180);
    layout.label = {units.X(8), units.Y(8), std::clamp(labelWidth, 0, PasswordPromptLabelMaxWidth(units)),
                    std::max(labelHeight, 0)};
    layout.field = {layout.label.left, layout.label.Bottom() + kFieldToLabelGap, units.X(164),
                    units.textHeight + kFieldFramePadding};
    const int buttonTop = layout.field.Bottom() + kButtonsToFieldGap;
    layout.okButton = {units.X(38), buttonTop, units.X(50), units.Y(14)};
    layout.cancelButton = {units.X(92), buttonTop, units.X(50), units.Y(14)};
    layout.clientHeight = layout.okButton.Bottom() + kBottomMargin;
    return layout;
}

}  // namespace qx
