#include "exec/RunAsUser.h"

#include "text/LanguageStrings.h"

namespace qx {
namespace {

// The characters 0x80-0x9F of Windows-1252; the five it leaves undefined map to themselves as
// the system's own conversion does.
bool IsSnapIn(std::wstring_view fileName) {
    const std::size_t dot = fileName.rfind(L'.');
    if (dot == std::wstring_view::npos) return false;
    const std::wstring_view extension = fileName.substr(dot);
    if (extension.find_first_of(L"\\/:") != std::wstring_view::npos) return false;  // a dot in a folder name
    constexpr std::wstring_view kSnapIn = L".msc";
    if (extension.size() != kSnapIn.size()) return false;
    for (std::size_t i = 0; i < kSnapIn.size(); ++i) {
        wchar_t c = extension[i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != kSnapIn[i]) return false;
    }
    return true;
}

// A drive path (C:\x) or a network path (\\server\x); any other name the system looks up.
bool IsFullPath(std::wstring_view path) {
    const auto isLetter = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); };
    const bool drive = path.size() >= 3 && isLetter(path[0]) && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    return drive || path.starts_with(L"\\\\");
}

}  // namespace

LogonCommand RunAsUserCommand(std::wstring_view fileName, std::wstring_view parameters,
                              std::wstring_view systemFolder) {
    const bool snapIn = IsSnapIn(fileName);
    LogonCommand command;
    if (snapIn) {
        command.application = std::wstring(systemFolder) + L"\\mmc.exe";
    } else if (IsFullPath(fileName)) {
        command.application = fileName;
    }
    command.commandLine = L'"' + (command.application.empty() ? std::wstring(fileName) : command.application) + L'"';
    const std::wstring_view argument = snapIn ? fileName : parameters;
    if (!argument.empty()) {
        command.commandLine += L" \"";
        command.commandLine += argument;
        command.commandLine += L'"';
    }
    return command;
}

std::uint32_t RunAsUserLaunch(ILogonProcessStarter& starter, const std::wstring& user, const std::wstring& password,
                              std::wstring_view fileName, std::wstring_view parameters) {
    const LogonCommand command = RunAsUserCommand(fileName, parameters, starter.SystemFolder());
    return starter.StartAsUser(user, password, command.application, command.commandLine);
}

std::string PasswordPromptText(int languageIndex, const std::string& user) {
    return LangText(texts::PasswordPrompt, languageIndex) + user;
}

}  // namespace qx
