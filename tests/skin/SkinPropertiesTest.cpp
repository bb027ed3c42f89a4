#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/SkinProperties.h"

namespace qx {
namespace {

struct Case {
    const char* what;
    std::string text;
    std::function<void(SkinProperties&)> change;  // from the defaults and the window's positions
    std::vector<std::string> malformed;
};

TEST(SkinProperties, EachValueIsReadByTheRulesOfItsKey) {
    // The window's positions since its last reset, unlike the key file's defaults.
    const SkinPositions window{.closeButtonLeft = 99, .infoTop = -7};
    const Case cases[] = {
        {"empty values and a missing file give the defaults", "UnderTextColor=\r\nButtonsFontName=\r\nShowFields=",
         [](SkinProperties& p) { EXPECT_EQ(p.underTextColour, 0xFFFFFFu); }, {}},
        {"colours are red in the low byte", "SelectionColor=10,20,30\nFormCol=0,0,255\nButtonsFontColor=255,128,0",
         [](SkinProperties& p) {
             p.selectionColour = 0x1E140A;
             p.windowColour = 0xFF0000;
             p.buttonsFontColour = 0x0080FF;
         }, {}},
        {"flags are set by exactly 1, keys match in any case",
         "\xEF\xBB\xBFShowFields=2\rAlphaMark=01\r\nhidebuttontext=1\nHasTwoArrows=-1\nnoequals\nOther=1",
         [](SkinProperties& p) { p.showFields = false, p.alphaMark = p.hideButtonText = true; }, {}},
        {"only a key's first line counts, texts stay as written",
         "ButtonsFontName=\nButtonsFontName=Tahoma\nFormEditFontName=Gr\xFCn = x \nFormCol=1,2,3\nFORMCOL=4,5,6",
         [](SkinProperties& p) { p.inputFontName = "Gr\xFCn = x ", p.windowColour = 0x030201; }, {}},
        {"bad numbers keep the default and are reported in key order",
         "IconOffsX1=32768\nListboxLeft=x\nListboxRight=+3\nIconOffsX2=-32768\nFormCol=1,2\nFormEditCol=256,0,0\n"
         "UnselTextCol=1,2,3,4\nHasUnderText=yes\nButtonsFontHeight= 13\nUnderTextColor=1,,3\nFormEditFontName=" +
             std::string(32, 'x') + "\nButtonsFontName=" + std::string(31, 'y') + "\nFCropRight=" +
             std::string(100000, '9'),
         [](SkinProperties& p) { p.iconOffsetLarge = -32768, p.buttonsFontName = std::string(31, 'y'); },
         {"ListboxLeft", "ListboxRight", "UnselTextCol", "HasUnderText", "UnderTextColor", "IconOffsX1", "FCropRight",
          "FormEditCol", "FormCol", "ButtonsFontHeight", "FormEditFontName"}},
        {"without CustomObjectPositions the window's positions stay and go unchecked",
         "CloseButtonLeft=5\nHelpTop=x\nCustomObjectPositions=2", [](SkinProperties&) {}, {}},
        {"with it, positions read from the file or their defaults",
         "AllENtrysTop=30\nCloseButtonLeft=\nCustomObjectPositions=1\nHelpTop=x\nFormEditRight=-5",
         [](SkinProperties& p) {
             p.customObjectPositions = true;
             p.positions = SkinPositions{.inputRightGap = -5, .allEntriesTop = 30};
         }, {"HelpTop"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SkinProperties expected{.positions = window};
        c.change(expected);
        const SkinPropertiesRead read = ReadSkinProperties(c.text, window);
        EXPECT_EQ(read.properties, expected);
        EXPECT_EQ(read.malformedKeys, c.malformed);
    }
}

}  // namespace
}  // namespace qx
