#include "exec/LinkReader.h"

#include <gtest/gtest.h>

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
        if (path == "C:\\L\\Word.lnk") return LinkFileData{};
        if (path != "C:\\L\\Editor.dat") return std::nullopt;
        return LinkFileData{"-n", "C:\\Tools\\edit.exe", "C:\\Tools", 3, kIdList, "Edits", "C:\\e.ico", 2, 0x641};
    }
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

std::string Summary(const std::optional<ShellLink>& l) {
    if (!l) return "none";
    const AdvertisedLink& a = l->advertised;
    return l->url + "|" + l->path + "|" + l->arguments + "|" + l->workingDirectory + "|" + std::to_string(l->showCommand) +
           "|" + l->iconFile + "|" + std::to_string(l->iconIndex) + "|" + std::to_string(l->hotKey) + "|" +
           l->description + "|" + IdListToText(l->idList) +
           (a.isAdvertised ? "|" + a.productCode + a.featureId + a.componentCode + a.componentPath : "");
}

TEST(LinkReaderTest, InternetShortcutsByTheirExtensionAnyOtherFileAsAShellLink) {
    test::FakeFileSystem fs;
    const FakeLinkFiles linkFiles;
    const FakeInstaller installer;
    const LinkReader reader(fs, linkFiles, &installer);
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
        {"Gone.url", "", "none"},
        {"Editor.dat", "", "|C:\\Tools\\edit.exe|-n|C:\\Tools|3|C:\\e.ico|2|1601|Edits|14 0 1F 0"},
        {"Word.lnk", "", "||||0||0|0|||{P}{F}{C}D:\\Office\\word.exe"},
    };
    for (const auto& c : cases) {
        if (!c.text.empty()) fs.Put(std::string("C:\\L\\") + c.name, c.text);
        EXPECT_EQ(Summary(reader.Load(std::string("C:\\L\\") + c.name)), c.expected) << c.name;
    }
    EXPECT_EQ(reader.GetLinkTarget("C:\\L\\Editor.dat") + reader.GetLinkTarget("C:\\L\\News.url"), "C:\\Tools\\edit.exe");
    EXPECT_FALSE(LinkReader(fs, linkFiles, nullptr).Load("C:\\L\\Word.lnk")->advertised.isAdvertised);
}

TEST(IdListTextTest, UpperHexWithoutLeadingZerosReadBackUpToTheFirstPieceThatIsNoByte) {
    EXPECT_EQ(IdListToText(kIdList + "\xE0\x0A"), "14 0 1F 0 E0 A");
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {{"14 0 1F 0", kIdList}, {"14  0", std::string("\x14\0", 2)}, {" 1f\t 000E0 ", "\x1F\xE0"},
                 {"14 0G 1F", "\x14"},   {"14 100 1F", "\x14"},               {"-1", ""}};
    for (const auto& c : cases) EXPECT_EQ(TextToIdList(c.text), c.bytes) << c.text;
}

}  // namespace
}  // namespace qx
