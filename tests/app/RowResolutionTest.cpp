#include <gtest/gtest.h>

#include <map>

#include "app/RowResolution.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeIconSource.h"
#include "store/Entry.h"
#include "store/IconMemoryCache.h"

namespace qx {
namespace {

using test::FakeIconSource;

TEST(RowResolutionTest, FolderRowsTakeIconFlagsAndDetailOnFirstPaintOnly) {
    test::FakeFileSystem files;
    files.Put("C:\\Docs\\empty.txt", "");
    files.Put("C:\\Docs\\small.txt", std::string(1023, 'x'));
    files.Put("C:\\Docs\\kilo.txt", std::string(1024, 'x'));
    files.Put("C:\\Docs\\locked.txt", "x");
    files.FailReads("C:\\Docs\\locked.txt", "Access is denied.");
    files.Put("C:\\Docs\\Sub\\inner.txt", "");
    const FakeIconSource icons(files);
    IconMemoryCache cache;
    RowSources sources;
    sources.iconCache = &cache;
    sources.icons = &icons;
    sources.files = &files;
    sources.folder = "C:\\Docs\\";
    sources.shellItem = [](const std::string& row) -> std::optional<ShellViewItem> {
        if (row != "Printers") return std::nullopt;
        return ShellViewItem{"Printers", true, "", "abc"};
    };
    struct Case {
        ListMode mode;
        std::string rowText;
        bool isFolder;
        std::string detail, icon;
    };
    const Case cases[] = {
        {ListMode::FileFolder, "empty.txt", false, "0KB", "shell C:\\Docs\\empty.txt@16"},
        {ListMode::FileFolder, " small.txt ", false, "1KB", "shell C:\\Docs\\small.txt@16"},
        {ListMode::FileFolder, "kilo.txt", false, "  1 KB", "shell C:\\Docs\\kilo.txt@16"},
        {ListMode::FileFolder, "locked.txt", false, "na", "shell C:\\Docs\\locked.txt@16"},
        {ListMode::FileFolder, "Sub", true, "", "shell C:\\Docs\\Sub@16"},
        {ListMode::ShellFolder, "Printers", true, "", "idlist 3@16"},
        {ListMode::ShellFolder, "Gone", false, "", ""},
    };
    for (const Case& c : cases) {
        sources.mode = c.mode;
        Entry entry;
        entry.iconState = IconState::FolderListing;
        entry.hasTarget = true;
        const RowToPaint row = ResolveRow(entry, c.rowText, sources);
        EXPECT_EQ(row.input.isFolder, c.isFolder) << c.rowText;
        EXPECT_FALSE(row.input.hasTarget);
        EXPECT_EQ(row.input.detailText, c.detail) << c.rowText;
        EXPECT_EQ(FakeIconSource::Describe(row.icon), c.icon);
        // Later paints read what the entry kept, even when the file changed meanwhile.
        files.Put("C:\\Docs\\kilo.txt", std::string(5000, 'x'));
        EXPECT_EQ(ResolveRow(entry, c.rowText, sources).input.detailText, c.detail);
        files.Put("C:\\Docs\\kilo.txt", std::string(1024, 'x'));
    }
    // An entries row without a name takes its text; it has no detail column.
    Entry entry;
    EXPECT_EQ(ResolveRow(entry, "Notepad", RowSources{}).input.detailText, "");
    EXPECT_EQ(entry.Name(), "Notepad");
}

TEST(RowResolutionTest, ShellRowsShowTheDetailColumnsOfTheirFolder) {
    const std::map<int, std::string> columns{{1, " 3 KB "}, {2, "Local Disk "}, {3, "  12 GB"}};
    struct Case {
        FolderFlags flags;
        std::string detail, more;
    };
    const Case cases[] = {
        {{}, "3 KB", ""},
        {{.computerFolder = true}, "12 GB", " / Local Disk"},
        {{.printersAndFaxes = true}, "Local Disk", ""},
        {{.networkFolder = true}, "", ""},
    };
    for (const Case& c : cases) {
        RowSources sources;
        sources.mode = ListMode::ShellFolder;
        sources.folderFlags = c.flags;
        sources.shellItem = [](const std::string&) { return ShellViewItem{"C:", true, "C:\\", ""}; };
        sources.shellDetail = [&](const ShellViewItem&, int column) { return columns.at(column); };
        Entry entry;
        const RowToPaint row = ResolveRow(entry, "C:", sources);
        EXPECT_EQ(row.input.detailText, c.detail);
        EXPECT_EQ(row.input.detailMore, c.more);
    }
}

}  // namespace
}  // namespace qx
