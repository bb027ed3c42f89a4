#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "e2e/Harness.h"
#include "e2e/ListRows.h"

namespace qx::test {

// Cases that type into a shown window: the recorder program beside Quillox.exe notes every
// start in launches.txt.
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

    // Types the query and waits until the list shows these rows (only the first of them when
    // firstOnly).
    static ::testing::AssertionResult Search(HWND window, const std::string& query,
                                             const std::vector<std::string>& rows, bool firstOnly = false) {
        if (!TypeText(query)) return ::testing::AssertionFailure() << "cannot type " << query;
        if (WaitUntil([&] {
                const auto shown = ListRows(window);
                return firstOnly ? !shown.empty() && shown[0] == rows[0] : shown == rows;
            }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "rows: " << ::testing::PrintToString(ListRows(window))
                                             << ", input: " << InputLineText(window);
    }

    std::string Launches() {
        std::string bytes;
        ReadFileBytes(Folder().Path() + "launches.txt", bytes);
        return bytes;
    }

    // The recorder writes one CR LF line a start.
    size_t LaunchCount() { return static_cast<size_t>(std::ranges::count(Launches(), '\n')); }

    bool LaunchesContain(const std::string& part) {
        return WaitUntil([&] { return Launches().find(part) != std::string::npos; });
    }

    std::string recorder_;
    DWORD pid_ = 0;
};

}  // namespace qx::test
