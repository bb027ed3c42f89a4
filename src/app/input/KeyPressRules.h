#pragma once
#include <string>
#include <string_view>

#include "search/PrefixCharacters.h"

namespace qx {

// A letter followed by ':' ("C:..."), or a network path beginning with two backslashes.
bool IsFileSystemPath(std::string_view path);

// The shell's parsing paths used by the ':' and '_' characters, without trailing '\'.
struct ShellFolderPaths {
    std::string computer;
    std::string controlPanel;
};

// What a typed character makes of the input line before it would be appended.
struct KeyPressExpansion {
    enum class Kind {
        None,           // no rule fits: the character goes on as typed
        SetInput,       // the input becomes text and the character is dropped
        OpenWebSearch,  // the input stays, the web search dialog opens, the character is dropped
    };
    Kind kind = Kind::None;
    std::string text;
    bool expandPath = false;  // text still goes through the path expansion
};

// The drive-letter rules and the prefix characters typed into an empty input, for an input
// line that does not have the focus. input is the current text of the input line.
KeyPressExpansion ExpandTypedChar(char c, std::string_view input, const PrefixCharacters& prefixes,
                                  const ShellFolderPaths& shellPaths);

// While browsing folders, a ':' after a drive path and a second '\' in a row are dropped.
bool DropInFolderBrowsing(char c, std::string_view input, std::string_view queryTail, bool inputLineFocused);

}  // namespace qx
