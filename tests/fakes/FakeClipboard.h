#pragma once
#include <optional>
#include <string>

#include "platform/Clipboard.h"

namespace qx::test {

// Holds the text a test puts there; busy makes every call fail as a locked clipboard does.
class FakeClipboard : public IClipboard {
public:
    bool GetText(std::string& out) override {
        if (busy || !text) return false;
        out = *text;
        return true;
    }
    Status SetText(const std::string& value) override {
        if (busy) return Status::Fail("clipboard busy");
        text = value;
        return Status::Ok();
    }

    std::optional<std::string> text;
    bool busy = false;
};

}  // namespace qx::test
