#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fakes/FakeFileSystem.h"

namespace qx::test {

inline std::string Le16(std::uint32_t value) { return {char(value), char(value >> 8)}; }
inline std::string Le32(std::uint32_t value) { return Le16(value) + Le16(value >> 16); }

// A 40-byte BITMAPINFOHEADER (or a longer one, zero-filled past the first 40 bytes).
inline std::string InfoHeader(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression = 0,
                              std::uint32_t colours = 0, std::uint32_t size = 40) {
    std::string header = Le32(size) + Le32(std::uint32_t(width)) + Le32(std::uint32_t(height)) + Le16(1) +
                         Le16(std::uint32_t(bits)) + Le32(compression) + Le32(0) + Le32(2835) + Le32(2835) +
                         Le32(colours) + Le32(0);
    return header + std::string(size - 40, '\0');
}

// A .bmp file around DIB bytes whose pixels start `pixelsAt` bytes into the DIB.
inline std::string FileOf(const std::string& dib, std::size_t pixelsAt) {
    return "BM" + Le32(std::uint32_t(14 + dib.size())) + Le32(0) + Le32(std::uint32_t(14 + pixelsAt)) + dib;
}

// A 24-bit bottom-up .bmp file of pixels given as 0xRRGGBB, top row first.
inline std::string Bmp24(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::string data;
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = pixels[std::size_t(y * width + x)];
            data += {char(rgb), char(rgb >> 8), char(rgb >> 16)};
        }
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
    std::vector<std::string> names{"Scrollleiste\\Balken.bmp", "Scrollleiste\\Balken_alpha.bmp",
                                   "Scrollleiste\\Hintergrund.bmp", "Scrollleiste\\Resizer.bmp",
                                   "Leiste\\TranspBitmap.bmp", "Hintergrund\\BottomImage.bmp",
                                   "Hintergrund\\FullBackground.bmp", "Zeilen\\Felder\\Feld_16.bmp",
                                   "Buttons\\Schliessen X.bmp", "Buttons\\Minimieren -.bmp"};
    for (const char* prefix : {"", "Dir_", "Fl_"})
        for (const char* file : {"16.bmp", "32.bmp", "16 Alpha.bmp", "32 Alpha.bmp"})
            names.push_back(std::string("Pfeile\\") + prefix + file);
    for (const char* button : {"AlleAnzeigen", "Optionen", "Info"})
        for (const char* suffix : {"", "_hov", "_dow"}) names.push_back(std::string("Buttons\\") + button + suffix + ".bmp");
    for (const char* button : {"Schliessen", "Minimieren"})
        for (const char* suffix : {"", " dow"}) names.push_back(std::string("Buttons\\") + button + suffix + ".bmp");
    for (const char* part : {"", "li_", "re_"})
        for (const char* suffix : {"", "_alpha"})
            names.push_back(std::string("Zeilen\\Markierung\\Markierung_") + part + "16" + suffix + ".bmp");
    for (const std::string& file : names) files.Put(folder + file, SolidBmp(1, 1, 0x404040));
}

}  // namespace qx::test
