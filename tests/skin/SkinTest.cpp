#include <gtest/gtest.h>

#include <functional>

#include "fakes/FakeResources.h"
#include "skin/Skin.h"
#include "skin/SkinTestFiles.h"
#include "skin/images/SkinImageIds.h"

namespace qx {
namespace {

using Pixels = std::vector<std::uint32_t>;
using test::Bmp24;
using test::SolidBmp;
namespace ids = skin_images;
const std::string kSkins = "C:\\Q\\Quillox-Data\\Skins\\";
const std::string kMissing = ": The system cannot find the file specified.";
constexpr std::uint32_t kMagenta = 0xFF00FF;

// Each built-in image is one colour, its resource id; the top-left bar has a magenta corner.
test::FakeResources BuiltInImages() {
    test::FakeResources resources;
    for (int id = ids::kTopBarLeft; id <= ids::kMacResizeGrip; ++id) resources.bitmaps[id] = SolidBmp(2, 2, id).substr(14);
    resources.bitmaps[ids::kTopBarLeft] = Bmp24(2, 1, {kMagenta, 0x123456}).substr(14);
    return resources;
}

std::uint32_t Colour(const SkinImage& image) { return image ? image->pixels.at(0) & 0xFFFFFF : 0xDEAD; }

class SkinTest : public ::testing::Test {
protected:
    void PutSkin(const std::string& name, const std::string& properties = "") {
        test::PutSkinFolder(files, kSkins + name + "\\", properties);
    }
    SkinOutcome Choose(const std::string& name) { return skin.Choose({name, kFirstCustomTag}); }
    Pixels Background() const {
        Pixels pixels = skin.look().background->pixels;
        for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
        return pixels;
    }

    test::FakeFileSystem files;
    test::FakeResources resources = BuiltInImages();
    Skin skin{SkinSources{files, &resources, kSkins}};
};

TEST_F(SkinTest, ABuiltInLookTakesItsImagesFromTheResourcesAndIsKeptWhenChosenAgain) {
    EXPECT_FALSE(skin.ChooseBuiltIn(3));
    const SkinLook& look = skin.look();
    EXPECT_EQ((Pixels{Colour(look.list.mark), Colour(look.list.field2), Colour(look.arrows[1]), Colour(look.arrows[3]),
                      Colour(look.arrows[5]), Colour(ButtonOf(look, WindowButton::Close).hover)}),
              (Pixels{ids::kMac3Mark, ids::kMacField2, ids::kFolderArrowClassic, ids::kFolderArrowClassicAlpha,
                      ids::kFileArrow, ids::kCloseButtonHover}));
    EXPECT_EQ(look.list.selectionColour, 0xFFFFFFu);
    EXPECT_TRUE(look.properties.fadeFolderSelection && look.properties.hasTwoArrows);
    const SkinImage mark = look.list.mark;
    EXPECT_FALSE(skin.ChooseBuiltIn(3));  // already shown: kept as it is
    EXPECT_EQ(skin.look().list.mark, mark);
}

TEST_F(SkinTest, KeysLeftOutTakeTheKeyFileDefaultsAndAMissingRowImageKeepsTheListsImages) {
    PutSkin("Plain");
    EXPECT_FALSE(Choose("Plain"));
    EXPECT_TRUE(skin.isCustom());
    EXPECT_EQ(skin.look().properties, SkinProperties{});

    PutSkin("Odd", "UnderTextColor=\r\nSelectionColor=10,20,30\r\nShowFields=2\r\n");
    EXPECT_FALSE(Choose("Odd"));
    EXPECT_EQ(skin.look().properties.underTextColour, 0xFFFFFFu);
    EXPECT_EQ(skin.look().list.selectionColour, 0x1E140Au);
    EXPECT_FALSE(skin.look().properties.showFields);

    const SkinImage field = skin.look().list.field;
    const SkinOutcome outcome = skin.SetRowIconSize(32);
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->fellBack);
    EXPECT_EQ(outcome->detail, "Zeilen\\Felder\\Feld_32.bmp" + kMissing);
    EXPECT_EQ(skin.look().list.field, field);
    EXPECT_TRUE(skin.isCustom());
}

TEST_F(SkinTest, AFaultySkinFallsBackToMacOS1NamingWhatFailed) {
    const std::string folder = kSkins + "Broken\\";
    const struct {
        std::string properties;
        std::function<void()> damage;
        std::string detail;
    } cases[] = {
        {"", [&] { files.Put(folder + "Buttons\\Info.bmp", SolidBmp(2, 2, 0).substr(0, 60)); },
         "Buttons\\Info.bmp: the pixel data is cut off"},
        {"", [&] { (void)files.DeleteFile(folder + "Scrollleiste\\Hintergrund.bmp"); },
         "Scrollleiste\\Hintergrund.bmp" + kMissing},
        {"ListboxLeft=wide\r\nUnselTextCol=1,2\r\nAlphaMark=1", [] {}, "properties.cfg: ListboxLeft, UnselTextCol"},
    };
    for (const auto& c : cases) {
        (void)files.DeleteFile(folder + "properties.cfg");
        PutSkin("Broken", c.properties);
        c.damage();
        const SkinOutcome outcome = Choose("Broken");
        ASSERT_TRUE(outcome) << c.detail;
        EXPECT_EQ(outcome->skinName + "|" + outcome->detail, "Broken|" + c.detail);
        EXPECT_TRUE(outcome->fellBack);
        EXPECT_EQ(skin.tag(), kMacOS1Tag);
        EXPECT_FALSE(skin.isCustom());
        EXPECT_EQ(Colour(skin.look().list.mark), std::uint32_t(ids::kMac1Mark));
        EXPECT_EQ(skin.look().properties.listLeft, 2);
    }
}

TEST_F(SkinTest, TheMenuListsEveryEntryOfTheSkinsFolderAndTicksTheActiveOne) {
    PutSkin("Slate");
    PutSkin("aqua");
    files.Put(kSkins + "readme.txt", "not a skin");
    EXPECT_FALSE(Choose("Slate"));
    std::string menu;  // caption, tag, then visible, checked, separator before
    for (const ThemeMenuItem& item : skin.MenuItems())
        menu += item.caption + " " + std::to_string(item.tag) + (item.visible ? "v" : "-") + (item.checked ? "c" : "-") +
                (item.separatorBefore ? "s|" : "-|");
    EXPECT_EQ(menu, "Windows 0---|MacOS 1 1v--|MacOS 2 (andere Markierung) 2v--|MacOS 3 (andere Markierung) 3---|"
                    "aqua 4v-s|readme.txt 4v--|Slate 4vc-|");
    // The plain file is offered and fails as a folder without bitmaps would.
    const SkinOutcome outcome = Choose("readme.txt");
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->detail, "Scrollleiste\\Balken.bmp" + kMissing);
}

