#pragma once
#include <windows.h>

#include <utility>

namespace qx::test {

// Move-only owner of a Win32 handle. Traits: static bool IsEmpty(HANDLE), static void Close(HANDLE).
template <typename Traits>
class ScopedWin32Handle {
public:
    ScopedWin32Handle() = default;
    explicit ScopedWin32Handle(HANDLE handle) : handle_(handle) {}
    ~ScopedWin32Handle() { Reset(); }
    ScopedWin32Handle(const ScopedWin32Handle&) = delete;
    ScopedWin32Handle& operator=(const ScopedWin32Handle&) = delete;
    ScopedWin32Handle(ScopedWin32Handle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ScopedWin32Handle& operator=(ScopedWin32Handle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return !Traits::IsEmpty(handle_); }
    void Reset(HANDLE handle = nullptr) {
        if (!Traits::IsEmpty(handle_)) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

private:
    HANDLE handle_ = nullptr;
};

// Both null and INVALID_HANDLE_VALUE count as empty: the API families differ in which they return.
struct KernelHandleTraits {
    static bool IsEmpty(HANDLE handle) { return handle == nullptr || handle == INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { CloseHandle(handle); }
};
struct FindHandleTraits {
    static bool IsEmpty(HANDLE handle) { return handle == nullptr || handle == INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { FindClose(handle); }
};

using ScopedHandle = ScopedWin32Handle<KernelHandleTraits>;
using ScopedFindHandle = ScopedWin32Handle<FindHandleTraits>;

}  // namespace qx::test
