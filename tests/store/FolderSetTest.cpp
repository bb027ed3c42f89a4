#include <gtest/gtest.h>

#include "store/FolderSet.h"

namespace qx {
namespace {

TEST(FolderSet, AllFoldersHangOffTheProgramFolder) {
    const FolderSet f = ComputeFolderSet("C:\\Apps\\Quillox\\Quillox.exe", "C:\\Users\\ann");
    EXPECT_EQ(f.programFolder, "C:\\Apps\\Quillox\\");
    EXPECT_EQ(f.dataFolder, "C:\\Apps\\Quillox\\Quillox-Data\\");
    EXPECT_EQ(f.skinsFolder, "C:\\Apps\\Quillox\\Quillox-Data\\Skins\\");
    EXPECT_EQ(f.standardEntriesFolder, "C:\\Apps\\Quillox\\Quillox-Data\\Standard-Entrys\\");
    EXPECT_EQ(f.iconsFolder, "C:\\Apps\\Quillox\\Quillox-Data\\Icons\\");
    EXPECT_EQ(f.arrowsFolder, "C:\\Apps\\Quillox\\Quillox-Data\\Arrows\\");
    EXPECT_EQ(f.importFiltersFolder, "C:\\Apps\\Quillox\\Quillox-Data\\ImportFilters\\");
    EXPECT_EQ(f.tempLinksFolder, "C:\\Users\\ann\\QuilloxTmpLinks\\");
}

}  // namespace
}  // namespace qx
