#include "skin/Skin.h"

#include <algorithm>
#include <utility>

#include "skin/BmpImage.h"
#include "skin/ImageOperations.h"
#include "skin/SkinProperties.h"
#include "skin/images/SkinImageIds.h"
#include "text/CaseFold.h"

namespace qx {

namespace {

namespace ids = skin_images;

constexpr std::size_t kMaxPropertiesBytes = 1 << 20;
// A bitmap of the largest size a skin may use, with room for its headers and colour table.
constexpr std::size_t kMaxBitmapFileBytes = std::size_t{kMaxBitmapSide} * kMaxBitmapSide * 4 + (1 << 16);

constexpr int kBuiltInLookCount = 4;

// The list images of a built-in look; arrows are numbers in the built-in arrow list.
struct BuiltInLook {
    const char* caption;
    bool visible;
    int field, field2, mark, thumb, track, grip;
    int folderArrow;  // its alpha mask is the next number
};
constexpr BuiltInLook kBuiltInLooks[kBuiltInLookCount]{
    {"Windows", false, ids::kWindowsField, ids::kWindowsField, ids::kWindowsMark, ids::kWindowsScrollThumb,
     ids::kWindowsScrollTrack, ids::kWindowsResizeGrip, 1},
    {"MacOS 1", true, ids::kMacField, ids::kMacField2, ids::kMac1Mark, ids::kMacScrollThumb, ids::kMacScrollTrack,
     ids::kMacResizeGrip, 3},
    {"MacOS 2 (andere Markierung)", true, ids::kMacField, ids::kMacField2, ids::kMac2Mark, ids::kMacScrollThumb,
     ids::kMacScrollTrack, ids::kMacResizeGrip, 3},
    {"MacOS 3 (andere Markierung)", false, ids::kMacField, ids::kMacField2, ids::kMac3Mark, ids::kMacScrollThumb,
     ids::kMacScrollTrack, ids::kMacResizeGrip, 1},
};
constexpr int kFileArrow = 5;

// Button file names in WindowButton order.
constexpr const char* kButtonFiles[kWindowButtonCount]{"AlleAnzeigen", "Optionen", "Info", "Schliessen", "Minimieren"};
constexpr int kTextButtonCount = 3;
constexpr const char* kArrowFiles[4]{"16.bmp", "32.bmp", "16 Alpha.bmp", "32 Alpha.bmp"};

ButtonLook& ButtonIn(SkinLook& look, WindowButton button) { return look.buttons[static_cast<std::size_t>(button)]; }

SkinImage Shared(PixelImage image) { return std::make_shared<const PixelImage>(std::move(image)); }

// The look's fields as every built-in look has them. They differ from a key file's
// defaults in FadeFolderSelection, HasTwoArrows and UnderTextColor.
SkinProperties BuiltInProperties() {
    SkinProperties properties;
    properties.fadeFolderSelection = true;
    properties.hasTwoArrows = true;
    properties.underTextColour = 0x000000;
    properties.selectionColour = 0xFFFFFF;
    properties.inputBackColour = 0xDEDEDE;
    properties.windowColour = 0xEDEDED;
    return properties;
}

// The three text buttons show their caption unless the skin hides it, and hover with their
// own images or by darkening.
void ApplyButtonOptions(SkinLook& look) {
    for (int i = 0; i < kTextButtonCount; ++i) {
        look.buttons[static_cast<std::size_t>(i)].hideText = look.properties.hideButtonText;
        look.buttons[static_cast<std::size_t>(i)].hoverStyle =
            look.properties.customHoverButtons ? HoverStyle::Simple : HoverStyle::Darken;
    }
}

}  // namespace

DecodedBitmap ReadBitmapFile(const IFileSystem& files, const std::string& path) {
    std::string bytes;
    const Status read = files.ReadSmallFile(path, kMaxBitmapFileBytes, bytes);
    if (!read) return DecodedBitmap{std::nullopt, read.message()};
    return DecodeBmpFile(bytes);
}

Skin::Skin(SkinSources sources) : sources_(std::move(sources)) {
    if (sources_.resources) {
        for (int id = ids::kTopBarLeft; id <= ids::kMacResizeGrip; ++id) {
            const std::optional<std::string> dib = sources_.resources->BitmapResource(id);
            DecodedBitmap decoded = dib ? DecodeDib(*dib) : DecodedBitmap{};
            if (decoded) builtIn_[id] = Shared(std::move(*decoded.image));
        }
    }
    const int arrows[]{ids::kFolderArrowClassic, ids::kFolderArrowClassicAlpha, ids::kFolderArrowRound,
                       ids::kFolderArrowRoundAlpha, ids::kFileArrow, ids::kFileArrowAlpha};
    for (int number = 1; number <= 6; ++number) arrowBits_.SetBitmap(number, BuiltIn(arrows[number - 1]));
    Reset();
}

SkinImage Skin::BuiltIn(int id) const {
    const auto found = builtIn_.find(id);
    return found == builtIn_.end() ? nullptr : found->second;
}

SkinImage Skin::Keyed(SkinImage image) const {
    if (!noLayer_ || !image) return image;
    PixelImage copy = *image;
    ReplaceMagenta(copy);
    return Shared(std::move(copy));
}

int Skin::ListTop() const {
    if (look_.properties.customObjectPositions) return look_.properties.positions.listTop;
    // Below the text buttons, which sit one pixel below the top bar.
    const SkinImage& bar = BuiltIn(ids::kTopBarLeft);
    const SkinImage& button = ButtonOf(look_, WindowButton::AllEntries).draw;
    return (bar ? bar->height : 0) + 1 + (button ? button->height : 0);
}

void Skin::Reset() {
    SkinLook look;
    look.tag = look_.tag;
    look.properties = BuiltInProperties();
    look.list.fadeRamp = BuiltIn(ids::kSelectionFadeRamp);
    const int drawIds[kWindowButtonCount]{ids::kAllEntriesButton, ids::kOptionsButton, ids::kInfoButton,
                                          ids::kCloseButton, ids::kMinimiseButton};
    for (std::size_t i = 0; i < kWindowButtonCount; ++i) look.buttons[i].draw = BuiltIn(drawIds[i]);
    for (std::size_t i = 0; i < kTextButtonCount; ++i) look.buttons[i].caption = captions_[i];
    ButtonIn(look, WindowButton::Close).hover = BuiltIn(ids::kCloseButtonHover);
    ButtonIn(look, WindowButton::Minimise).hover = BuiltIn(ids::kMinimiseButtonHover);
    ApplyButtonOptions(look);
    look.topLeft = Keyed(BuiltIn(ids::kTopBarLeft));
    look.topRight = Keyed(BuiltIn(ids::kTopBarRight));
    look.inputBar = BuiltIn(ids::kTopBarMiddle);
    look.windowColour = look.properties.windowColour;
    look.inputBackColour = look.properties.inputBackColour;
    look_ = std::move(look);
    pristineBackground_ = bottomImage_ = nullptr;
}

SkinOutcome Skin::SelectAtStartup(int tag, const std::string& customSkin) {
    if (tag < kFirstCustomTag) return ChooseBuiltIn(std::max(tag, 0));
    SkinOutcome outcome = LoadCustomSkin(customSkin);
    return outcome ? outcome : LoadRowImages();
}

std::vector<ThemeMenuItem> Skin::MenuItems() const {
    std::vector<ThemeMenuItem> items;
    for (int tag = 0; tag < kBuiltInLookCount; ++tag) {
        const BuiltInLook& builtIn = kBuiltInLooks[tag];
        items.push_back({builtIn.caption, tag, builtIn.visible, chosen_ && look_.tag == tag, false});
    }
    // Every entry is listed, plain files too ("*" finds what "*.*" finds on Windows).
    std::vector<FoundItem> found = sources_.files.FindItems(sources_.skinsFolder, "*");
    std::sort(found.begin(), found.end(),
              [](const FoundItem& a, const FoundItem& b) { return CompareText(a.name, b.name) < 0; });
    for (const FoundItem& item : found) {
        if (static_cast<int>(items.size()) >= kMaxThemeItems) break;
        const bool checked = look_.tag >= kFirstCustomTag && SameText(item.name, name_);
        items.push_back({item.name, kFirstCustomTag, true, checked, items.size() == kBuiltInLookCount});
    }
    return items;
}

SkinOutcome Skin::Choose(const ThemeMenuItem& item) {
    if (item.tag >= 0 && item.tag < kFirstCustomTag) return ChooseBuiltIn(item.tag);
    if (item.tag > kMaxThemeItems || item.tag < 0) return std::nullopt;
    SkinOutcome outcome = LoadCustomSkin(item.caption);
    return outcome ? outcome : LoadRowImages();
}

SkinOutcome Skin::ChooseBuiltIn(int tag) {
    if (tag < 0 || tag >= kBuiltInLookCount) return std::nullopt;
    const BuiltInLook& builtIn = kBuiltInLooks[tag];
    // The look already shown keeps its fields; the frame is keyed afresh all the same.
    if (!chosen_ || look_.isCustom || shownBuiltIn_ != tag) {
        Reset();
        ListLook& list = look_.list;
        list.field = BuiltIn(builtIn.field);
        list.field2 = BuiltIn(builtIn.field2);
        list.mark = BuiltIn(builtIn.mark);
        list.scrollThumb = BuiltIn(builtIn.thumb);
        list.scrollTrack = BuiltIn(builtIn.track);
        list.grip = BuiltIn(builtIn.grip);
        shownBuiltIn_ = tag;
    }
    const SkinImage& folder = arrowBits_.Bitmap(builtIn.folderArrow);
    const SkinImage& folderAlpha = arrowBits_.Bitmap(builtIn.folderArrow + 1);
    const SkinImage& file = arrowBits_.Bitmap(kFileArrow);
    const SkinImage& fileAlpha = arrowBits_.Bitmap(kFileArrow + 1);
    look_.arrows = {folder, folder, folderAlpha, folderAlpha, file, file, fileAlpha, fileAlpha};
    look_.topLeft = Keyed(BuiltIn(ids::kTopBarLeft));
    look_.topRight = Keyed(BuiltIn(ids::kTopBarRight));
    look_.tag = tag;
    chosen_ = true;
    return std::nullopt;
}

bool Skin::LoadFile(const std::string& file, bool alphaMask, SkinImage& image, SkinFailure& failure) const {
    DecodedBitmap decoded = ReadBitmapFile(sources_.files, path_ + file);
    if (!decoded) {
        failure.detail = file + ": " + decoded.error;
        return false;
    }
    // Masks weigh the image's channels; tinting them would change the blend, not the colour.
    if (released_ && !alphaMask) TintReleased(*decoded.image);
    image = Shared(std::move(*decoded.image));
    return true;
}

SkinOutcome Skin::LoadCustomSkin(const std::string& name) {
    name_ = name;
    path_ = sources_.skinsFolder + name + "\\";
    SkinFailure failure{name, {}, true};
    // Built apart and taken over whole, so that a failure part-way leaves nothing half-loaded.
    SkinLook next = look_;
    SkinImage pristine, bottom;
    const auto load = [&](const std::string& file, SkinImage& into, bool alphaMask = false) {
        return LoadFile(file, alphaMask, into, failure);
    };
    const auto loaded = [&]() -> bool {
        std::string text;
        const std::string propertiesFile = path_ + "properties.cfg";
        if (sources_.files.FileExists(propertiesFile)) {
            const Status read = sources_.files.ReadSmallFile(propertiesFile, kMaxPropertiesBytes, text);
            if (!read) {
                failure.detail = "properties.cfg: " + read.message();
                return false;
            }
        }
        // Keys left out take the key file's defaults; positions stay unless the file sets them.
        SkinPropertiesRead read = ReadSkinProperties(text, look_.properties.positions);
        if (!read.malformedKeys.empty()) {
            failure.detail = "properties.cfg:";
            for (const std::string& key : read.malformedKeys)
                failure.detail += (key == read.malformedKeys.front() ? " " : ", ") + key;
            return false;
        }
        next.properties = read.properties;
        const SkinProperties& p = next.properties;
        ListLook& list = next.list;

        list.scrollThumbAlpha = nullptr;
        if (!load("Scrollleiste\\Balken.bmp", list.scrollThumb) ||
            (p.alphaScrollbar && !load("Scrollleiste\\Balken_alpha.bmp", list.scrollThumbAlpha, true)) ||
            !load("Scrollleiste\\Hintergrund.bmp", list.scrollTrack))
            return false;
        // Folder arrows 16, 32, their masks; then the file arrows, the same images without
        // HasTwoArrows.
        for (std::size_t i = 0; i < 8; ++i) {
            const bool fileArrow = i >= 4;
            if (fileArrow && !p.hasTwoArrows) {
                next.arrows[i] = next.arrows[i - 4];
                continue;
            }
            const std::string prefix = p.hasTwoArrows ? (fileArrow ? "Fl_" : "Dir_") : "";
            if (!load("Pfeile\\" + prefix + kArrowFiles[i % 4], next.arrows[i], i % 4 >= 2)) return false;
        }

        // The built-in frame, unless the skin draws the whole window.
        next.topLeft = Keyed(BuiltIn(ids::kTopBarLeft));
        next.topRight = Keyed(BuiltIn(ids::kTopBarRight));
        next.topLeftVisible = next.topRightVisible = true;
        next.topRightTransparent = false;
        if (p.hasBackBitmap) {
            if (!load("Hintergrund\\FullBackground.bmp", pristine)) return false;
            pristine = Keyed(pristine);
            next.topLeftVisible = false;
            next.topRightVisible = !p.hideResizer;
            if (!p.hideResizer) {
                if (!load("Leiste\\TranspBitmap.bmp", next.topRight)) return false;
                next.topRight = Keyed(next.topRight);
                next.topRightTransparent = true;
            }
        }
        if (p.hasBottomImage) {
            if (!load("Hintergrund\\BottomImage.bmp", bottom)) return false;
            bottom = Keyed(bottom);
        }
        // The grip is read only where it is drawn: on the window, or in the list unless hidden.
        next.windowGrip = list.grip = nullptr;
        if (p.resizerToForm) {
            if (!load("Scrollleiste\\Resizer.bmp", next.windowGrip)) return false;
            next.windowGrip = Keyed(next.windowGrip);
        } else if (!p.hideResizer && !load("Scrollleiste\\Resizer.bmp", list.grip)) {
            return false;
        }

        for (std::size_t i = 0; i < kWindowButtonCount; ++i) {
            ButtonLook& button = next.buttons[i];
            button.hover = button.down = nullptr;
            button.useDownBitmap = p.customDownButtons;
            if (!load(std::string("Buttons\\") + kButtonFiles[i] + ".bmp", button.draw)) return false;
        }
        if (!load("Buttons\\Schliessen X.bmp", ButtonIn(next, WindowButton::Close).hover) ||
            !load("Buttons\\Minimieren -.bmp", ButtonIn(next, WindowButton::Minimise).hover))
            return false;
        for (std::size_t i = 0; i < kTextButtonCount && p.customHoverButtons; ++i)
            if (!load(std::string("Buttons\\") + kButtonFiles[i] + "_hov.bmp", next.buttons[i].hover)) return false;
        for (std::size_t i = 0; i < kWindowButtonCount && p.customDownButtons; ++i) {
            const std::string suffix = i < kTextButtonCount ? "_dow.bmp" : " dow.bmp";
            if (!load(std::string("Buttons\\") + kButtonFiles[i] + suffix, next.buttons[i].down)) return false;
        }

        list.cropRight = p.listCropRight;
        list.cropBottom = p.listCropBottom;
        list.selectionColour = p.selectionColour;
        list.unselectedTextColour = p.unselectedTextColour;
        next.buttonFont = ButtonFont{p.buttonsFontName, p.buttonsFontHeight, p.buttonsFontBold, p.buttonsFontColour};
        next.windowColour = p.windowColour;
        next.inputBackColour = p.inputBackColour;
        next.inputTextColour = p.inputTextColour;
        next.inputFontName = p.inputFontName;
        next.inputFontBold = p.inputFontBold;
        ApplyButtonOptions(next);
        return true;
    };

    if (!loaded()) {
        Reset();
        shownBuiltIn_ = -1;
        ChooseBuiltIn(kMacOS1Tag);
        return failure;
    }
    next.isCustom = true;
    next.tag = kFirstCustomTag;
    next.background = pristine;
    look_ = std::move(next);
    pristineBackground_ = std::move(pristine);
    bottomImage_ = std::move(bottom);
    shownBuiltIn_ = -1;
    chosen_ = true;
    LoadBackground();
    return std::nullopt;
}

SkinOutcome Skin::LoadRowImages() {
    if (!look_.isCustom) return std::nullopt;
    const std::string size = std::to_string(rowIconSize_);
    const std::string mark = "Zeilen\\Markierung\\Markierung_";
    const SkinProperties& p = look_.properties;
    SkinFailure failure{name_, {}, false};
    // All or nothing: a missing one leaves the list with the images it had.
    ListLook list = look_.list;
    list.markAlpha = list.leftCap = list.leftCapAlpha = list.rightCap = list.rightCapAlpha = nullptr;
    if (!LoadFile("Zeilen\\Felder\\Feld_" + size + ".bmp", false, list.field, failure) ||
        !LoadFile(mark + size + ".bmp", false, list.mark, failure) ||
        (p.alphaMark && !LoadFile(mark + size + "_alpha.bmp", true, list.markAlpha, failure)))
        return failure;
    if (p.allRoundMark &&
        (!LoadFile(mark + "li_" + size + ".bmp", false, list.leftCap, failure) ||
         !LoadFile(mark + "li_" + size + "_alpha.bmp", true, list.leftCapAlpha, failure) ||
         !LoadFile(mark + "re_" + size + ".bmp", false, list.rightCap, failure) ||
         !LoadFile(mark + "re_" + size + "_alpha.bmp", true, list.rightCapAlpha, failure)))
        return failure;
    list.field2 = list.field;
    look_.list = std::move(list);
    return std::nullopt;
}

SkinOutcome Skin::SetRowIconSize(int iconSize) {
    if (iconSize == rowIconSize_) return std::nullopt;
    rowIconSize_ = iconSize;
    return LoadRowImages();
}

SkinOutcome Skin::Reapply() {
    if (!chosen_) return std::nullopt;
    if (!look_.isCustom) {
        shownBuiltIn_ = -1;
        return ChooseBuiltIn(look_.tag);
    }
    SkinOutcome outcome = LoadCustomSkin(name_);
    return outcome ? outcome : LoadRowImages();
}

SkinOutcome Skin::SetNoLayer(bool noLayer) {
    if (noLayer == noLayer_) return std::nullopt;
    noLayer_ = noLayer;
    return Reapply();
}

SkinOutcome Skin::SetReleased() {
    if (released_) return std::nullopt;
    released_ = true;
    return Reapply();
}

void Skin::LoadBackground() {
    customBackground_ = nullptr;
    look_.background = pristineBackground_;
    if (!look_.properties.allowCustomBackground || customBackgroundPath_.empty()) return;
    // A picture that has gone or cannot be read leaves the skin's own background.
    DecodedBitmap picture = ReadBitmapFile(sources_.files, customBackgroundPath_);
    if (picture) customBackground_ = Shared(std::move(*picture.image));
}

void Skin::SetCustomBackgroundPath(std::string path) {
    customBackgroundPath_ = std::move(path);
    LoadBackground();
}

bool Skin::ComposeBackground(int windowHeight, int listWidth, int listHeight) {
    const SkinProperties& p = look_.properties;
    const bool bottom = p.hasBottomImage && bottomImage_;
    const bool picture = p.allowCustomBackground && customBackground_;
    if (!pristineBackground_ || (!bottom && !picture)) {
        const bool changed = look_.background != pristineBackground_;
        look_.background = pristineBackground_;
        return changed;
    }
    PixelImage composed = *pristineBackground_;
    if (bottom) DrawImage(composed, *bottomImage_, 0, windowHeight - bottomImage_->height);
    if (picture) DrawImage(composed, *customBackground_, p.listLeft, ListTop(), listWidth, listHeight);
    look_.background = Shared(std::move(composed));
    return true;
}

void Skin::SetButtonCaptions(const std::string& allEntries, const std::string& options, const std::string& info) {
    captions_ = {allEntries, options, info};
    for (std::size_t i = 0; i < kTextButtonCount; ++i) look_.buttons[i].caption = captions_[i];
}

}  // namespace qx
