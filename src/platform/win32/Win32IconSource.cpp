#include "platform/win32/Win32IconSource.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

using PrivateExtractIconsFn = UINT(WINAPI*)(LPCSTR, int, int, int, HICON*, UINT*, UINT, UINT);

LoadedIcon Own(HICON icon) {
    if (!icon) return nullptr;
    return LoadedIcon(icon, [](void* handle) { ::DestroyIcon(static_cast<HICON>(handle)); });
}

UINT ShellSizeFlag(int size) { return size <= 16 ? SHGFI_SMALLICON : SHGFI_LARGEICON; }

LoadedIcon IconOfIdList(LPCITEMIDLIST list, int size) {
    SHFILEINFOA info{};
    const UINT flags = SHGFI_PIDL | SHGFI_ICON | ShellSizeFlag(size);
    if (!::SHGetFileInfoA(reinterpret_cast<LPCSTR>(list), 0, &info, sizeof info, flags)) return nullptr;
    return Own(info.hIcon);
}

// COM for the calls of one scope; uninitialised only when this scope initialised it.
class ComScope {
public:
    ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

UniqueIdList CloneIdList(LPCITEMIDLIST first, LPCITEMIDLIST second) {
    return UniqueIdList(first ? ::ILCombine(first, second) : ::ILClone(second));
}

// The item of a shell-namespace path: each name after a backslash is looked up among the
// display names of the items of the folder reached so far, from the desktop on.
UniqueIdList NamespaceItem(const std::string& path) {
    if (path.size() < 2 || path[0] != '\\' || path[1] == '\\') return {};
    ComPtr<IShellFolder> folder;
    if (FAILED(::SHGetDesktopFolder(folder.put()))) return {};
    UniqueIdList full;
    for (std::size_t begin = 1; begin < path.size();) {
        std::size_t end = path.find('\\', begin);
        if (end == std::string::npos) end = path.size();
        const std::string name = path.substr(begin, end - begin);
        begin = end + 1;
        if (name.empty()) continue;
        ComPtr<IEnumIDList> items;
        const SHCONTF kinds = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
        if (folder->EnumObjects(nullptr, kinds, items.put()) != S_OK || !items) return {};
        UniqueIdList match;
        LPITEMIDLIST child = nullptr;
        while (!match && items->Next(1, &child, nullptr) == S_OK) {
            UniqueIdList owned(child);
            STRRET text{};
            char display[MAX_PATH] = {};
            if (SUCCEEDED(folder->GetDisplayNameOf(owned.get(), SHGDN_INFOLDER, &text)) &&
                SUCCEEDED(::StrRetToBufA(&text, owned.get(), display, MAX_PATH)) &&
                ::lstrcmpiA(display, name.c_str()) == 0)
                match = std::move(owned);
        }
        if (!match) return {};
        if (begin < path.size()) {
            ComPtr<IShellFolder> next;
            if (FAILED(folder->BindToObject(match.get(), nullptr, IID_IShellFolder, next.putVoid()))) return {};
            folder = next;
        }
        full = CloneIdList(full.get(), match.get());
        if (!full) return {};
    }
    return full;
}

void PutU16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

}  // namespace

LoadedIcon Win32IconSource::ExtractFileIcon(const std::string& file, int index, int size) const {
    // Not in every user32; where it is, it extracts at any size, not only the two system ones.
    static const auto privateExtract = reinterpret_cast<PrivateExtractIconsFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "PrivateExtractIconsA")));
    if (privateExtract) {
        HICON icon = nullptr;
        UINT id = 0;
        const UINT found = privateExtract(file.c_str(), index, size, size, &icon, &id, 1, LR_DEFAULTCOLOR);
        if (found == 0 || found == 0xFFFFFFFF) return nullptr;
        return Own(icon);
    }
    HICON large = nullptr;
    HICON small = nullptr;
    if (::ExtractIconExA(file.c_str(), index, &large, &small, 1) == 0) return nullptr;
    UniqueIcon largeIcon(large);
    UniqueIcon smallIcon(small);
    return Own(size <= 16 ? smallIcon.release() : largeIcon.release());
}

LoadedIcon Win32IconSource::ShellIcon(const std::string& path, int size) const {
    SHFILEINFOA info{};
    if (!::SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | ShellSizeFlag(size))) return nullptr;
    return Own(info.hIcon);
}

LoadedIcon Win32IconSource::IdListIcon(const std::string& idListBytes, int size) const {
    // Only a list whose items all lie within the bytes reaches the shell; the end mark is added
    // when the stored list lacks it.
    std::size_t at = 0;
    while (at + 2 <= idListBytes.size()) {
        const std::size_t itemSize = static_cast<unsigned char>(idListBytes[at]) |
                                     (static_cast<std::size_t>(static_cast<unsigned char>(idListBytes[at + 1])) << 8);
        if (itemSize == 0) break;
        if (itemSize < 2 || at + itemSize > idListBytes.size()) return nullptr;
        at += itemSize;
    }
    if (at == 0) return nullptr;
    std::vector<std::uint16_t> buffer(at / 2 + 2, 0);  // two-byte aligned, zero end mark
    std::memcpy(buffer.data(), idListBytes.data(), at);
    return IconOfIdList(reinterpret_cast<LPCITEMIDLIST>(buffer.data()), size);
}

