#include "platform/win32/Win32ShellLauncher.h"

#include <optional>
#include <utility>

#include "platform/win32/ShellIdList.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Win32Api.h"
#include <shellapi.h>

namespace qx {
namespace {

// Apartment threading with DDE off, as the shell wants for ShellExecute.
constexpr DWORD kComModel = COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE;
constexpr std::size_t kSystemTextBuffer = 256;

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

int InvokeIdList(const void* idList, const char* verb) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.lpVerb = verb;
    info.lpIDList = const_cast<void*>(idList);
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&info) ? 1 : 0;
}

}  // namespace

Win32ShellLauncher::Win32ShellLauncher(RunAsUserFunction runAsUser) : runAsUser_(std::move(runAsUser)) {}

int Win32ShellLauncher::ShellExecuteFile(const std::string& file, const std::string& parameters,
                                     const std::string& workingFolder) {
    const ComInitializer com(kComModel);
    const HINSTANCE code =
        ::ShellExecuteA(nullptr, nullptr, file.c_str(), OrNull(parameters), OrNull(workingFolder), SW_SHOWNORMAL);
    return static_cast<int>(reinterpret_cast<INT_PTR>(code));
}

int Win32ShellLauncher::ExecuteIdList(const std::string& idListBytes) {
    // A damaged list starts nothing: handing the shell no list would open the desktop folder,
    // an unterminated one would be read past its end.
    const std::optional<UniqueIdList> idList = IdListFromBytes(idListBytes);
    if (!idList) return 0;
    const ComInitializer com(kComModel);
    try {
        InvokeIdList(idList->get(), nullptr);
    } catch (...) {
        // A shell extension's failure must not end the worker; ID list launches report nothing.
    }
    return 0;
}

int Win32ShellLauncher::ExecuteShellItem(const std::string& idListBytes, const std::string& verb) {
    const std::optional<UniqueIdList> idList = ShellItemIdListFromBytes(idListBytes);
    if (!idList) return 0;
    const ComInitializer com(kComModel);
    return InvokeIdList(idList->get(), OrNull(verb));
}

int Win32ShellLauncher::ShellExecuteVerb(const std::string& verb, const std::string& file) {
    const ComInitializer com(kComModel);
    const HINSTANCE code = ::ShellExecuteA(nullptr, OrNull(verb), file.c_str(), nullptr, nullptr, SW_SHOW);
    return static_cast<int>(reinterpret_cast<INT_PTR>(code));
}

int Win32ShellLauncher::RunAsUser(const std::wstring& user, const std::wstring& password,
                                  const std::string& fileName, const std::string& parameters) {
    return runAsUser_ ? runAsUser_(user, password, fileName, parameters) : kNoLogon;
}

std::string Win32ShellLauncher::SystemText(int code) {
    char buffer[kSystemTextBuffer];
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          static_cast<DWORD>(code), 0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty()) {
        const auto last = static_cast<unsigned char>(text.back());
        if (last > ' ' && last != 0x7F && last != '.') break;
        text.pop_back();
    }
    return text;
}

}  // namespace qx