TEST_F(SkinTest, MagentaTurnsGreyWithoutLayeringAndAReleasedWindowIsTinted) {
    PutSkin("Slate", "HasBackBitmap=1\r\nAlphaScrollbar=1\r\n");
    files.Put(kSkins + "Slate\\Hintergrund\\FullBackground.bmp", Bmp24(2, 1, {kMagenta, 0x102030}));
    files.Put(kSkins + "Slate\\Scrollleiste\\Balken_alpha.bmp", SolidBmp(1, 1, 0x808080));
    EXPECT_FALSE(Choose("Slate"));
    EXPECT_EQ(Background(), (Pixels{kMagenta, 0x102030}));
    EXPECT_FALSE(skin.SetNoLayer(true));
    EXPECT_EQ(Background(), (Pixels{0xDEDEDE, 0x102030}));
    EXPECT_FALSE(skin.SetReleased());
    EXPECT_EQ(Background(), (Pixels{0xDEDEDE, 0x243430}));
    EXPECT_EQ(Colour(ButtonOf(skin.look(), WindowButton::Info).draw), 0x545440u);
    EXPECT_EQ(Colour(skin.look().list.scrollThumbAlpha), 0x808080u);  // masks stay as they are
    EXPECT_FALSE(skin.SetNoLayer(false));
    EXPECT_EQ(Background(), (Pixels{kMagenta, 0x243430}));

    EXPECT_FALSE(skin.SetNoLayer(true));
    EXPECT_FALSE(skin.ChooseBuiltIn(2));
    EXPECT_EQ(skin.look().topLeft->pixels, (Pixels{0xFFDEDEDE, 0xFF123456}));
}

TEST_F(SkinTest, TheBackgroundGetsTheBottomImageAndThePictureUnderTheList) {
    PutSkin("Pic", "HasBackBitmap=1\r\nHasBottomImage=1\r\nAllowCustomBackground=1\r\nListboxLeft=1\r\n"
                   "CustomObjectPositions=1\r\nListboxTop=1\r\n");
    files.Put(kSkins + "Pic\\Hintergrund\\FullBackground.bmp", SolidBmp(4, 4, 1));
    files.Put(kSkins + "Pic\\Hintergrund\\BottomImage.bmp", SolidBmp(4, 1, 2));
    files.Put("C:\\pic.bmp", SolidBmp(3, 3, 3));
    skin.SetCustomBackgroundPath("C:\\pic.bmp");
    EXPECT_FALSE(Choose("Pic"));
    EXPECT_TRUE(skin.ComposeBackground(3, 2, 1));
    EXPECT_EQ(Background(), (Pixels{1, 1, 1, 1, 1, 3, 3, 1, 2, 2, 2, 2, 1, 1, 1, 1}));
    EXPECT_TRUE(skin.ComposeBackground(4, 9, 9));  // clipped to the picture and the background
    EXPECT_EQ(Background(), (Pixels{1, 1, 1, 1, 1, 3, 3, 3, 1, 3, 3, 3, 2, 3, 3, 3}));
    EXPECT_TRUE(skin.ComposeBackground(0, 1, 1));  // the bottom image is above the top: left out
    EXPECT_EQ(Background(), (Pixels{1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    skin.SetCustomBackgroundPath("C:\\gone.bmp");  // ignored: the skin's own background stays
    EXPECT_TRUE(skin.ComposeBackground(4, 2, 2));
    EXPECT_EQ(Background(), (Pixels{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2}));
}

}  // namespace
}  // namespace qx
