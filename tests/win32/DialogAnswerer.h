#pragma once
#include "platform/win32/Win32Api.h"

#include <functional>
#include <string>
#include <thread>

#include "e2e/WindowProbe.h"

namespace qx::test {

// Waits on another thread for a visible window of this process with the given class (null:
// any) and caption, lets `look` read or fill it in, then presses `button` in it.
class DialogAnswerer {
public:
    DialogAnswerer(const char* windowClass, const char* caption, int button, std::function<void(HWND)> look = {})
        : thread_([this, windowClass, caption, button, look = std::move(look)] {
              HWND dialog = nullptr;
              found_ = WaitUntil([&] {
                  dialog = ::FindWindowA(windowClass, caption);
                  return dialog && WindowProcessId(dialog) == ::GetCurrentProcessId() && ::IsWindowVisible(dialog);
              });
              if (!found_) return;
              if (look) look(dialog);
              ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                             reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
          }) {}
    ~DialogAnswerer() { Found(); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the answer; whether the window appeared.
    bool Found() {
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    bool found_ = false;
    std::thread thread_;
};

}  // namespace qx::test
