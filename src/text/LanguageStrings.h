#pragma once
#include <array>
#include <functional>
#include <span>
#include <string>
#include <utility>

namespace qx {

// One user-visible text in both languages. Texts are Windows-1252; a line break inside a
// message is a single CR (the removable-drive hint alone uses CR LF).
struct LangPair {
    const char* german;
    const char* english;
};

// LanguageIndex 0 is German, 1 English.
inline std::string LangText(const LangPair& pair, int languageIndex) {
    return languageIndex == 0 ? pair.german : pair.english;
}

// The screens that relabel themselves after a language change, in the order they are visited.
enum class RelabelSlot {
    OptionsMenu,       // the main window's options menu and its sub-menus
    ListContextMenus,  // the list's context menus and the folder-view commands
    FurtherMenus,      // the main window's other menus
    WebSearchDialog,
    MainButtons,       // the main window's buttons and hints
    EditEntryDialog,
    InfoDialog,
    OptionsDialog,
    ImportWizard,
};
inline constexpr int kRelabelSlotCount = 9;

// Holds the process-wide LanguageIndex and switches it. Forms are designed in German, so
// each screen registers one callback that sets its captions from the table for the index.
class LanguageSwitch {
public:
    using Relabel = std::function<void(int languageIndex)>;

    int languageIndex() const { return index_; }
    std::string Text(const LangPair& pair) const { return LangText(pair, index_); }

    // A later registration for the same slot replaces the earlier one.
    void Register(RelabelSlot slot, Relabel relabel);
    void Unregister(RelabelSlot slot);
    // The web search dialog's restriction labels; refreshed on every ApplyLanguage.
    void SetLanguageLabelsRefresh(Relabel refresh) { labelsRefresh_ = std::move(refresh); }
    // Writes the settings; the language menu saves after every choice.
    void SetSaveSettings(std::function<void()> save) { save_ = std::move(save); }

