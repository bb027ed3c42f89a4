#include "platform/win32/Win32MessageBoxes.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/win32/UniqueHandle.h"

namespace qx {
namespace {

// What the box looked like when it appeared, and which button was pressed to close it.
struct SeenBox {
    bool found = false;
    std::string caption;
    std::string text;
    HWND owner = nullptr;
    bool hasOk = false;
    bool hasYes = false;
    bool hasNo = false;
};

BOOL CALLBACK CollectStaticText(HWND child, LPARAM param) {
    char className[32] = {};
    char text[512] = {};
    ::GetClassNameA(child, className, sizeof className);
    if (::lstrcmpiA(className, "Static") == 0 && ::GetWindowTextA(child, text, sizeof text) > 0)
        *reinterpret_cast<std::string*>(param) = text;
    return TRUE;
}

// Waits on another thread for this process's message box, records it and presses `button`.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button)
        : thread_([this, button] {
              for (int tries = 0; tries < 500 && !seen_.found; ++tries) {
                  HWND box = ::FindWindowA("#32770", Win32MessageBoxes::kCaption);
                  DWORD pid = 0;
                  if (box) ::GetWindowThreadProcessId(box, &pid);
                  if (!box || pid != ::GetCurrentProcessId()) {
                      ::Sleep(20);
                      continue;
                  }
                  seen_.found = true;
                  char caption[64] = {};
                  ::GetWindowTextA(box, caption, sizeof caption);
                  seen_.caption = caption;
                  ::EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&seen_.text));
                  seen_.owner = ::GetWindow(box, GW_OWNER);
                  seen_.hasOk = ::GetDlgItem(box, IDOK) != nullptr;
                  seen_.hasYes = ::GetDlgItem(box, IDYES) != nullptr;
                  seen_.hasNo = ::GetDlgItem(box, IDNO) != nullptr;
                  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(::GetDlgItem(box, button)));
              }
          }) {}
    ~BoxAnswerer() {
        if (thread_.joinable()) thread_.join();
    }

    const SeenBox& Seen() {
        thread_.join();
        return seen_;
    }

private:
    SeenBox seen_;
    std::thread thread_;
};

class Win32MessageBoxesTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_.reset(::CreateWindowExA(0, "STATIC", "Quillox owner", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr));
        if (!owner_) GTEST_SKIP() << "no window station; run with an X display";
        boxes.SetOwner(owner_.get());
    }

    UniqueHwnd owner_;
    Win32MessageBoxes boxes;
};

TEST_F(Win32MessageBoxesTest, AskQuestion_TrueOnlyForYes) {
    BoxAnswerer yes(IDYES);
    EXPECT_TRUE(boxes.AskQuestion("Delete the entry?\rIt cannot be restored."));
    const SeenBox& seen = yes.Seen();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "Quillox");
    EXPECT_EQ(seen.text, "Delete the entry?\rIt cannot be restored.");
    EXPECT_EQ(seen.owner, owner_.get());
    EXPECT_TRUE(seen.hasYes && seen.hasNo);

    BoxAnswerer no(IDNO);
    EXPECT_FALSE(boxes.AskQuestion("Again?"));
    EXPECT_TRUE(no.Seen().found);
}

TEST_F(Win32MessageBoxesTest, ShowMessageAndShowErrorOfferOnlyOk) {
    BoxAnswerer ok(IDOK);
    boxes.ShowMessage("Z\xE4hler gespeichert.");
    const SeenBox& message = ok.Seen();
    EXPECT_EQ(message.text, "Z\xE4hler gespeichert.");
    EXPECT_TRUE(message.hasOk && !message.hasYes);

    BoxAnswerer errorOk(IDOK);
    boxes.ShowError("Access is denied.");
    const SeenBox& error = errorOk.Seen();
    EXPECT_EQ(error.caption, "Quillox");
    EXPECT_EQ(error.text, "Access is denied.");
    EXPECT_FALSE(error.hasNo);
}

}  // namespace
}  // namespace qx
