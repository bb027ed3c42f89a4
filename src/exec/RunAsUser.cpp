#include "exec/RunAsUser.h"

#include "text/LanguageStrings.h"

namespace qx {
namespace {

// The characters 0x80-0x9F of Windows-1252; the five it leaves undefined map to themselves as
// the system's own conversion does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

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

}  // namespace

std::wstring WidenAnsi(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        wide.push_back(byte >= 0x80 && byte < 0xA0 ? static_cast<wchar_t>(kHighControls[byte - 0x80])
                                                   : static_cast<wchar_t>(byte));
    }
    return wide;
}

void WipeSecret(std::wstring& secret) noexcept {
    // resize up to the capacity never reallocates, so the whole buffer is reachable.
    secret.resize(secret.capacity());
    volatile wchar_t* chars = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i) chars[i] = L'\0';
    secret.clear();
}

std::wstring RunAsUserCommandLine(std::wstring_view fileName, std::wstring_view parameters) {
    const bool snapIn = IsSnapIn(fileName);
    std::wstring commandLine(snapIn ? std::wstring_view(L"MMC.EXE") : fileName);
    const std::wstring_view argument = snapIn ? fileName : parameters;
    if (!argument.empty()) {
        commandLine += L" \"";
        commandLine += argument;
        commandLine += L'"';
    }
    return commandLine;
}

std::uint32_t RunAsUserLaunch(ILogonProcessStarter& starter, const std::wstring& user, std::wstring& password,
                              std::wstring_view fileName, std::wstring_view parameters) {
    const std::uint32_t code = starter.StartAsUser(user, password, RunAsUserCommandLine(fileName, parameters));
    WipeSecret(password);
    return code;
}

std::uint32_t RunAsUserLaunch(ILogonProcessStarter& starter, LaunchRequest& request) {
    return RunAsUserLaunch(starter, request.runAsUser, request.password, WidenAnsi(request.fileName),
                           WidenAnsi(request.parameters));
}

std::string PasswordPromptText(int languageIndex, const std::string& user) {
    return LangText(texts::PasswordPrompt, languageIndex) + user;
}

}  // namespace qx
