#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeFileSystem.h"

namespace qx::test {

inline std::string Le16(std::uint32_t value) { return {char(value), char(value >> 8)}; }
inline std::string Le32(std::uint32_t value) { return Le16(value) + Le16(value >> 16); }

// A BITMAPINFOHEADER, or a longer header zero-filled past its first 40 bytes.
inline std::string InfoHeader(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0,
                              std::uint32_t colours = 0, std::uint32_t size = 40) {
    return Le32(size) + Le32(std::uint32_t(width)) + Le32(std::uint32_t(height)) + Le16(1) + Le16(std::uint32_t(bits)) +
           Le32(compression) + std::string(12, '\0') + Le32(colours) + std::string(size - 36, '\0');
}

// A .bmp file around DIB bytes whose pixels start `pixelsAt` bytes into the DIB.
inline std::string FileOf(const std::string& dib, std::size_t pixelsAt) {
    return "BM" + Le32(std::uint32_t(14 + dib.size())) + Le32(0) + Le32(std::uint32_t(14 + pixelsAt)) + dib;
}

// A 24-bit bottom-up .bmp file of 0xRRGGBB pixels, top row first.
inline std::string Bmp24(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::string data;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x)
            for (int shift : {0, 8, 16}) data += char(pixels[std::size_t(y * width + x)] >> shift);
        data.append(std::size_t((4 - width * 3 % 4) % 4), '\0');
    }
    return FileOf(InfoHeader(width, height, 24) + data, 40);
}
inline std::string SolidBmp(int width, int height, std::uint32_t rgb) {
    return Bmp24(width, height, std::vector<std::uint32_t>(std::size_t(width * height), rgb));
}

// A skin folder holding every file any key may ask for (16-pixel rows), each one grey pixel.
inline void PutSkinFolder(FakeFileSystem& files, const std::string& folder, const std::string& properties = "") {
    if (!properties.empty()) files.Put(folder + "properties.cfg", properties);
    std::vector<std::string> names{"Leiste\\TranspBitmap", "Hintergrund\\BottomImage", "Hintergrund\\FullBackground",
                                   "Zeilen\\Felder\\Feld_16"};
    for (const char* file : {"Balken", "Balken_alpha", "Hintergrund", "Resizer"}) names.push_back(std::string("Scrollleiste\\") + file);
    for (const char* prefix : {"", "Dir_", "Fl_"})
        for (const char* file : {"16", "32", "16 Alpha", "32 Alpha"}) names.push_back(std::string("Pfeile\\") + prefix + file);
    for (const char* button : {"AlleAnzeigen", "AlleAnzeigen_hov", "AlleAnzeigen_dow", "Optionen", "Optionen_hov",
                               "Optionen_dow", "Info", "Info_hov", "Info_dow", "Schliessen", "Schliessen X",
                               "Schliessen dow", "Minimieren", "Minimieren -", "Minimieren dow"})
        names.push_back(std::string("Buttons\\") + button);
    for (const char* mark : {"16", "16_alpha", "li_16", "li_16_alpha", "re_16", "re_16_alpha"})
        names.push_back(std::string("Zeilen\\Markierung\\Markierung_") + mark);
    for (const std::string& file : names) files.Put(folder + file + ".bmp", SolidBmp(1, 1, 0x404040));
}

}  // namespace qx::test
