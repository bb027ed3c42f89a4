#pragma once

namespace qx {

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

// Dialog units of a font: measure the 52 letters "A".."Z", "a".."z" in it as one text.
struct DialogUnits {
    int averageCharWidth = 0;  // measured width / 52
    int textHeight = 0;        // measured height
    static DialogUnits FromLetters(int lettersWidth, int lettersHeight) { return {lettersWidth / 52, lettersHeight}; }

    // Horizontal units are a quarter of the average width, vertical ones an eighth of the
    // height, rounded to the nearest pixel.
    int X(int units) const;
    int Y(int units) const;
};

// Where everything of the password prompt goes, in client pixels.
struct PasswordPromptLayout {
    int clientWidth = 0, clientHeight = 0;
    PixelRect label, field, okButton, cancelButton;
};

inline constexpr char kPromptLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The widest the prompt label may be; its word-wrapped size is measured against this.
int PasswordPromptLabelMaxWidth(const DialogUnits& units);
// labelWidth/labelHeight: the word-wrapped prompt's measured size (the width is capped at the
// maximum). The field is as high as the font plus its border and margins.
PasswordPromptLayout LayOutPasswordPrompt(const DialogUnits& units, int labelWidth, int labelHeight);

}  // namespace qx
