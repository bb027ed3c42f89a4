#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/LogonProcessStarter.h"
#include "platform/SecretText.h"

namespace qx {

// What the logon call is given for a launch under another account.
struct LogonCommand {
    // The program's full path, so that no leading part of a path with blanks can be taken for
    // the program; empty for a bare program name, which the system then finds by its quoted name.
    std::wstring application;
    // The program in quotes, then a non-empty argument as one quoted argument, blanks and all.
    std::wstring commandLine;
};

// A management console snap-in (".msc", any case) runs in the system folder's mmc.exe with the
// snap-in as its argument, anything else as itself with the parameters.
LogonCommand RunAsUserCommand(std::wstring_view fileName, std::wstring_view parameters,
                              std::wstring_view systemFolder);

// Starts the file under the user and returns the system error code (0 on success). The
// password is the caller's to wipe.
std::uint32_t RunAsUserLaunch(ILogonProcessStarter& starter, const std::wstring& user, const std::wstring& password,
                              std::wstring_view fileName, std::wstring_view parameters);

// The prompt text shown before such a launch: "Passwort für Benutzer " and the user name.
std::string PasswordPromptText(int languageIndex, const std::string& user);

}  // namespace qx
