#pragma once
#include <optional>
#include <string>

namespace qx {

// An icon inside a file: the file's path and the icon's index in it.
struct IconChoice {
    std::string file;
    int index = 0;
    bool operator==(const IconChoice&) const = default;
};

// The shell's icon picker, modal over its owner, opened on a file and index.
class IIconPicker {
public:
    virtual ~IIconPicker() = default;
    // The icon the user picked; nothing when the picker was cancelled or is not available.
    virtual std::optional<IconChoice> PickIcon(const IconChoice& start) = 0;
};

}  // namespace qx
