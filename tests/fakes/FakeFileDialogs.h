#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"

namespace qx::test {

// Answers each picker with what the test set; nothing set is a cancel.
class FakeFileDialogs : public IFileDialogs {
public:
    std::vector<std::string> ChooseFiles() override { return files; }
    std::optional<std::string> ChooseFolder() override { return folder; }
    std::optional<std::string> ChooseBitmap() override {
        ++bitmapRequests;
        return bitmap;
    }

    std::vector<std::string> files;
    std::optional<std::string> folder, bitmap;
    int bitmapRequests = 0;
};

}  // namespace qx::test
