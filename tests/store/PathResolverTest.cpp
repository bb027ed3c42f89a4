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

// Markers at the start become their folders (after the environment is expanded), shell markers
// a namespace path, relative paths hang off the program folder; anything else stays as written.
TEST_F(PathResolverTest, MarkersShellMarkersAndRelativePathsResolve) {
    EXPECT_EQ(folders.tempLinksFolder, "C:\\Users\\ann\\QuilloxTmpLinks\\");
    system.environment["TOOLS"] = "@Quillox Tools";
    const std::pair<const char*, const char*> cases[] = {
        {"@QuilloxData Skins\\x.bmp", "C:\\Apps\\Quillox\\Quillox-Data\\Skins\\x.bmp"},
        {"@Launch a.lnk", "C:\\Apps\\Quillox\\Quillox-Data\\Standard-Entrys\\a.lnk"},
        {"@ImportFilters f.txt", "C:\\Apps\\Quillox\\Quillox-Data\\ImportFilters\\f.txt"},
        {"@Quillox Quillox.exe", "C:\\Apps\\Quillox\\Quillox.exe"},
        {"@quillox x", "@quillox x"},  // case-sensitive
        {"x @Quillox y", "x @Quillox y"},
        {"%TOOLS%\\t.exe", "C:\\Apps\\Quillox\\Tools\\t.exe"},
        {"@Shell rfControlPanel;", "\\Control Panel\\"},
        {"@Shell rfNetwork;Server\\", "\\Network\\Server\\"},
        // Later versions drop My Computer in front of Control Panel; XP keeps it (below).
        {"@Shell rfMyComputer;@Shell rfControlPanel;Fonts", "\\Control Panel\\Fonts"},
        {"@Shell rfRecycleBin", "@Shell rfRecycleBin"},
        {"@Shell ;x", "@Shell ;x"},
        {"@Shell rfRecycleBin;@Shell nope;", "\\Recycle Bin\\@Shell nope;"},
        {"..\\Tools\\t.exe", "C:\\Apps\\Tools\\t.exe"},
        {".\\t.exe", "C:\\Apps\\Quillox\\t.exe"},
    };
    for (const auto& [path, resolved] : cases) EXPECT_EQ(Resolve(path), resolved) << path;
    EXPECT_EQ(Resolve("@Shell rfControlPanel;", false), "@Shell rfControlPanel;");
    system.version = 501;
    EXPECT_EQ(Resolve("@Shell rfMyComputer;@Shell rfControlPanel;Fonts"), "\\My Computer\\Control Panel\\Fonts");
}

TEST_F(PathResolverTest, RelativePathsAreMadeAndResolvedBothWays) {
    EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox", "..\\..\\x"), "C:\\x");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox", "..\\..\\..\\x"), "x");  // climbs past the root
    EXPECT_EQ(ResolveRelativePath("C:\\Apps\\Quillox\\", "..\\x"), "C:\\Apps\\x");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps", "a\\..\\x"), "a\\..\\x");
    EXPECT_EQ(ResolveRelativePath("C:\\Apps", ""), "");
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
