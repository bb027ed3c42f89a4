#include <gtest/gtest.h>

#include <map>

#include "exec/LaunchReport.h"
#include "exec/LaunchRequest.h"
#include "exec/WaitingDisplay.h"

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

TEST(ShortName, KeepsTwentyCharactersAndShortensTwentyOne) {
    EXPECT_EQ(ShortName("abcdefghijklmnopqrst"), "abcdefghijklmnopqrst");
    EXPECT_EQ(ShortName("abcdefghijklmnopqrstu"), "abcdefghi ... klmnopqrstu");
    EXPECT_EQ(ShortName("C:\\Programme\\Werkzeuge\\editor.exe"), "C:\\Progra ... \\editor.exe");
    EXPECT_EQ(ShortName(""), "");
}

TEST(IsFailure, SuccessValuesAndUnreportedCodesNeverFail) {
    const SystemTextFunction everythingKnown = [](int) { return std::string("some text"); };
    for (int code : {0, 1, 2, 33, 42}) EXPECT_FALSE(IsFailure(code, everythingKnown)) << code;
    EXPECT_TRUE(IsFailure(3, everythingKnown));
    EXPECT_TRUE(IsFailure(43, everythingKnown));
    EXPECT_FALSE(IsFailure(3, TextsFor({})));  // a code the system has no text for is silent
    EXPECT_FALSE(IsFailure(3, nullptr));
}

TEST(LaunchReportText, FileCodesNameTheShortenedPath) {
    const auto none = TextsFor({});
    const std::string longPath = "C:\\Programme\\Werkzeuge\\editor.exe";
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 2, longPath, kGerman, none),
              "Datei oder Ordner \"C:\\Progra ... \\editor.exe\" wurde nicht gefunden.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 2, "C:\\x.exe", kEnglish, none),
              "File or folder \"C:\\x.exe\" could not be found.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 3, "C:\\Daten\\", kGerman, none),
              "Pfad \"C:\\Daten\\\" wurde nicht gefunden.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 3, "C:\\Data\\", kEnglish, none),
              "Directory \"C:\\Data\\\" could not be found.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 5, "C:\\geheim.txt", kGerman, none),
              "Zugriff auf \"C:\\geheim.txt\" wurde verweigert.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 5, "C:\\secret.txt", kEnglish, none),
              "Access to \"C:\\secret.txt\" was denied");
}

TEST(LaunchReportText, NoAssociationBlamesMissingShortcutArrowOnlyForLinks) {
    const auto none = TextsFor({});
    const std::string linkText =
        "Verkn\xFCpfungen sind auf Ihrem Computer keiner Anwendung zugeordnet!\r"
        "Wahrscheinlich ist der kleine Pfeil, mit dem Verkn\xFCpfungen gekennkennzeichnet sind,\r"
        "mit einem Windows Optimierungs-Tool entfernt worden.\r"
        "F\xFCgen sie den Pfeil wieder hinzu und w\xE4hlen sie ein leeres Icon anstelle des Pfeils.\r"
        "Starten sie dann das Programm neu.";
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 31, "C:\\Start\\Editor.LNK", kGerman, none), linkText);
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 31, "C:\\Fav\\Seite.url", kGerman, none), linkText);
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 31, "C:\\daten.xyz", kGerman, none),
              "Der angegebene Dateityp ist auf Ihrem Computer keiner Anwendung zugeordnet.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 31, "C:\\Start\\Editor.lnk", kEnglish, none),
              "The file type is not assigned to an application.");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 31, "C:\\data.xyz", kEnglish, none),
              "The file type is not assigned to an application.");
    // Only the end counts: ".lnk" inside the path is not a link.
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 31, "C:\\a.lnk\\b.xyz", kEnglish, none),
              "The file type is not assigned to an application.");
}

TEST(LaunchReportText, OtherFileCodesUseTheSystemTextOrStaySilent) {
    const auto texts = TextsFor({{1326, "The user name or password is incorrect"}, {8, "Not enough memory"}});
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 1326, "C:\\x.exe", kEnglish, texts),
              "Error 1326: The user name or password is incorrect");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 8, "C:\\x.exe", kGerman, texts), "Fehler 8: Not enough memory");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 42, "C:\\x.exe", kGerman, texts), "");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 0, "C:\\x.exe", kGerman, texts), "");
    EXPECT_EQ(LaunchReportText(launch_kind::kFile, 50, "C:\\x.exe", kGerman, texts), "");  // no system text
}

TEST(LaunchReportText, WebAddressesCommandsAndBrowser) {
    const auto texts = TextsFor({{8, "x"}, {31, "y"}, {1155, "z"}});
    EXPECT_EQ(LaunchReportText(launch_kind::kWebAddress, 31, "http://example.org/a/b/c", kEnglish, texts),
              "31: URL \"http://ex ... e.org/a/b/c\" could not be executed using shellexecute.\r"
              "You can send the url directly to the standard browser by keeping the strg key pressed.");
    EXPECT_EQ(LaunchReportText(launch_kind::kWebAddress, 8, "www.x.de", kGerman, texts),
              "8: URL \"www.x.de\" konnte nicht mit Shellexecute ge\xF6" "ffnet werden.\r"
              "Sie k\xF6nnen die URL auch bei gedr\xFC" "ckter Strg-Taste direkt an den Standardbrowser senden.");
    const std::uint8_t browser = launch_kind::kWebAddress | launch_kind::kDefaultBrowser;
    EXPECT_EQ(LaunchReportText(browser, 1155, "C:\\b\\browser.exe", kGerman, texts),
              "1155: Standard-Browser konnte nicht ge\xF6" "ffnet werden");
    EXPECT_EQ(LaunchReportText(browser, 1155, "C:\\b\\browser.exe", kEnglish, texts),
              "1155: Failed to open then standard browser");
    EXPECT_EQ(LaunchReportText(launch_kind::kCommand, 31, "regedt", kGerman, texts),
              "Befehl \"regedt\" konnte nicht ausgef\xFChrt werden.");
    EXPECT_EQ(LaunchReportText(launch_kind::kCommand, 31, "regedt", kEnglish, texts),
              "Failed to execute command \"regedt\"");
    // Not found is a file's failure only.
    EXPECT_EQ(LaunchReportText(launch_kind::kCommand, 2, "nothere", kEnglish, texts), "");
    EXPECT_EQ(LaunchReportText(launch_kind::kWebAddress, 2, "nothere", kEnglish, texts), "");
    EXPECT_EQ(LaunchReportText(launch_kind::kCommand, 33, "calc", kEnglish, texts), "");
    EXPECT_EQ(LaunchReportText(0, 31, "x", kEnglish, texts), "");
}

TEST(WaitingDisplayText, SpinsForFourSecondsThenCountsSeconds) {
    const std::string frames[] = {"  |  ", "  |  ", "  /  ", "  /  ", "  -  ", "  -  ", "  \\  ", "  \\  "};
    for (int phase = 0; phase < 8; ++phase) EXPECT_EQ(WaitingDisplayText(1, phase), frames[phase]) << phase;
    EXPECT_EQ(WaitingDisplayText(40, 2), "  /  ");
    EXPECT_EQ(WaitingDisplayText(41, 2), "Gewartet: 4s Esc = ignorieren");
    EXPECT_EQ(WaitingDisplayText(1000000, 0), "Gewartet: 100000s Esc = ignorieren");
    EXPECT_EQ(WaitingDisplayText(5, 9), "  |  ");   // phases wrap
    EXPECT_EQ(WaitingDisplayText(5, -3), "  |  ");  // a bad phase shows the first frame
}

}  // namespace
}  // namespace qx
