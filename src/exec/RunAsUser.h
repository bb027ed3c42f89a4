#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "exec/LaunchRequest.h"
#include "platform/LogonProcessStarter.h"

namespace qx {

// Windows-1252 text as UTF-16.
std::wstring WidenAnsi(std::string_view text);

// Overwrites every character the string's buffer holds, spare capacity included, in a way the
// compiler may not drop, then empties it.
void WipeSecret(std::wstring& secret) noexcept;

// The command line of a launch under another account: a management console snap-in (".msc",
// any case) runs as "MMC.EXE" with the snap-in as argument, anything else as itself with the
// parameters. The program is not quoted; a non-empty argument is added as one quoted argument,
// blanks and all.
std::wstring RunAsUserCommandLine(std::wstring_view fileName, std::wstring_view parameters);

// Starts the file under the user and returns the system error code (0 on success). The
// password is wiped when the call returns.
std::uint32_t RunAsUserLaunch(ILogonProcessStarter& starter, const std::wstring& user, std::wstring& password,
                              std::wstring_view fileName, std::wstring_view parameters);
// The same for a launch request with a run-as user; its password is wiped.
std::uint32_t RunAsUserLaunch(ILogonProcessStarter& starter, LaunchRequest& request);

// The prompt text shown before such a launch: "Passwort für Benutzer " and the user name.
std::string PasswordPromptText(int languageIndex, const std::string& user);

}  // namespace qx
