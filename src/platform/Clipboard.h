#pragma once
#include <string>

#include "platform/Status.h"

namespace qx {

// The system clipboard as ANSI text.
class IClipboard {
public:
    virtual ~IClipboard() = default;

    // The clipboard's text; false when it holds no text or stayed busy.
    virtual bool GetText(std::string& text) = 0;
    // Replaces the clipboard's contents by the text.
    virtual Status SetText(const std::string& text) = 0;
};

}  // namespace qx
