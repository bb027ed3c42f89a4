#include "platform/win32/Win32LinkFiles.h"

#include "platform/win32/Win32Api.h"

#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <string>

#include "platform/win32/ShellIdList.h"
#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

// Paths, working folder and icon file fit MAX_PATH; arguments and description may be longer
// (the shell stores up to INFOTIPSIZE) and are not cut.
constexpr int kPathChars = MAX_PATH;
constexpr int kLongTextChars = INFOTIPSIZE;

template <class Getter>
std::string ReadText(int capacity, Getter getter) {
    std::string buffer(static_cast<std::size_t>(capacity) + 1, '\0');
    if (FAILED(getter(buffer.data(), capacity))) return {};
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

// The path as the ANSI file functions read it, so the link opened is the file they would open.
std::wstring WidePath(const std::string& path) {
    if (path.empty()) return {};
    const int size = static_cast<int>(path.size());
    const int chars = ::MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(chars), L'\0');
    if (chars > 0) ::MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), chars);
    return wide;
}

// Whether the shell may be given the file. The shell walks the stored ID list by its item
// sizes without checking them against the list's length, so a damaged one would be read past
// its end; such a file is no link here. Anything else the shell checks itself.
bool IdListIsSound(const std::string& path) {
    constexpr std::size_t kHeaderSize = 0x4C;
    constexpr DWORD kHasIdList = 0x01;
    constexpr std::size_t kMaxRead = kHeaderSize + 2 + 0xFFFF;
    UniqueKernelHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return true;  // the shell reports what is wrong
    std::string bytes(kMaxRead, '\0');
    DWORD read = 0;
    if (!::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return false;
    bytes.resize(read);
    if (bytes.size() < kHeaderSize + 2) return true;
    DWORD flags = 0;
    std::memcpy(&flags, bytes.data() + 20, sizeof flags);
    if (!(flags & kHasIdList)) return true;
    const std::size_t listSize = static_cast<unsigned char>(bytes[kHeaderSize]) |
                                 static_cast<std::size_t>(static_cast<unsigned char>(bytes[kHeaderSize + 1])) << 8;
    if (bytes.size() < kHeaderSize + 2 + listSize) return false;
    return IsWholeIdList(std::string_view(bytes).substr(kHeaderSize + 2, listSize));
}

}  // namespace

std::optional<LinkFileData> Win32LinkFiles::Read(const std::string& path) const {
    // Each read brings COM up for the calling thread and takes it down again; the objects
    // below are released before that.
    if (!IdListIsSound(path)) return std::nullopt;
    const ComInitializer com;
    ComPtr<IShellLinkA> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid())))
        return std::nullopt;
    ComPtr<IPersistFile> file;
    if (FAILED(link.As(file))) return std::nullopt;
    if (FAILED(file->Load(WidePath(path).c_str(), STGM_READ))) return std::nullopt;

    LinkFileData data;
    data.arguments = ReadText(kLongTextChars, [&](char* text, int size) { return link->GetArguments(text, size); });
    WIN32_FIND_DATAA found{};
    data.path = ReadText(kPathChars, [&](char* text, int size) {
        return link->GetPath(text, size, &found, SLGP_UNCPRIORITY);
    });
    int showCommand = 0;
    if (SUCCEEDED(link->GetShowCmd(&showCommand))) data.showCommand = showCommand;
    data.workingDirectory =
        ReadText(kPathChars, [&](char* text, int size) { return link->GetWorkingDirectory(text, size); });
    UniqueIdList idList;
    if (SUCCEEDED(link->GetIDList(idList.put()))) data.idList = IdListToBytes(idList.get());
    data.description =
        ReadText(kLongTextChars, [&](char* text, int size) { return link->GetDescription(text, size); });
    int iconIndex = 0;
    data.iconFile = ReadText(kPathChars, [&](char* text, int size) {
        return link->GetIconLocation(text, size, &iconIndex);
    });
    data.iconIndex = iconIndex;
    WORD hotKey = 0;
    if (SUCCEEDED(link->GetHotkey(&hotKey))) data.hotKey = hotKey;
    return data;
}

}  // namespace qx
