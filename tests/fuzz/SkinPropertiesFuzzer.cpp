// The skin key file reader on arbitrary bytes: it must not crash, every colour must fit in
// 24 bits, and since only a key's first line counts, the text read twice over (and with LF
// line ends made CR LF) must give the same result.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "skin/SkinProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    qx::SkinPositions window;
    window.listTop = 12345;
    const qx::SkinPropertiesRead first = qx::ReadSkinProperties(text, window);
    const qx::SkinProperties& p = first.properties;
    for (std::uint32_t colour : {p.unselectedTextColour, p.underTextColour, p.selectionColour, p.inputTextColour,
                                 p.inputBackColour, p.windowColour, p.buttonsFontColour})
        if (colour > 0xFFFFFF) std::abort();
    if (!p.customObjectPositions && !(p.positions == window)) std::abort();
    std::vector<std::string> keys = first.malformedKeys;  // each reported once
    std::sort(keys.begin(), keys.end());
    if (std::adjacent_find(keys.begin(), keys.end()) != keys.end()) std::abort();

    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    for (const std::string& again : {text + "\n" + text, crlf}) {
        const qx::SkinPropertiesRead second = qx::ReadSkinProperties(again, window);
        if (!(second.properties == p) || second.malformedKeys != first.malformedKeys) std::abort();
    }
    return 0;
}