    // Sets LanguageIndex (anything but 1 means German) and relabels every registered screen in
    // slot order when it changed; true when it did. At start-up the screens still show their
    // designed German, so the change is judged against German.
    bool ApplyLanguage(int index, bool atStartup);
    // The "Sprache/Language" menu items, tag 0 German and 1 English: apply, then save even
    // when the language was already active.
    void ChooseLanguage(int tag);

private:
    int index_ = 0;
    std::array<Relabel, kRelabelSlotCount> relabels_;
    Relabel labelsRefresh_;
    std::function<void()> save_;
};

// Check marks of the two language menu items when the menu opens.
struct LanguageMenuChecks {
    bool german;
    bool english;
    bool operator==(const LanguageMenuChecks&) const = default;
};
LanguageMenuChecks LanguageMenuChecksFor(int languageIndex);

// The text table, in storage order; row numbers in the comments. Each use names its
// constant. Texts in odd spelling are the program's own and stay as they are.
namespace texts {

// Options menu and its sub-menus (rows 1-35).
inline constexpr LangPair AddEntry{"Eintrag hinzuf\xFCgen", "Add entry"};  // 1
inline constexpr LangPair AddFile{"Datei hinzuf\xFCgen", "File"};  // 2
inline constexpr LangPair AddLinksAsFiles{"Verkn\xFCpfungen als Dateien hinzuf\xFCgen", "Add links as files"};  // 3
inline constexpr LangPair InsertLinkTarget{"Verkn\xFCpfungsziel einf\xFCgen", "Insert link target"};  // 4
// 5
inline constexpr LangPair ShowFolderContents{
    "Verzeichnis-Inhalt in Quillox anzeigen",
    "Show folder contents in Quillox"};
inline constexpr LangPair AddFolder{"Verzeichnis hinzuf\xFCgen", "Folder"};  // 6
inline constexpr LangPair AddCustomValue{"Beliebigen Wert hinzuf\xFCgen", "Custom entry"};  // 7
inline constexpr LangPair ImportFolderContents{"Verzeichnisinhalt importieren", "Import folder contents"};  // 8
inline constexpr LangPair AddUrl{"URL hinzuf\xFCgen", "URL"};  // 9
inline constexpr LangPair AddWindowsCommand{"Windows-Anweisung hinzuf\xFCgen", "Windows command"};  // 10
inline constexpr LangPair GeneralSettings{"Allgemein", "General settings"};  // 11
inline constexpr LangPair StartWithWindows{"Quillox mit Windows starten", "Start Quillox with Windows"};  // 12
inline constexpr LangPair ForThisUser{"F\xFCr diesen Benutzer", "For this user"};  // 13
// 14
inline constexpr LangPair ForAllUsers{
    "F\xFCr alle Benutzer (nur mit Administratorrechten)",
    "For all users (administrator rights only)"};
inline constexpr LangPair ManageShortcuts{"Shortcuts verwalten", "Manage shortcuts"};  // 15
inline constexpr LangPair AlwaysOnTop{"Immer im Vordergrund", "Always on top"};  // 16
// 17
inline constexpr LangPair RunningFilesAndFolders{
    "Ausf\xFChren von Dateien und Ordnern",
    "Running files and folders"};
// 18
inline constexpr LangPair LockUntilExecDone{
    "Quillox sperren, bis die Ausf\xFChrung abgeschlossen ist",
    "Lock quillox until execution is finished"};
// 19
inline constexpr LangPair NeverAutoMinimise{
    "Im Verzeichnisbrowser niemals automatisch minimieren",
    "Never minimize automatically in the folder browser"};
inline constexpr LangPair UseLargeIcons{"Gro\xDF" "e Icons verwenden", "Use large icons"};  // 20
// 21
inline constexpr LangPair LargeIconsForDiskSearch{
    "Gro\xDF" "e Icons f\xFCr Festplattensuche",
    "Large icons for hard disk search"};
inline constexpr LangPair Appearance{"Optik", "Appearance"};  // 22
inline constexpr LangPair Theme{"Theme", "Theme"};  // 23
inline constexpr LangPair BackgroundImage{"Hintergrundbild", "Background image"};  // 24
inline constexpr LangPair UserDefined{"Benutzerdefiniert", "Custom"};  // 25
inline constexpr LangPair OpacityMenu{"Deckkraft", "Opacity"};  // 26
inline constexpr LangPair Deactivate{"Deaktivieren", "Deactivate"};  // 27
inline constexpr LangPair SmoothFonts{"Schriften gl\xE4tten (ClearType)", "Smooth fonts (ClearType)"};  // 28
inline constexpr LangPair ManageEntries{"Eintr\xE4ge verwalten", "Manage entries"};  // 29
// 30
inline constexpr LangPair RefreshIconCache{
    "Liste der gecachten Icons aktualisieren",
    "Refresh the list of cached icons"};
// 31
inline constexpr LangPair RemoveMissing{
    "Verweise auf nicht existierende Dateien und Ordner entfernen",
    "Delete entrys linking non-existing files or folders"};
inline constexpr LangPair RemoveDuplicates{"Doppelte Eintr\xE4ge entfernen", "Remove duplicate entries"};  // 32
inline constexpr LangPair HelpMenu{"Hilfe", "Help"};  // 33
inline constexpr LangPair Homepage{"Zur Quillox - Homepage", "Go to the Quillox homepage"};  // 34
inline constexpr LangPair ReportBug{"Bug melden", "Report a bug"};  // 35

// Messages (rows 36-57).
// 36
inline constexpr LangPair RegistrySetFailed{
    "Registry-Schl\xFCssel konnte nicht gesetzt werden. Vermutlich besitzen sie keine Administratorrechte.",
    "Couldn't set registry key. You probably do not possess administrative rights."};
// 37
inline constexpr LangPair RegistryRemoveFailed{
    "Registry-Schl\xFCssel konnte nicht entfernt werden. Vermutlich besitzen sie keine Administratorrechte.",
    "Couldn't delete registry key. You probably do not possess administrative rights."};
// 38
inline constexpr LangPair NameMissing{
    "Irgend einen Namen m\xFCssen sie schon eingeben...",
    "You must chosse a name."};
// 39
inline constexpr LangPair NameBadFirstChar{
    "Eintr\xE4ge d\xFCrfen nicht mit \", . - <\" beginnen",
    "Names of entrys may not begin with \", . - <\""};
// 40
inline constexpr LangPair PipeNotAllowed{
    "Das Zeichen \"|\" ist nicht erlaubt!",
    "Letter \"|\" ist not allowed!"};
inline constexpr LangPair NameExistsStart{"Ein Eintrag mit dem Namen \"", "An entry with the name \""};  // 41
inline constexpr LangPair NameExistsEnd{"\" existiert bereits.", "\" already exists"};  // 42
// 43
inline constexpr LangPair FileOperationsRunning{
    "Quillox f\xFChrt noch Dateioperationen aus.\r"
    "Brechen sie bitte zuerst diese Dateioperationen ab und beenden sie dann Quillox.",
    "Quillox is exeuting file operations.\r"
    "Abort them and quit Quillox."};
// 44
inline constexpr LangPair ReallyQuit{
    "M\xF6" "chten sie Quillox wirklich beenden?\r"
    "M\xF6glicherweise laufende Dateioperationen werden dabei abgebrochen.",
    "Do you really want to quit Quillox?\r"
    "Running file operations will be aborted."};
// 45
inline constexpr LangPair FirstLaunchQuestion{
    "Quillox wurde zum ersten mal gestartet.\r"
    "M\xF6" "chten sie jetzt das Programm zum Importieren von Dateien von ihrer Festplatte "
    "starten?",
    "Quillox was launched for the first time.\r"
    "Do you want to start the wizard for importing files from your harddrives now?"};
// 46
inline constexpr LangPair BothAutoruns{
    "Quillox befindet sich sowohl im Autorun f\xFCr diesen Benutzer als auch im gemeinsamen "
    "Autorun aller Benutzer.\r"
    "Sie sollten einen der beiden Eintr\xE4ge entfernen.",
    "Quillox is in the current user's autorun and in the common autorun for all users.\r"
    "You should remove one of the two entrys."};
// 47
inline constexpr LangPair TransparencyOffWarning{
    "Ist die Transparenz deaktiviert werden alle runden Fenster eckig.\r"
    "Das Deaktivieren der Transparenz wird ben\xF6tigt, weil das Quillox-Fenster\r"
    "ansonsten von einigen remote Desktop Programmen nicht \xFC" "bertragen werden kann\r"
    "und um zu erhindern, dass das Quillox-Fenster von Overlays \xFC" "berlagert wird.",
    "All round windows will get angular when transparency is deactivated.\r"
    "Deactivating transparency is necessary to make it possible for some\r"
    "remote desktop applications to transfer the Quillox window and to\r"
    "prevent the Quillox window from getting covered by overlays."};
inline constexpr LangPair RenameFailed{"konnte nicht umbenannt werden.", "could not be ranamed."};  // 48
// 49
inline constexpr LangPair CreateFolderFailed{
    "Verzeichnis konnte nicht erstellt werden",
    "Folder could not be created"};
inline constexpr LangPair SkinLoadError{"Fehler beim Laden des Skins ", "Error loading skin "};  // 50
// 51
inline constexpr LangPair BackgroundLoadError{
    "Fehler beim Laden des Hintergrundbildes ",
    "Error loading custom background image "};
// 52
inline constexpr LangPair FolderViewFailed{
    "Beim Anzeigen des Ordnerinhalts ist ein schwerwiegender Fehler aufgetreten.\r"
    "Um den Quillox Prozess zu beenden k\xF6nnte es jetzt n\xF6tig sein, den Prozess im\r"
    "Taskmanager zu killen.",
    "A serious error occured while trying to show the folder contents.\r"
    "It might now be impossible to terminate the Quillox process normally.\r"
    "If so you will have to kill the Quillox process in the task manager."};
inline constexpr LangPair DeleteEntryStart{"Eintrag \"", "Really delete entry \""};  // 53
inline constexpr LangPair DeleteEntryEnd{"\" wirklich l\xF6schen?", "\" ?"};  // 54
inline constexpr LangPair PleaseWait{"Bitte warten...", "Please wait..."};  // 55
inline constexpr LangPair Finished{"Fertig!", "Finished!"};  // 56
inline constexpr LangPair IconsRefreshed{"Icons aktualisiert!", "Icons actualized!"};  // 57

// Default texts of new entries (rows 58-64).
inline constexpr LangPair NewUrlName{"Name der URL", "Name of URL"};  // 58
// 59
inline constexpr LangPair NewUrlValue{
    "http://www.hier-die-adresse-eingeben.de",
    "http://www.enter-the-address-here.com"};
inline constexpr LangPair NewCommandName{"Name der Anweisung", "Name of command"};  // 60
inline constexpr LangPair NewCommandValue{"z.B. regedit oder dxdiag", "e.g. regedit or dxdiag"};  // 61
inline constexpr LangPair NewCustomValue{"Wert", "Value"};  // 62
inline constexpr LangPair NewFolderName{"Neuer Ordner", "New folder"};  // 63
inline constexpr LangPair NewFileName{"Neue Datei", "New file"};  // 64

// Web search dialog; the addresses end in the query key (rows 65-81).
inline constexpr LangPair ServiceWeb{"Web", "Web"};  // 65
inline constexpr LangPair ServiceImages{"Bilder", "Images"};  // 66
inline constexpr LangPair ServiceGroups{"Groups", "Groups"};  // 67
inline constexpr LangPair ServiceDirectory{"Verzeichnis", "Catalogs"};  // 68
inline constexpr LangPair ServiceNews{"News", "News"};  // 69
inline constexpr LangPair ServiceFroogle{"Froogle", "Froogle"};  // 70
// 71
inline constexpr LangPair WebSearchAddress{
    "http://www.searchengine.com/search?hl=de&q=",
    "http://www.searchengine.com/search?hl=en&q="};
// 72
inline constexpr LangPair ImagesAddress{
    "http://www.searchengine.de/images?q=",
    "http://www.searchengine.com/images?q="};
// 73
inline constexpr LangPair GroupsAddress{
    "http://www.searchengine.de/groups?q=",
    "http://www.searchengine.com/groups?q="};
// 74
inline constexpr LangPair DirectoryAddress{
    "http://www.searchengine.de/search?q=",
    "http://www.searchengine.com/search?q="};
// 75
inline constexpr LangPair NewsAddress{
    "http://www.searchengine.de/news?q=",
    "http://www.searchengine.com/news?q="};
// 76
inline constexpr LangPair FroogleAddress{
    "http://www.searchengine.de/froogle?q=",
    "http://www.searchengine.com/froogle?q="};
inline constexpr LangPair CloseWebSearch{"Google-Suche beenden", "Close Google search"};  // 77
inline constexpr LangPair TheWholeWeb{"Das Web", "The web"};  // 78
inline constexpr LangPair PagesIn{"Seiten auf ", "Sites in "};  // 79
inline constexpr LangPair PagesFrom{"Seiten aus ", "Sites from "};  // 80
inline constexpr LangPair LanguageCodeLabel{"Sprachk\xFCrzel:", "Language:"};  // 81

// Main window buttons and hints (rows 82-88).
inline constexpr LangPair CloseHint{"Schlie\xDF" "en", "Close"};  // 82
inline constexpr LangPair MinimiseHint{"Minimieren", "Minimize"};  // 83
inline constexpr LangPair ChooseComputer{"Computer w\xE4hlen", "Choose computer"};  // 84
inline constexpr LangPair ShowAllEntries{"Alle Eintr\xE4ge anzeigen", "Show all entries"};  // 85
inline constexpr LangPair OptionsButton{"Optionen", "Options"};  // 86
inline constexpr LangPair InfoHelpButton{"Info/Hilfe", "Info/Help"};  // 87
inline constexpr LangPair WebSearchButton{"Google-Suche", "Google search"};  // 88

// Edit-entry dialog (rows 89-106).
inline constexpr LangPair NameLabel{"Name:", "Name:"};  // 89
inline constexpr LangPair ValueLabel{"Wert:", "Value:"};  // 90
inline constexpr LangPair ParametersLabel{"Parameter:", "Parameters:"};  // 91
inline constexpr LangPair WorkingFolderLabel{"Ausf\xFChren in:", "Working Dir:"};  // 92
inline constexpr LangPair IconPathLabel{"Icon Pfad:", "Icon path:"};  // 93
inline constexpr LangPair SearchTermsLabel{"Suchbegriffe:", "Search terms:"};  // 94
inline constexpr LangPair IdListLabel{"ID Liste:", "ID list:"};  // 95
inline constexpr LangPair IconIndexLabel{"Icon Index:", "Icon index:"};  // 96
inline constexpr LangPair UserNameLabel{"Benutzername:", "User name:"};  // 97
inline constexpr LangPair ChooseIcon{"Icon w\xE4hlen", "Choose icon"};  // 98
inline constexpr LangPair ExtendedButton{"erweitert >>", "advanced >>"};  // 99
inline constexpr LangPair BackButton{"<< zur\xFC" "ck", "<< back"};  // 100
// 101
inline constexpr LangPair RemovableFolder{
    "Ordner von Wechseldatentr\xE4ger, Netzlaufwerk, ...",
    "Folder on removable disk, network drive, ..."};
inline constexpr LangPair EntryIsUrl{"Eintrag ist eine URL", "Entry is a URL"};  // 102
inline constexpr LangPair EntryIsCommand{"Eintrag ist ein Windows-Befehl", "Entry is a Windows command"};  // 103
inline constexpr LangPair EditAbort{"Abbrechen", "Abort"};  // 104
inline constexpr LangPair EditOk{"OK", "OK"};  // 105
// 106
inline constexpr LangPair NoDeleteHint{
    "Ist dieses Feld angew\xE4hlt, wird der Eintrag bei\r\n"
    "\"Verweise auf nicht existierende Dateien und Ordner entfernen\"\r\n"
    "auch dann nicht gel\xF6scht, wenn sein Ziel nicht existiert. \r\n"
    "\r\n"
    "Dies ist z.B. bei Netzlaufwerken und \r\n"
    "bei Wechseldatentr\xE4gern w\xFCnschenswert. ",
    "If this is checked an entry will not be deleted by\r\n"
    "\"Delete entrys linking non-existing files or folders\"\r\n"
    " if its target does not exist. \r\n"
    "\r\n"
    "This might be useful for \r\n"
    "network drives for example."};

// Info dialog (rows 107-111).
inline constexpr LangPair InfoHelpTab{"Hilfe", "Help"};  // 107
inline constexpr LangPair FileInfoTitle{"Dateiinfo", "File information"};  // 108
inline constexpr LangPair FileInfoName{"Name", "Name"};  // 109
inline constexpr LangPair FileInfoSize{"Dateigr\xF6\xDF" "e", "File size"};  // 110
inline constexpr LangPair FileInfoDetails{"Datails", "Details"};  // 111

// List context menus (rows 112-124).
inline constexpr LangPair EditRow{"Bearbeiten", "Edit"};  // 112
inline constexpr LangPair RemoveRow{"Entfernen", "Remove"};  // 113
inline constexpr LangPair RenameRow{"Umbenennen", "Rename"};  // 114
inline constexpr LangPair CopyRow{"Kopie erstellen", "Create copy"};  // 115
inline constexpr LangPair RunRow{"Ausf\xFChren", "Run"};  // 116
inline constexpr LangPair GoToParentFolder{"In \xFC" "bergeordneten Ordner wechseln", "Go to parent folder"};  // 117
// 118
inline constexpr LangPair OpenCommandPrompt{
    "Eingabeaufforderung hier \xF6" "ffnen",
    "Open command prompt here"};
inline constexpr LangPair RefreshFileInfo{"Datei-Informationen aktualisieren", "Refresh file information"};  // 119
inline constexpr LangPair ShellContextMenu{"Kontextmen\xFC", "Context menu"};  // 120
// 121
inline constexpr LangPair JustAddWithKey{
    "Verkn\xFCpfungen als Dateien hinzuf\xFCgen (Strg+D))",
    "Add links as files (Strg+D)"};
// 122
inline constexpr LangPair LinkValuesWithKey{
    "Verkn\xFCpfungsziel einf\xFCgen (Strg+L)",
    "Insert link target (Strg+L)"};
inline constexpr LangPair NewFolderWithKey{"Neuen Ordner erstellen (Strg+N)", "Create new folder (Strg+N)"};  // 123
inline constexpr LangPair NewFileWithKey{"Neue Datei erstellen (Strg+M)", "Create new file (Strg+M)"};  // 124

// Options dialog (rows 125-141).
inline constexpr LangPair OpenWebSearchLabel{"\xD6" "ffnen des Google Dialogs", "Open the Google dialog"};  // 125
inline constexpr LangPair StartFolderSearchLabel{"Starten der Ordnersuche", "Start the folder search"};  // 126
inline constexpr LangPair MyComputerLabel{"Arbeitsplatz", "My Computer"};  // 127
inline constexpr LangPair DesktopLabel{"Desktop", "Desktop"};  // 128
inline constexpr LangPair ControlPanelLabel{"Systemsteuerung", "Control Panel"};  // 129
inline constexpr LangPair RunCommandsLabel{"Windows-Befehle ausf\xFChren", "Run Windows commands"};  // 130
inline constexpr LangPair RunUrlsLabel{"URLs ausf\xFChren", "Open URLs"};  // 131
// 132
inline constexpr LangPair RunWwwUrlsLabel{
    "URLs ausf\xFChren, beginnend mit www.",
    "Open URLs beginning with www."};
// 133
inline constexpr LangPair RunHttpUrlsLabel{
    "URLs ausf\xFChren, beginnend mit http://",
    "Open URLs beginning with http://"};
inline constexpr LangPair ResetDefaults{"Zur\xFC" "cksetzen", "Defaults"};  // 134
// 135
inline constexpr LangPair GoToExplorerFolder{
    "In Verzeichnis des Explorers wechseln",
    "Go to the Explorer's folder"};
inline constexpr LangPair CopyMarkedListLine1{"Liste der markierten Dateien in die", "Copy list of marked"};  // 136
// 137
inline constexpr LangPair CopyMarkedListLine2{
    "Zwischenablage kopieren, Verzeichnistiefe:",
    "files to clipboard, number of subdirectories:"};
inline constexpr LangPair DepthOne{"Einfach:", "Single:"};  // 138
inline constexpr LangPair DepthTwo{"Zweifach:", "Double:"};  // 139
inline constexpr LangPair DepthThree{"Dreifach:", "Triple:"};  // 140
inline constexpr LangPair DepthAll{"Alle Unterverzeichnisse:", "All subdirectories:"};  // 141

// Run-as password prompt (rows 142-143).
inline constexpr LangPair PasswordCaption{"Passwortabfrage", "Password request"};  // 142
inline constexpr LangPair PasswordPrompt{"Passwort f\xFCr Benutzer ", "Password for user "};  // 143

// Import wizard (rows 144-167).
// 144
inline constexpr LangPair ImportFolderHelp{
    "W\xE4hlen sie entweder manuell ein Verzeichnis\r"
    "von ihrer Festplatte (mit dem Button \"..\")\r"
    "oder w\xE4hlen sie ein vorgegebenes Verzeichnis\r"
    "aus der Combo Box.",
    "Either choose a directory manually\r"
    "from your harddrive (with the button \"..\")\r"
    "or choose a directory that is given in the\r"
    "combo box."};
// 145
inline constexpr LangPair ImportFiltersHelp{
    "W\xE4hlen sie aus, welche\r"
    "Dateien hinzugef\xFCgt\r"
    "werden sollen und wie\r"
    "mit Verkn\xFCpfungen\r"
    "umgegangen werden\r"
    "soll.",
    "Define what kind of\r"
    "files will be added\r"
    "and how to handle\r"
    "shortcuts"};
// 146
inline constexpr LangPair ImportSearchTextHelp{
    "Wenn sie die M\xF6glichkeit haben m\xF6" "chten,\r"
    "sich in Quillox genau die Eintr\xE4ge anzeigen zu\r"
    "lassen, die gerade erstellt werden,\r"
    "dann k\xF6nnen sie jetzt einen Suchtext\r"
    "angeben, unter dem die neuen Eintr\xE4ge zu\r"
    "finden sein sollen.\r"
    "\r"
    "Sie sollten eine Zeichenfolge w\xE4hlen, die\r"
    "in keinem Namen eines Eintrags vorkommt.\r"
    "Um das zu erreichen k\xF6nnten Sie z.B. den\r"
    "Suchtext mit dem $ Zeichen beginnen lassen.",
    "If you want to be able to view only the files\r"
    "that are now being added to Quillox you can\r"
    "enter a search text with which you will\r"
    "be able to find the new entries"};
inline constexpr LangPair ImportSearchTextLabel{"Suchtext:", "Search text:"};  // 147
// 148
inline constexpr LangPair ImportStartHelp{
    "Die Filter sind jetzt konfiguriert und die Suche\r"
    "kann gestartet werden.\r"
    "\r"
    "Nach Beendigung der Suche erscheint ein\r"
    "Fenster, in dem alle gefundenen Dateien\r"
    "aufgelistet sind.\r"
    "Es ist dann noch m\xF6glich, Dateien\r"
    "manuell abzuw\xE4hlen.",
    "The filters are configured now and the search\r"
    "can be started.\r"
    "\r"
    "A window showing all found files will appear\r"
    "when the search has finished.\r"
    "It is possible to deselect files in this window\r"
    "manually."};
inline constexpr LangPair ImportBack{"Zur\xFC" "ck", "Back"};  // 149
inline constexpr LangPair ImportNext{"Weiter", "Next"};  // 150
// 151
inline constexpr LangPair ImportSelectedCreated{
    "Die ausgew\xE4hlten Eintr\xE4ge werden erstellt:",
    "The selected eintries will be created:"};
inline constexpr LangPair SelectAll{"Alle w\xE4hlen", "Select all"};  // 152
inline constexpr LangPair DeselectAll{"Alle abw\xE4hlen", "Deselect all"};  // 153
inline constexpr LangPair ImportOk{"Ok", "Ok"};  // 154
inline constexpr LangPair ImportCancel{"Abbrechen", "Cancel"};  // 155
inline constexpr LangPair ImportCaption{"Verzeichnisinhalt importieren", "Import folder contents"};  // 156
inline constexpr LangPair ImportFolderLabel{"Verzeichnis:", "Folder:"};  // 157
// 158
inline constexpr LangPair DontAddIfExisting{
    "Datei nicht hinzuf\xFCgen wenn ein Eintrag mit gleichem Namen bereits existiert",
    "Don't add a file if an entry with the same name already exists"};
// 159
inline constexpr LangPair InterpretLinks{
    "Von Verkn\xFCpfungen das Ziel hinzuf\xFCgen",
    "Add the target of links"};
inline constexpr LangPair DenyByNameTab{"Ausschlie\xDF" "en nach Dateiname", "Exclude by file name"};  // 160
// 161
inline constexpr LangPair DenyByNameSwitch{
    "Keine Dateien hinzuf\xFCgen, die folgenden Text enthalten",
    "Don't add files containing the following text"};
inline constexpr LangPair SaveFilter{"Speichern", "Save"};  // 162
inline constexpr LangPair LoadFilter{"Laden", "Load"};  // 163
inline constexpr LangPair LimitByNameTab{"Eingrenzen nach Dateiname", "Limit by file name"};  // 164
// 165
inline constexpr LangPair LimitByNameSwitch{
    "Nur Dateien ber\xFC" "cksichtigen, die folgenden Text enthalten",
    "Only consider files containing the following text"};
// 166
inline constexpr LangPair DenyByTargetTab{
    "Ausschlie\xDF" "en nach Verkn\xFCpfungsziel",
    "Exclude by link target"};
// 167
inline constexpr LangPair DenyByTargetSwitch{
    "Keine Verkn\xFCpfungen hinzuf\xFCgen, deren Ziel folgenden Text enth\xE4lt",
    "Don't add links whose target contains the following text"};

// Launch errors; the halves around a name end or start with a quotation mark (rows 168-180).
inline constexpr LangPair NotFoundStart{"Datei oder Ordner \"", "File or folder \""};  // 168
inline constexpr LangPair PathStart{"Pfad \"", "Directory \""};  // 169
inline constexpr LangPair NotFoundEnd{"\" wurde nicht gefunden.", "\" could not be found."};  // 170
inline constexpr LangPair AccessStart{"Zugriff auf \"", "Access to \""};  // 171
inline constexpr LangPair AccessEnd{"\" wurde verweigert.", "\" was denied"};  // 172
// 173
inline constexpr LangPair NoAssociationLink{
    "Verkn\xFCpfungen sind auf Ihrem Computer keiner Anwendung zugeordnet!\r"
    "Wahrscheinlich ist der kleine Pfeil, mit dem Verkn\xFCpfungen gekennkennzeichnet sind,\r"
    "mit einem Windows Optimierungs-Tool entfernt worden.\r"
    "F\xFCgen sie den Pfeil wieder hinzu und w\xE4hlen sie ein leeres Icon anstelle des Pfeils.\r"
    "Starten sie dann das Programm neu.",
    "The file type is not assigned to an application."};
// 174
inline constexpr LangPair NoAssociation{
    "Der angegebene Dateityp ist auf Ihrem Computer keiner Anwendung zugeordnet.",
    "The file type is not assigned to an application."};
inline constexpr LangPair UrlStart{"URL \"", "URL \""};  // 175
// 176
inline constexpr LangPair UrlEnd{
    "\" konnte nicht mit Shellexecute ge\xF6" "ffnet werden.\r"
    "Sie k\xF6nnen die URL auch bei gedr\xFC" "ckter Strg-Taste direkt an den Standardbrowser "
    "senden.",
    "\" could not be executed using shellexecute.\r"
    "You can send the url directly to the standard browser by keeping the strg key pressed."};
// 177
inline constexpr LangPair BrowserFailed{
    "Standard-Browser konnte nicht ge\xF6" "ffnet werden",
    "Failed to open then standard browser"};
inline constexpr LangPair CommandStart{"Befehl \"", "Failed to execute command \""};  // 178
inline constexpr LangPair CommandEnd{"\" konnte nicht ausgef\xFChrt werden.", "\""};  // 179
inline constexpr LangPair ErrorWord{"Fehler", "Error"};  // 180

// The tray icon's menu; not rows of the table.
inline constexpr LangPair TrayShow{"Anzeigen", "Show"};
inline constexpr LangPair TrayClose{"Schlie\xDF" "en", "Close"};

}  // namespace texts

inline constexpr int kLangTextCount = 180;
// Every row in storage order: element n - 1 is row n.
std::span<const LangPair* const, kLangTextCount> AllLangTexts();

}  // namespace qx
