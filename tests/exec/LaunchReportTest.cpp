#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "exec/LaunchReport.h"
#include "exec/LaunchRequest.h"
#include "text/LanguageStrings.h"

namespace qx {
namespace {

constexpr int kGerman = 0;
constexpr int kEnglish = 1;

SystemTextFunction TextsFor(std::map<int, std::string> texts) {
    return [texts = std::move(texts)](int code) {
        const auto found = texts.find(code);
        return found != texts.end() ? found->second : std::string();
    };
}

TEST(LaunchReportText, EveryKindAndCode) {
    constexpr std::uint8_t kFile = launch_kind::kFile, kUrl = launch_kind::kWebAddress, kCmd = launch_kind::kCommand;
    constexpr std::uint8_t kBrowser = kUrl | launch_kind::kDefaultBrowser;
    // No association blames the missing shortcut arrow, and only for links.
    const std::string link = LangText(texts::NoAssociationLink, kGerman);
    const std::string noApp = LangText(texts::NoAssociation, kEnglish);
    const std::tuple<std::uint8_t, int, const char*, int, std::string> cases[] = {
        {kFile, 2, "C:\\Programme\\Werkzeuge\\editor.exe", kGerman,
         "Datei oder Ordner \"C:\\Progra ... \\editor.exe\" wurde nicht gefunden."},
        {kFile, 2, "C:\\x.exe", kEnglish, "File or folder \"C:\\x.exe\" could not be found."},
        {kFile, 3, "C:\\Data\\", kEnglish, "Directory \"C:\\Data\\\" could not be found."},
        {kFile, 5, "C:\\secret.txt", kEnglish, "Access to \"C:\\secret.txt\" was denied"},
        {kFile, 31, "C:\\Start\\Editor.LNK", kGerman, link},
        {kFile, 31, "C:\\Fav\\Seite.url", kGerman, link},
        {kFile, 31, "C:\\daten.xyz", kEnglish, noApp},
        {kFile, 31, "C:\\a.lnk\\b.xyz", kEnglish, noApp},  // only the end counts
        {kFile, 31, "lnk", kEnglish, noApp},
        {kFile, 1326, "C:\\x.exe", kEnglish, "Error 1326: The user name or password is incorrect"},
        {kFile, 8, "C:\\x.exe", kGerman, "Fehler 8: Not enough memory"},
        // Codes that mean success or a launch not made are never reported, whatever the system says.
        {kFile, 42, "C:\\x.exe", kGerman, ""},
        {kFile, 0, "C:\\x.exe", kGerman, ""},
        {kFile, 1, "C:\\x.exe", kGerman, ""},
        {kFile, 50, "C:\\x.exe", kGerman, ""},  // no system text
        {kUrl, 31, "http://example.org/a/b/c", kEnglish,
         "31: URL \"http://ex ... e.org/a/b/c\" could not be executed using shellexecute.\r"
         "You can send the url directly to the standard browser by keeping the strg key pressed."},
        {kBrowser, 1155, "C:\\b\\browser.exe", kEnglish, "1155: Failed to open then standard browser"},
        {kCmd, 31, "regedt", kEnglish, "Failed to execute command \"regedt\""},
        // A command or address the shell cannot find is a failure too; an empty one is no launch.
        {kCmd, 2, "nothere", kEnglish, "Failed to execute command \"nothere\""},
        {kCmd, 2, "", kEnglish, ""},
        {kUrl, 2, "nothere", kEnglish,
         "2: URL \"nothere\" could not be executed using shellexecute.\r"
         "You can send the url directly to the standard browser by keeping the strg key pressed."},
        {kBrowser, 2, "C:\\gone\\browser.exe", kEnglish, "2: Failed to open then standard browser"},
        {kBrowser, 2, "", kEnglish, ""},
        {kCmd, 33, "calc", kEnglish, ""},
        {0, 31, "x", kEnglish, ""},
    };
    const auto texts = TextsFor({{1326, "The user name or password is incorrect"}, {8, "Not enough memory"},
                                 {0, "a"}, {1, "b"}, {2, "c"}, {31, "y"}, {33, "d"}, {42, "e"}, {1155, "z"}});
    int row = 0;
    for (const auto& [kind, code, path, language, expected] : cases) {
        EXPECT_EQ(LaunchReportText(kind, code, path, language, texts), expected) << row;
        // Codes 2, 3, 5 and 31 of files have texts of their own, whatever the system knows.
        if (row++ < 9) {
            EXPECT_EQ(LaunchReportText(kind, code, path, language, TextsFor({})), expected) << row;
        }
    }
    EXPECT_EQ(LaunchReportText(kFile, 8, "C:\\x.exe", kEnglish, nullptr), "");  // no system texts at all
}

}  // namespace
}  // namespace qx
