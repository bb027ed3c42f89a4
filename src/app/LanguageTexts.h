#pragma once
#include <string>

namespace qx {

// One user-visible text in both languages: 0 German, 1 English.
struct LangPair {
    const char* german;
    const char* english;
};

inline std::string LangText(const LangPair& pair, int languageIndex) {
    return languageIndex == 0 ? pair.german : pair.english;
}

// The texts of the main window's lifetime; the full table joins here.
namespace texts {

inline constexpr LangPair FileOperationsRunning{
    "Quillox f\xFChrt noch Dateioperationen aus.\rBrechen sie bitte zuerst diese Dateioperationen ab und "
    "beenden sie dann Quillox.",
    "Quillox is exeuting file operations.\rAbort them and quit Quillox."};

inline constexpr LangPair ReallyQuit{
    "M\xF6" "chten sie Quillox wirklich beenden?\rM\xF6glicherweise laufende Dateioperationen werden dabei "
    "abgebrochen.",
    "Do you really want to quit Quillox?\rRunning file operations will be aborted."};

inline constexpr LangPair TrayShow{"Anzeigen", "Show"};
inline constexpr LangPair TrayClose{"Schlie\xDF" "en", "Close"};

}  // namespace texts
}  // namespace qx
