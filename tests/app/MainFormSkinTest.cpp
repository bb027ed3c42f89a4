#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/FakeMainWindowView.h"
#include "app/MainForm.h"
#include "app/OptionsMenu.h"
#include "fakes/FakeClipboard.h"
#include "fakes/FakeFileDialogs.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeKeyboardState.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeResources.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeSystemInfo.h"
#include "skin/SkinTestFiles.h"
#include "store/EntryStore.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

const std::string kExe = "C:\\Apps\\Quillox\\Quillox.exe";
const std::string kData = "C:\\Apps\\Quillox\\Quillox-Data\\";
const std::string kSlate = kData + "Skins\\Slate\\";

class FormSkinTest : public ::testing::Test {
protected:
    FormSkinTest() {
        files.Put(kData + "OldOrders.txt", "");
        test::PutSkinFolder(files, kSlate, "HasBackBitmap=1\r\n");
        files.Put(kSlate + "Hintergrund\\FullBackground.bmp", test::Bmp24(2, 1, {0xFF00FF, 0x102030}));
    }
    void Start(const std::string& config) {
        files.Put(kData + "config.cfg", config);
        form.FormCreate(kExe, {});
        form.OnStartupTick();
    }
    std::uint32_t Corner() const { return view.look.background->pixels.at(0) & 0xFFFFFF; }
    bool ConfigHas(const std::string& line) const {
        return files.Get(kData + "config.cfg").find(line + "\r\n") != std::string::npos;
    }

    test::FakeFileSystem files;
    test::FakeSystemInfo system;
    test::FakeMessageBoxes boxes;
    test::FakeClock clock;
    test::FakeKeyboardState keyboard;
    test::FakeRegistry registry;
    test::FakeResources resources;
    test::FakeFileDialogs dialogs;
    test::FakeMainWindowView view{clock};
    MainForm form{view, PlatformServices{files, system, boxes, clock, keyboard, std::make_shared<test::FakeClipboard>(),
                                         std::make_shared<test::FakeShellLauncher>(), registry, nullptr, nullptr,
                                         nullptr, &dialogs, nullptr, &resources}};
};

TEST_F(FormSkinTest, TheStoredSkinIsShownAndEachMenuChoiceIsAppliedAndSaved) {
    Start("MacOSSkin=4\r\nCustomSkin=Slate\r\nOpacity=-1\r\n");
    EXPECT_EQ(view.look.tag, 4);
    EXPECT_EQ(Corner(), 0xDEDEDEu);  // not layered: the corners are grey
    EXPECT_EQ(ButtonOf(view.look, WindowButton::AllEntries).caption, LangText(texts::ShowAllEntries, 0));

    const std::vector<ThemeMenuItem> items = form.ThemeMenuItems();
    ASSERT_EQ(items.size(), 5u);
    EXPECT_TRUE(items[4].checked);
    form.ChooseTheme(items[1]);
    EXPECT_EQ(view.look.tag, 1);
    EXPECT_TRUE(ConfigHas("MacOSSkin=1"));
    form.ChooseTheme(items[4]);
    EXPECT_EQ(view.look.tag, 4);
    EXPECT_TRUE(ConfigHas("MacOSSkin=4") && ConfigHas("CustomSkin=Slate"));

    form.SetOpacityPercent(90);  // layered again: magenta is the colour key
    EXPECT_EQ(Corner(), 0xFF00FFu);

    files.Put("C:\\bad.bmp", "GIF89a, not a bitmap");
    files.Put("C:\\pic.bmp", test::SolidBmp(1, 1, 0x010203));
    for (const char* chosen : {"", "C:\\bad.bmp"}) {  // a cancel, then a file that is no bitmap
        dialogs.bitmap = *chosen ? std::optional<std::string>(chosen) : std::nullopt;
        form.ChooseBackground(true);
        EXPECT_TRUE(ConfigHas("CustomBackgroundPath="));
    }
    EXPECT_EQ(boxes.messages, std::vector<std::string>{LangText(texts::BackgroundLoadError, 0) +
                                                       "C:\\bad.bmp\rnot a bitmap file"});
    dialogs.bitmap = "C:\\pic.bmp";
    form.ChooseBackground(true);
    EXPECT_TRUE(ConfigHas("CustomBackgroundPath=C:\\pic.bmp"));
    form.ChooseBackground(false);
    EXPECT_TRUE(ConfigHas("CustomBackgroundPath="));
    EXPECT_TRUE(form.inputLock().IsFree());

    form.ReleaseWindow();  // the free window's skin is tinted
    EXPECT_EQ(ButtonOf(view.look, WindowButton::Info).draw->pixels.at(0) & 0xFFFFFF, 0x545440u);
}

