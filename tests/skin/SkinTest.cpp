#include <gtest/gtest.h>

#include "fakes/FakeFileSystem.h"
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

TEST_F(SkinTest, BuiltInLooksTakeTheirListImagesAndArrowsFromTheResources) {
    const struct {
        int tag, mark, field2, folderArrow;
    } cases[] = {
        {0, ids::kWindowsMark, ids::kWindowsField, ids::kFolderArrowClassic},
        {1, ids::kMac1Mark, ids::kMacField2, ids::kFolderArrowRound},
        {2, ids::kMac2Mark, ids::kMacField2, ids::kFolderArrowRound},
        {3, ids::kMac3Mark, ids::kMacField2, ids::kFolderArrowClassic},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(skin.ChooseBuiltIn(c.tag));
        const SkinLook& look = skin.look();
        EXPECT_EQ(Colour(look.list.mark), std::uint32_t(c.mark)) << c.tag;
        EXPECT_EQ(Colour(look.list.field2), std::uint32_t(c.field2)) << c.tag;
        EXPECT_EQ(Colour(look.arrows[1]), std::uint32_t(c.folderArrow)) << c.tag;
        EXPECT_EQ(Colour(look.arrows[3]), std::uint32_t(c.folderArrow + 1)) << c.tag;
        EXPECT_EQ(Colour(look.arrows[5]), std::uint32_t(ids::kFileArrow)) << c.tag;
        EXPECT_EQ(look.list.selectionColour, 0xFFFFFFu);
        EXPECT_TRUE(look.properties.fadeFolderSelection && look.properties.hasTwoArrows);
    }
    // Choosing the look already shown keeps it as it is.
    const SkinImage mark = skin.look().list.mark;
    EXPECT_FALSE(skin.ChooseBuiltIn(3));
    EXPECT_EQ(skin.look().list.mark, mark);
}

TEST_F(SkinTest, KeysLeftOutTakeTheKeyFileDefaults) {
    PutSkin("Plain");
    EXPECT_FALSE(Choose("Plain"));
    EXPECT_TRUE(skin.isCustom());
    EXPECT_EQ(skin.tag(), kFirstCustomTag);
    EXPECT_EQ(skin.look().properties, SkinProperties{});

    PutSkin("Odd", "UnderTextColor=\r\nSelectionColor=10,20,30\r\nShowFields=2\r\n");
    EXPECT_FALSE(Choose("Odd"));
    const SkinLook& look = skin.look();
    EXPECT_EQ(look.properties.underTextColour, 0xFFFFFFu);
    EXPECT_EQ(look.list.selectionColour, 0x1E140Au);
    EXPECT_FALSE(look.properties.showFields);
}

TEST_F(SkinTest, AFaultySkinFallsBackToMacOS1NamingWhatFailed) {
    const std::string folder = kSkins + "Broken\\";
    const struct {
        std::string properties;
        std::function<void(test::FakeFileSystem&)> damage;
        std::string detail;
    } cases[] = {
        {"", [&](auto& fs) { fs.Put(folder + "Buttons\\Info.bmp", SolidBmp(2, 2, 0).substr(0, 60)); },
         "Buttons\\Info.bmp: the pixel data is cut off"},
        {"", [&](auto& fs) { (void)fs.DeleteFile(folder + "Scrollleiste\\Hintergrund.bmp"); },
         "Scrollleiste\\Hintergrund.bmp: The system cannot find the file specified."},
        {"HasBackBitmap=1",
         [&](auto& fs) { fs.Put(folder + "Hintergrund\\FullBackground.bmp", test::FileOf(test::InfoHeader(5000, 10, 24), 40)); },
         "Hintergrund\\FullBackground.bmp: the bitmap is too large (5000 x 10; at most 4096 x 4096)"},
        {"ListboxLeft=wide\r\nUnselTextCol=1,2\r\nAlphaMark=1", [](auto&) {}, "properties.cfg: ListboxLeft, UnselTextCol"},
    };
    for (const auto& c : cases) {
        PutSkin("Broken", c.properties);
        c.damage(files);
        const SkinOutcome outcome = Choose("Broken");
        ASSERT_TRUE(outcome) << c.detail;
        EXPECT_EQ(outcome->skinName, "Broken");
        EXPECT_EQ(outcome->detail, c.detail);
        EXPECT_TRUE(outcome->fellBack);
        EXPECT_EQ(skin.tag(), kMacOS1Tag);
        EXPECT_FALSE(skin.isCustom());
        EXPECT_EQ(Colour(skin.look().list.mark), std::uint32_t(ids::kMac1Mark));
        EXPECT_EQ(skin.look().properties.listLeft, 2);
        (void)files.DeleteFile(folder + "properties.cfg");
    }
}

TEST_F(SkinTest, TheMenuListsEveryEntryOfTheSkinsFolderAndTicksTheActiveOne) {
    PutSkin("Slate");
    PutSkin("aqua");
    files.Put(kSkins + "readme.txt", "not a skin");
    EXPECT_FALSE(Choose("Slate"));
    std::vector<std::string> captions;
    std::string flags;  // visible, checked, separator before
    for (const ThemeMenuItem& item : skin.MenuItems()) {
        captions.push_back(item.caption);
        flags += std::string(item.visible ? "v" : "-") + (item.checked ? "c" : "-") + (item.separatorBefore ? "s " : "- ");
        EXPECT_EQ(item.tag, std::min<int>(captions.size() - 1, kFirstCustomTag));
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Windows", "MacOS 1", "MacOS 2 (andere Markierung)",
                                                  "MacOS 3 (andere Markierung)", "aqua", "readme.txt", "Slate"}));
    EXPECT_EQ(flags, "--- v-- v-- --- v-s v-- vc- ");
    // The plain file is offered and fails like any folder without bitmaps.
    const SkinOutcome outcome = Choose("readme.txt");
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->detail, "Scrollleiste\\Balken.bmp: The system cannot find the file specified.");
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
    EXPECT_EQ(Colour(ButtonOf(skin.look(), WindowButton::Info).draw), std::uint32_t(ids::kInfoButton));
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
    skin.SetCustomBackgroundPath("C:\\gone.bmp");  // ignored: the skin's own background stays
    EXPECT_TRUE(skin.ComposeBackground(4, 2, 2));
    EXPECT_EQ(Background(), (Pixels{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2}));
}

TEST_F(SkinTest, AMissingRowImageKeepsTheListsImagesAndIsReported) {
    PutSkin("Slate");
    EXPECT_FALSE(Choose("Slate"));
    const SkinImage field = skin.look().list.field;
    const SkinOutcome outcome = skin.SetRowIconSize(32);
    ASSERT_TRUE(outcome);
    EXPECT_FALSE(outcome->fellBack);
    EXPECT_EQ(outcome->detail, "Zeilen\\Felder\\Feld_32.bmp: The system cannot find the file specified.");
    EXPECT_EQ(skin.look().list.field, field);
    EXPECT_TRUE(skin.isCustom());
}

}  // namespace
}  // namespace qx
