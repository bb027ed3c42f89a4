#include "exec/LinkReader.h"

#include <gtest/gtest.h>

#include <map>

#include "exec/IdListText.h"
#include "exec/InternetShortcut.h"
#include "fakes/FakeFileSystem.h"
#include "platform/InstallerLookup.h"
#include "platform/LinkFiles.h"

namespace qx {
namespace {

const std::string kIdList("\x14\0\x1F\0", 4);

struct FakeLinkFiles : ILinkFiles {
    std::optional<LinkFileData> Read(const std::string& path) const override {
        if (path.ends_with(".url")) ADD_FAILURE() << "Internet shortcut read as a shell link: " << path;
        const auto it = links.find(path);
        return it == links.end() ? std::nullopt : std::optional(it->second);
    }
    std::map<std::string, LinkFileData> links{
        {"C:\\L\\Editor.dat", {"-n", "C:\\Tools\\edit.exe", "C:\\Tools", 3, kIdList, "Edits", "C:\\e.ico", 2, 0x641}},
        {"C:\\L\\Word.lnk", {"", "", "", 1, "", "", "", 0, 0}}};
};

struct FakeInstaller : IInstallerLookup {
    bool Available() const override { return true; }
    std::optional<std::string> LocalComponentPath(const std::string& product, const std::string& component) const override {
        return product == "{P}" && component == "{C}" ? std::optional<std::string>("D:\\Office\\word.exe") : std::nullopt;
    }
    std::optional<AdvertisedShortcut> ShortcutTarget(const std::string& link) const override {
        return link == "C:\\L\\Word.lnk" ? std::optional(AdvertisedShortcut{"{P}", "{F}", "{C}"}) : std::nullopt;
    }
};

std::string Summary(const std::optional<ShellLink>& link) {
    if (!link) return "none";
    return link->url + "|" + link->path + "|" + link->arguments + "|" + link->workingDirectory + "|" +
           std::to_string(link->showCommand) + "|" + link->iconFile + "|" + std::to_string(link->iconIndex) + "|" +
           std::to_string(link->hotKey) + "|" + link->description + "|" + IdListToText(link->idList);
}

TEST(LinkReaderTest, InternetShortcutsByTheirExtensionAnyOtherFileAsAShellLink) {
    test::FakeFileSystem fs;
    FakeLinkFiles linkFiles;
    const LinkReader reader(fs, linkFiles, nullptr);
    const struct {
        const char* name;
        std::string text;
        const char* expected;
    } cases[] = {
        {"News.url", "[InternetShortcut]\r\nURL=http://news.example/a b\r\nIconIndex=-3\r\nHotKey=1604\r\nIconFile=C:\\n.ico",
         "http://news.example/a b||||0|C:\\n.ico|-3|1604||"},
        {"UPPER.URL", "URL=http://a/\nShowCommand=7", "http://a/||||7||0|0||"},
        {"First.url", "url=http://first/\r[Other]\rURL=http://second/\r\n workingdirectory = C:\\W \nWorkingDirectory=D:\\",
         "http://first/|||C:\\W|0||0|0||"},
        {"Numbers.url", "URL=u\nShowCommand=\nIconIndex=12x\nHotKey=99999999999", "u||||0||0|0||"},
        {"Binary.url", std::string("\0\xFF=\x01\n\x80URL=x\n=URL\nURL=\0", 22), "none"},
        {"Empty.url", "[InternetShortcut]\r\nURL=\r\nIconFile=x", "none"},
        {"NoAddress.url", "[InternetShortcut]\r\nWorkingDirectory=C:\\", "none"},
        {"Huge.url", "URL=http://a/\n" + std::string(kMaxInternetShortcutBytes, ' '), "none"},
        {"Editor.dat", "", "|C:\\Tools\\edit.exe|-n|C:\\Tools|3|C:\\e.ico|2|1601|Edits|14 0 1F 0"},
        {"Missing.lnk", "", "none"},
    };
    for (const auto& c : cases) {
        const std::string path = std::string("C:\\L\\") + c.name;
        if (!c.text.empty()) fs.Put(path, c.text);
        EXPECT_EQ(Summary(reader.Load(path)), c.expected) << c.name;
    }
    EXPECT_EQ(Summary(reader.Load("C:\\L\\Gone.url")), "none");
    EXPECT_EQ(reader.GetLinkTarget("C:\\L\\Editor.dat"), "C:\\Tools\\edit.exe");
    EXPECT_EQ(reader.GetLinkTarget("C:\\L\\News.url"), "");
    EXPECT_FALSE(reader.Load("C:\\L\\Editor.dat")->advertised.isAdvertised);
}

TEST(LinkReaderTest, AdvertisedLinksCarryTheInstallerCodesAndTheInstalledPath) {
    test::FakeFileSystem fs;
    FakeLinkFiles linkFiles;
    FakeInstaller installer;
    const AdvertisedLink word = LinkReader(fs, linkFiles, &installer).Load("C:\\L\\Word.lnk")->advertised;
    EXPECT_TRUE(word.isAdvertised);
    EXPECT_EQ(word.productCode + word.featureId + word.componentCode + word.componentPath, "{P}{F}{C}D:\\Office\\word.exe");
    EXPECT_FALSE(LinkReader(fs, linkFiles, &installer).Load("C:\\L\\Editor.dat")->advertised.isAdvertised);
    EXPECT_FALSE(LinkReader(fs, linkFiles, nullptr).Load("C:\\L\\Word.lnk")->advertised.isAdvertised);
}

TEST(IdListTextTest, UpperHexWithoutLeadingZerosReadBackUpToTheFirstPieceThatIsNoByte) {
    EXPECT_EQ(IdListToText(kIdList + "\xE0\x0A"), "14 0 1F 0 E0 A");
    EXPECT_EQ(IdListToText(""), "");
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {{"14 0 1F 0", kIdList}, {"14  0", std::string("\x14\0", 2)}, {" 1f\t 000E0 ", "\x1F\xE0"},
                 {"14 0G 1F", "\x14"},   {"14 100 1F", "\x14"},               {"-1", ""}};
    for (const auto& c : cases) EXPECT_EQ(TextToIdList(c.text), c.bytes) << c.text;
}

}  // namespace
}  // namespace qx
