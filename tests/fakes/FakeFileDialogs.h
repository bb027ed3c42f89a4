#pragma once
#include "platform/FileDialogs.h"

namespace qx::test {

// Each picker answers what the test set; nothing set is a cancel.
struct FakeFileDialogs : IFileDialogs {
    std::vector<std::string> ChooseFiles() override { return files; }
    std::optional<std::string> ChooseFolder() override { return folder; }
    std::optional<std::string> ChooseBitmap() override { return bitmap; }

    std::vector<std::string> files;
    std::optional<std::string> folder, bitmap;
};

}  // namespace qx::test
