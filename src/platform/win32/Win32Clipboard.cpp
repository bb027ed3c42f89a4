#include "platform/win32/Win32Clipboard.h"

#include <cstring>

#include "platform/win32/SystemErrorText.h"

namespace qx {
namespace {

struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle Empty() noexcept { return nullptr; }
    static bool IsValid(Handle h) noexcept { return h != nullptr; }
    static void Close(Handle h) noexcept { ::GlobalFree(h); }
};
using UniqueGlobalMemory = UniqueHandle<GlobalMemoryTraits>;

// OpenClipboard/CloseClipboard; open() says whether the clipboard could be had in time.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        for (int attempt = 0; attempt < Win32Clipboard::kOpenAttempts; ++attempt) {
            if (::OpenClipboard(owner)) {
                open_ = true;
                return;
            }
            ::Sleep(Win32Clipboard::kRetryPauseMs);
        }
    }
    ~OpenedClipboard() {
        if (open_) ::CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool open() const { return open_; }

private:
    bool open_ = false;
};

// GlobalLock/GlobalUnlock of a memory block.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(::GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_ != nullptr) ::GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

Win32Clipboard::Win32Clipboard()
    : owner_(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ::GetModuleHandleA(nullptr),
                               nullptr)) {}

bool Win32Clipboard::GetText(std::string& text) {
    OpenedClipboard clipboard(owner_.get());
    if (!clipboard.open()) return false;
    HANDLE data = ::GetClipboardData(CF_TEXT);  // owned by the clipboard, never freed here
    if (data == nullptr) return false;
    LockedGlobal locked(data);
    if (locked.data() == nullptr) return false;
    // The block may be larger than the text; the text ends at its first NUL.
    const auto* chars = static_cast<const char*>(locked.data());
    const std::size_t capacity = ::GlobalSize(data);
    text.assign(chars, ::strnlen(chars, capacity));
    return true;
}

Status Win32Clipboard::SetText(const std::string& text) {
    UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    if (!memory) return Status::Fail(SystemErrorText(::GetLastError()));
    {
        LockedGlobal locked(memory.get());
        if (locked.data() == nullptr) return Status::Fail(SystemErrorText(::GetLastError()));
        std::memcpy(locked.data(), text.c_str(), text.size() + 1);
    }
    OpenedClipboard clipboard(owner_.get());
    if (!clipboard.open()) return Status::Fail(SystemErrorText(::GetLastError()));
    if (!::EmptyClipboard()) return Status::Fail(SystemErrorText(::GetLastError()));
    if (::SetClipboardData(CF_TEXT, memory.get()) == nullptr) return Status::Fail(SystemErrorText(::GetLastError()));
    // The clipboard owns the block now.
    (void)memory.release();
    return Status::Ok();
}

}  // namespace qx
