#pragma once
#include <string>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"

namespace qx::test {

// Launch cases: the recorder program beside Quillox.exe notes every start in launches.txt.
class RecorderTest : public QuilloxE2eTest {
protected:
    void SetUp() override {
        QuilloxE2eTest::SetUp();
        recorder_ = Folder().Path() + "qx_recorder.exe";
        const std::string source = ProgramFolderOfThisExe() + "qx_recorder.exe";
        ASSERT_TRUE(CopyFileA(source.c_str(), recorder_.c_str(), FALSE)) << source;
        MarkAsLaunchedBefore();
    }

    // Starts shown with these entries, brought to the front and ready for typing.
    HWND StartShown(const std::string& files) {
        if (!Folder().WriteDataFile("Files.txt", files)) return nullptr;
        AppProcess& quillox = StartQuillox("-showonstartup");
        pid_ = quillox.Pid();
        HWND window = WaitForRunningWindow(quillox);
        if (!window || !WaitUntil([&] { return IsShownOnScreen(window); }) || !BringToFront(window)) return nullptr;
        return window;
    }

    std::string Launches() {
        std::string bytes;
        ReadFileBytes(Folder().Path() + "launches.txt", bytes);
        return bytes;
    }

    bool LaunchesContain(const std::string& part) {
        return WaitUntil([&] { return Launches().find(part) != std::string::npos; });
    }

    std::string recorder_;
    DWORD pid_ = 0;
};

}  // namespace qx::test
