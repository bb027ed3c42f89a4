#include <gtest/gtest.h>

#include "fakes/FakeSystemInfo.h"
#include "store/FolderSet.h"
#include "store/PathResolver.h"

namespace qx {
namespace {

class PathResolverTest : public ::testing::Test {
protected:
    std::string Resolve(const std::string& path, bool shell = true) {
        return ResolveEntryPath(path, shell, PathContext{folders, roots, system});
    }
    test::FakeSystemInfo system;
    FolderSet folders = ComputeFolderSet("C:\\Apps\\Quillox\\Quillox.exe", "C:\\Users\\ann");
    ShellRootNames roots{"Recycle Bin\\", "My Computer\\", "Control Panel\\", "Network\\"};
};

TEST_F(PathResolverTest, MarkersAtTheStartBecomeTheirFolders) {
    EXPECT_EQ(folders.tempLinksFolder, "C:\\Users\\ann\\QuilloxTmpLinks\\");
    EXPECT_EQ(Resolve("@QuilloxData Skins\\x.bmp"), "C:\\Apps\\Quillox\\Quillox-Data\\Skins\\x.bmp");
    EXPECT_EQ(Resolve("@Launch a.lnk"), "C:\\Apps\\Quillox\\Quillox-Data\\Standard-Entrys\\a.lnk");
    EXPECT_EQ(Resolve("@ImportFilters f.txt"), "C:\\Apps\\Quillox\\Quillox-Data\\ImportFilters\\f.txt");
    EXPECT_EQ(Resolve("@Quillox Quillox.exe"), "C:\\Apps\\Quillox\\Quillox.exe");
    EXPECT_EQ(Resolve("@quillox x"), "@quillox x");  // case-sensitive
    EXPECT_EQ(Resolve("x @Quillox y"), "x @Quillox y");
    system.environment["TOOLS"] = "@Quillox Tools";
    EXPECT_EQ(Resolve("%TOOLS%\\t.exe"), "C:\\Apps\\Quillox\\Tools\\t.exe");  // expanded first
}

TEST_F(PathResolverTest, ShellMarkersBecomeANamespacePath) {
    EXPECT_EQ(Resolve("@Shell rfControlPanel;"), "\\Control Panel\\");
    EXPECT_EQ(Resolve("@Shell rfNetwork;Server\\"), "\\Network\\Server\\");
    EXPECT_EQ(Resolve("@Shell rfControlPanel;", false), "@Shell rfControlPanel;");
    // Later versions drop My Computer in front of Control Panel; XP keeps it.
    EXPECT_EQ(Resolve("@Shell rfMyComputer;@Shell rfControlPanel;Fonts"), "\\Control Panel\\Fonts");
    system.version = 501;
    EXPECT_EQ(Resolve("@Shell rfMyComputer;@Shell rfControlPanel;Fonts"), "\\My Computer\\Control Panel\\Fonts");
    // Malformed pieces stay as written.
    EXPECT_EQ(Resolve("@Shell rfRecycleBin"), "@Shell rfRecycleBin");
    EXPECT_EQ(Resolve("@Shell ;x"), "@Shell ;x");
    EXPECT_EQ(Resolve("@Shell rfRecycleBin;@Shell nope;"), "\\Recycle Bin\\@Shell nope;");
}

TEST_F(PathResolverTest, RelativePathsHangOffTheProgramFolder) {
    EXPECT_EQ(Resolve("..\\Tools\\t.exe"), "C:\\Apps\\Tools\\t.exe");
    EXPECT_EQ(Resolve(".\\t.exe"), "C:\\Apps\\Quillox\\t.exe");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox", "..\\..\\x"), "C:\\x");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox", "..\\..\\..\\x"), "x");  // climbs past the root
    EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox\\", "..\\x"), "C:\\Apps\\x");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps", "a\\..\\x"), "a\\..\\x");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps", ""), "");
}

TEST_F(PathResolverTest, MakeRelativePathIsTheInverse) {
    EXPECT_EQ(MakeRelativePath("C:\\Apps\\Quillox", "C:\\Apps\\Quilt\\x.exe"), "..\\Quilt\\x.exe");
    EXPECT_EQ(MakeRelativePath("C:\\Apps\\Quillox", "c:\\apps\\QUILLOX\\Sub\\x.exe"), ".\\Sub\\x.exe");
    EXPECT_EQ(MakeRelativePath("C:\\Apps\\Quillox", "C:\\Other\\y"), "..\\..\\Other\\y");
    EXPECT_EQ(MakeRelativePath("C:\\Apps\\Quillox", "D:\\Apps\\y"), "D:\\Apps\\y");
    EXPECT_EQ(MakeRelativePath("C:\\Apps\\Quillox", "..\\Quilt\\x.exe"), "..\\Quilt\\x.exe");
    EXPECT_EQ(MakeRelativePath("C:\\Apps\\Quillox", ""), "");
    for (const char* path : {"C:\\Apps\\Quilt\\x.exe", "C:\\Apps\\Quillox\\a\\b", "C:\\Windows\\n.exe"}) {
        EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox", MakeRelativePath("C:\\Apps\\Quillox", path)), path);
    }
}

}  // namespace
}  // namespace qx