// The corners are see-through only while the window is layered: switched off, on a system
// without layered windows, or when layering fails, they turn grey, and back once it works.
TEST_F(FormSkinTest, OpacityChoicesLayerTheWindowOrGreyItsCorners) {
    Start("MacOSSkin=4\r\nCustomSkin=Slate\r\nOpacity=70\r\n");
    EXPECT_EQ(std::count(view.events.begin(), view.events.end(), "opacity 178"), 1);
    EXPECT_EQ(OpacityMenuTick(form.settings().alpha), 90);
    // Percent, Windows version, whether layering works, what the window was asked, the corner.
    for (const auto& [percent, version, layers, applied, corner] :
         {std::tuple<int, int, bool, const char*, std::uint32_t>{50, 601, true, "opacity 128", 0xFF00FF},
          {-1, 601, true, "opacity -1", 0xDEDEDE}, {90, 601, false, "opacity 230", 0xDEDEDE},
          {95, 601, true, "opacity 242", 0xFF00FF}, {100, 400, true, "look 4", 0xDEDEDE},
          {100, 500, true, "opacity 255", 0xFF00FF}}) {
        view.layeringWorks = layers;
        system.version = version;
        view.events.clear();
        form.SetOpacityPercent(percent);
        EXPECT_EQ(view.events.at(0), applied) << percent;  // below version 500 nothing is tried
        EXPECT_EQ(Corner(), corner) << percent;
        EXPECT_TRUE(ConfigHas("Opacity=" + std::to_string(percent)));
    }
}

TEST_F(FormSkinTest, ASkinThatFailsAtStartShowsMacOS1AndKeepsTheStoredChoice) {
    Start("MacOSSkin=4\r\nCustomSkin=Gone\r\n");
    EXPECT_EQ(view.look.tag, 1);
    EXPECT_EQ(boxes.messages, std::vector<std::string>{LangText(texts::SkinLoadError, 0) + "Gone\rScrollleiste\\"
                                                       "Balken.bmp: The system cannot find the file specified."});
    EXPECT_TRUE(ConfigHas("MacOSSkin=4") && ConfigHas("CustomSkin=Gone"));
}

TEST_F(FormSkinTest, RowMetricsFollowTheIconOptionsTheLookAndTheScreen) {
    system.dpi = {144, 144};
    Start("MacOSSkin=1\r\n32*32-Icons=1\r\n");
    // Large rows scaled by 1.5, halves to even: 35 -> 52; icons stay 32.
    EXPECT_EQ(view.rowMetrics.iconSize, 32);
    EXPECT_EQ(view.rowMetrics.rowHeight, 52);
    EXPECT_TRUE(view.smoothRowFont);

    // The option drops the icons held at the old size and sets the rows up unscaled.
    Entry entry;
    form.store().IconCache().Give(entry, std::make_shared<int>(1));
    form.ToggleOption(OptionFlag::LargeIcons);
    EXPECT_EQ(form.store().IconCache().Count(), 0u);
    EXPECT_FALSE(entry.Icon());
    EXPECT_EQ(view.rowMetrics.iconSize, 16);
    EXPECT_EQ(view.rowMetrics.rowHeight, 19);

    // A skin change scales again; a 48-pixel shell icon size is used.
    system.largeIconSize = 48;
    form.ToggleOption(OptionFlag::LargeIcons);
    form.ChooseTheme(form.ThemeMenuItems()[2]);
    EXPECT_EQ(view.rowMetrics.iconSize, 48);
    EXPECT_EQ(view.rowMetrics.rowHeight, 76);  // 51 * 1.5 = 76.5
}

}  // namespace
}  // namespace qx