LoadedIcon Win32IconSource::CommandIcon(int size) const {
    const int stored = size == 16 ? 16 : size == 32 ? 32 : 48;
    // The system's shared icon is copied, so the copy can be freed like any other.
    const auto shared =
        static_cast<HICON>(::LoadImageA(nullptr, IDI_APPLICATION, IMAGE_ICON, stored, stored, LR_SHARED));
    if (!shared) return nullptr;
    return Own(static_cast<HICON>(::CopyImage(shared, IMAGE_ICON, stored, stored, 0)));
}

std::optional<bool> Win32IconSource::ShellItemIsFolder(const std::string& path) const {
    ComScope com;
    const UniqueIdList item = NamespaceItem(path);
    if (!item) return std::nullopt;
    SHFILEINFOA info{};
    info.dwAttributes = SFGAO_FOLDER;
    if (!::SHGetFileInfoA(reinterpret_cast<LPCSTR>(item.get()), 0, &info, sizeof info,
                          SHGFI_PIDL | SHGFI_ATTRIBUTES | SHGFI_ATTR_SPECIFIED))
        return false;
    return (info.dwAttributes & SFGAO_FOLDER) != 0;
}

LoadedIcon Win32IconSource::ShellItemIcon(const std::string& path, int size) const {
    ComScope com;
    const UniqueIdList item = NamespaceItem(path);
    return item ? IconOfIdList(item.get(), size) : nullptr;
}

LoadedIcon Win32IconSource::LoadIconFile(const std::string& path, int size) const {
    return Own(static_cast<HICON>(::LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

std::string Win32IconSource::IconFileBytes(const LoadedIcon& icon) const {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(static_cast<HICON>(icon.get()), &info)) return {};
    const UniqueBitmap colour(info.hbmColor);
    const UniqueBitmap mask(info.hbmMask);
    // A two-colour icon has no colour bitmap; it is shown from memory but not kept as a file.
    if (!colour) return {};
    BITMAP shape{};
    if (!::GetObjectA(colour.get(), sizeof shape, &shape)) return {};
    const int width = shape.bmWidth;
    const int height = shape.bmHeight;
    if (width <= 0 || height <= 0 || width > 256 || height > 256) return {};

    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!dc) return {};
    BITMAPINFO pixelsInfo{};
    pixelsInfo.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (::GetDIBits(dc.get(), colour.get(), 0, height, pixels.data(), &pixelsInfo, DIB_RGB_COLORS) != height) return {};

    // Rows of the 1-bit AND mask are padded to whole 32-bit words; bit set = transparent.
    const std::size_t maskStride = static_cast<std::size_t>((width + 31) / 32) * 4;
    std::vector<std::uint8_t> maskBits(maskStride * height, 0);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } maskInfo{};
    maskInfo.header = {sizeof(BITMAPINFOHEADER), width, height, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
    const bool haveMask = mask && ::GetDIBits(dc.get(), mask.get(), 0, height, maskBits.data(),
                                              reinterpret_cast<BITMAPINFO*>(&maskInfo), DIB_RGB_COLORS) == height;
    bool anyAlpha = false;
    for (const std::uint32_t pixel : pixels) anyAlpha = anyAlpha || (pixel >> 24) != 0;
    // Icons without alpha take it from the mask; the mask is then written to match the alpha.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t& pixel = pixels[static_cast<std::size_t>(y) * width + x];
            std::uint8_t& maskByte = maskBits[y * maskStride + x / 8];
            const std::uint8_t bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            if (!anyAlpha) pixel = (pixel & 0x00FFFFFF) | ((haveMask && (maskByte & bit)) ? 0u : 0xFF000000u);
            if ((pixel >> 24) == 0) maskByte |= bit;
            else maskByte &= static_cast<std::uint8_t>(~bit);
        }
    }

    const std::uint32_t imageBytes =
        static_cast<std::uint32_t>(sizeof(BITMAPINFOHEADER) + pixels.size() * 4 + maskBits.size());
    std::string out;
    out.reserve(22 + imageBytes);
    PutU16(out, 0);  // reserved
    PutU16(out, 1);  // icon
    PutU16(out, 1);  // one image
    out += static_cast<char>(width >= 256 ? 0 : width);
    out += static_cast<char>(height >= 256 ? 0 : height);
    out += '\0';  // no palette
    out += '\0';
    PutU16(out, 1);   // planes
    PutU16(out, 32);  // bits per pixel
    PutU32(out, imageBytes);
    PutU32(out, 22);  // the image follows the directory
    PutU32(out, sizeof(BITMAPINFOHEADER));
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height * 2));  // colour and mask
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, BI_RGB);
    PutU32(out, static_cast<std::uint32_t>(pixels.size() * 4 + maskBits.size()));
    for (int i = 0; i < 4; ++i) PutU32(out, 0);
    out.append(reinterpret_cast<const char*>(pixels.data()), pixels.size() * 4);
    out.append(reinterpret_cast<const char*>(maskBits.data()), maskBits.size());
    return out;
}

}  // namespace qx
