#pragma once
#include <windows.h>

#include <thread>

namespace qx::test {

// A window of one plain colour at the bottom of the z-order, never activated: whatever a
// window above it lets through (a see-through corner) shows that colour. Its own thread
// paints it; the destructor closes it and waits for the thread.
class Backdrop {
public:
    Backdrop(const RECT& area, COLORREF colour);
    ~Backdrop();
    Backdrop(const Backdrop&) = delete;
    Backdrop& operator=(const Backdrop&) = delete;

    HWND Window() const { return window_; }

private:
    void Run(RECT area);

    COLORREF colour_;
    HWND window_ = nullptr;
    HANDLE ready_ = nullptr;
    std::thread thread_;
};

}  // namespace qx::test
