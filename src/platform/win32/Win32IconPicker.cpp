#include "platform/win32/Win32IconPicker.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

// The shell exports its icon picker by number only on older systems; it takes wide text.
constexpr WORD kPickIconDlgOrdinal = 62;
using PickIconDlgFunction = int(WINAPI*)(HWND owner, PWSTR path, UINT pathChars, int* index);

// Entry texts are Windows-1252 whatever the system's code page.
constexpr UINT kAnsiCodePage = 1252;

}  // namespace

std::optional<IconChoice> Win32IconPicker::PickIcon(const IconChoice& start) {
    UniqueModule shell(::LoadLibraryW(L"shell32.dll"));
    if (!shell) return std::nullopt;
    const auto pick = reinterpret_cast<PickIconDlgFunction>(
        reinterpret_cast<void*>(::GetProcAddress(shell.get(), MAKEINTRESOURCEA(kPickIconDlgOrdinal))));
    if (!pick) return std::nullopt;

    wchar_t path[MAX_PATH] = {};
    // A path too long for the picker opens it on the default icon file instead of a cut one.
    if (start.file.size() < MAX_PATH && !start.file.empty())
        ::MultiByteToWideChar(kAnsiCodePage, 0, start.file.data(), static_cast<int>(start.file.size()), path, MAX_PATH - 1);
    int index = start.index;
    if (!pick(owner_, path, MAX_PATH, &index)) return std::nullopt;

    const int length = static_cast<int>(std::wcslen(path));
    std::string file(static_cast<std::size_t>(length) * 2, '\0');
    const int bytes = ::WideCharToMultiByte(kAnsiCodePage, 0, path, length, file.data(), static_cast<int>(file.size()),
                                            nullptr, nullptr);
    file.resize(static_cast<std::size_t>(std::max(bytes, 0)));
    return IconChoice{std::move(file), index};
}

}  // namespace qx
