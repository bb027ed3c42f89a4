#pragma once
#include <optional>
#include <string>

namespace qx {

// The images compiled into the program.
class IResources {
public:
    virtual ~IResources() = default;
    // The bytes of bitmap resource `id` as stored: a device-independent bitmap (its info header,
    // colour table and pixels) without the file header a .bmp file begins with. None when the
    // program has no such resource.
    virtual std::optional<std::string> BitmapResource(int id) const = 0;
};

}  // namespace qx
