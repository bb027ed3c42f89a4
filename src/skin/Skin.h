#pragma once
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Resources.h"
#include "skin/BitmapList.h"
#include "skin/BmpImage.h"
#include "skin/SkinLook.h"
#include "skin/ThemeMenu.h"

namespace qx {

// Why a skin did not load: the skin's name and what failed, "Buttons\Info.bmp: not a bitmap
// file" or "properties.cfg: ListboxLeft". fellBack: the load was abandoned and the window
// shows "MacOS 1" instead; otherwise (row images) the list kept its previous images.
struct SkinFailure {
    std::string skinName;
    std::string detail;
    bool fellBack = true;
};
using SkinOutcome = std::optional<SkinFailure>;

struct SkinSources {
    IFileSystem& files;
    const IResources* resources = nullptr;  // none: the built-in looks have no images
    std::string skinsFolder;                // with its trailing backslash
};

// Reads and decodes a bitmap file of at most the largest size a skin may use.
DecodedBitmap ReadBitmapFile(const IFileSystem& files, const std::string& path);

inline constexpr int kFirstCustomTag = 4;
inline constexpr int kMacOS1Tag = 1;
// The Theme menu holds at most this many items, built-in ones included.
inline constexpr int kMaxThemeItems = 400;
// The row icon sizes a custom skin has row images for.
inline constexpr int kSmallRowIcons = 16;

// The active look of the main window: one of the four built-in looks, whose images are
// compiled into the program, or a custom skin, a folder of bitmaps with a "properties.cfg"
// in the skins folder. Each change produces a complete SkinLook for the window to draw.
class Skin {
public:
    explicit Skin(SkinSources sources);

    const SkinLook& look() const { return look_; }
    int tag() const { return look_.tag; }           // 0..3 built in, 4 custom
    const std::string& name() const { return name_; }  // the custom skin loaded last
    bool isCustom() const { return look_.isCustom; }
    bool noLayer() const { return noLayer_; }
    bool chosen() const { return chosen_; }  // a look has been chosen since start
    const std::string& customBackgroundPath() const { return customBackgroundPath_; }
    // Where the result list's top sits in this look.
    int ListTop() const;

    // The look stored in the settings: tag 0..3 a built-in look, above 3 the custom skin
    // customSkin (falling back to "MacOS 1" when it cannot be loaded).
    SkinOutcome SelectAtStartup(int tag, const std::string& customSkin);
    // The Theme menu as it opens: the built-in looks (positions 0..3 = tags 0..3), then every
    // entry of the skins folder, sorted, the active one ticked.
    std::vector<ThemeMenuItem> MenuItems() const;
    // A Theme menu choice. Choosing the built-in look already shown keeps everything as it is.
    SkinOutcome Choose(const ThemeMenuItem& item);
    SkinOutcome ChooseBuiltIn(int tag);
    SkinOutcome LoadCustomSkin(const std::string& name);

    // The row icon size (16, 32 or 48): a custom skin loads its row images for it. A missing
    // row image leaves the list's images as they were and is reported (not fallen back).
    SkinOutcome SetRowIconSize(int iconSize);
    // Whether the window is layered; a change re-applies the look so that magenta turns grey
    // or back. Before the first look is chosen it is only remembered.
    SkinOutcome SetNoLayer(bool noLayer);
    // The window was handed over to a new instance: the custom skin's images are re-read tinted.
    SkinOutcome SetReleased();

    // The user's own picture under the list (custom skins that allow it); empty: none. A file
    // that cannot be read is ignored.
    void SetCustomBackgroundPath(std::string path);
    // Lays the bottom image and the user's picture onto the pristine background for a window
    // of this height whose list has this size; true when the look's background changed.
    bool ComposeBackground(int windowHeight, int listWidth, int listHeight);
    // Captions of the "all entries", options and info buttons, in the current language.
    void SetButtonCaptions(const std::string& allEntries, const std::string& options, const std::string& info);

private:
    SkinImage BuiltIn(int id) const;
    // A frame image as the window shows it: magenta turns grey while the window is not layered.
    SkinImage Keyed(SkinImage image) const;
    // The built-in frame, buttons and fields; the list images stay until a look sets them.
    void Reset();
    void LoadBackground();
    SkinOutcome Reapply();
    // Reads one bitmap of the skin folder into image, tinted in a released window unless it
    // is an alpha mask; false (and failure's detail set) when it fails.
    bool LoadFile(const std::string& file, bool alphaMask, SkinImage& image, SkinFailure& failure) const;
    SkinOutcome LoadRowImages();

    SkinSources sources_;
    std::map<int, SkinImage> builtIn_;  // by resource id
    BitmapList arrowBits_;              // the built-in row arrows
    SkinLook look_;
    std::string name_;
    std::string path_;  // skinsFolder + name + "\"
    bool chosen_ = false;  // a look has been chosen since start
    int shownBuiltIn_ = -1;  // the built-in look the list shows, -1: none
    bool noLayer_ = false;
    bool released_ = false;
    int rowIconSize_ = kSmallRowIcons;
    std::array<std::string, 3> captions_;
    std::string customBackgroundPath_;
    SkinImage pristineBackground_, customBackground_, bottomImage_;
};

}  // namespace qx
