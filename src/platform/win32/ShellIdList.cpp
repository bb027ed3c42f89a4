#include "platform/win32/ShellIdList.h"

#include <cstring>

#include <shlobj.h>

namespace qx {
namespace {

std::size_t ItemSize(const unsigned char* at) { return static_cast<std::size_t>(at[0] | (at[1] << 8)); }

}  // namespace

bool IsWholeIdList(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t offset = 0;
    while (true) {
        if (bytes.size() - offset < 2) return false;
        const std::size_t size = ItemSize(data + offset);
        if (size == 0) return true;
        if (size < 2 || size > bytes.size() - offset) return false;
        offset += size;
    }
}

std::optional<UniqueIdList> ShellItemIdListFromBytes(const std::string& bytes) {
    if (!IsWholeIdList(bytes)) return std::nullopt;
    UniqueIdList idList(static_cast<ITEMIDLIST*>(::CoTaskMemAlloc(bytes.size())));
    if (!idList) return std::nullopt;
    std::memcpy(idList.get(), bytes.data(), bytes.size());
    return idList;
}

std::optional<UniqueIdList> IdListFromBytes(const std::string& bytes) {
    if (bytes.size() <= 4) return std::nullopt;
    return ShellItemIdListFromBytes(bytes);
}

std::string IdListToBytes(const ITEMIDLIST* idList) {
    if (!idList) return {};
    // The walk stays inside the block the shell allocated: a list loaded from a damaged link
    // file need not end inside it. Such a list is kept whole and refused when it is used.
    ComPtr<IMalloc> shellMemory;
    if (FAILED(::SHGetMalloc(shellMemory.put()))) return {};
    const SIZE_T allocated = shellMemory->GetSize(const_cast<ITEMIDLIST*>(idList));
    if (allocated == static_cast<SIZE_T>(-1)) return {};
    const auto* data = reinterpret_cast<const unsigned char*>(idList);
    const auto bytes = [&](std::size_t length) { return std::string(reinterpret_cast<const char*>(data), length); };
    std::size_t size = 0;
    while (allocated - size >= 2) {
        const std::size_t item = ItemSize(data + size);
        if (item == 0) return bytes(size + 2);
        if (item < 2 || item > allocated - size) break;
        size += item;
    }
    return bytes(allocated);
}

}  // namespace qx
