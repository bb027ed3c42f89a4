// skin_image_generator: draws the images of the built-in looks and of the sample skin.
//
//   skin_image_generator FOLDER        writes FOLDER/src/skin/images/ (bitmaps, SkinImages.rc,
//                                      SkinImageIds.h) and FOLDER/data/skins/Slate/
//   skin_image_generator --sheet FILE  writes the contact sheet, a PNG
//
// The output depends on nothing but this program, so it is committed and checked byte for
// byte (scripts/check-skin-images.sh).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "BmpFile.h"
#include "ContactSheet.h"
#include "Looks.h"
#include "PngFile.h"
#include "ResourceScript.h"

namespace fs = std::filesystem;
using namespace qx::imagegen;

namespace {

std::vector<ImageGroup> BuiltInGroups() {
    return {SharedFrameImages(), ArrowImages(), WindowsLookImages(), MacLookImages()};
}

RgbImage ToRgb(const Canvas& canvas) { return RgbImage{canvas.Width(), canvas.Height(), canvas.Rgb8()}; }

void WriteFile(const fs::path& path, const void* data, size_t size) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WriteText(const fs::path& path, const std::string& text) { WriteFile(path, text.data(), text.size()); }

void WriteBitmap(const fs::path& path, const Canvas& canvas) {
    const std::vector<uint8_t> bytes = EncodeBmp(ToRgb(canvas));
    WriteFile(path, bytes.data(), bytes.size());
}

void WriteAll(const fs::path& root) {
    const std::vector<ImageGroup> builtIn = BuiltInGroups();
    const fs::path images = root / "src" / "skin" / "images";
    for (const ImageGroup& group : builtIn) {
        for (const SkinImage& image : group.images) WriteBitmap(images / (image.name + ".bmp"), image.canvas);
    }
    WriteText(images / "SkinImages.rc", ResourceScript(builtIn));
    WriteText(images / "SkinImageIds.h", ResourceIdHeader(builtIn));

    const fs::path skin = root / "data" / "skins" / kSampleSkinName;
    for (const SkinImage& image : SampleSkinImages().images) {
        WriteBitmap(skin / fs::path(image.name + ".bmp"), image.canvas);
    }
    WriteText(skin / "properties.cfg", SampleSkinProperties());
}

void WriteSheet(const fs::path& file) {
    const Canvas sheet = ContactSheet(BuiltInGroups(), SampleSkinImages());
    const std::vector<uint8_t> bytes = qx::imagefiles::EncodePng(ToRgb(sheet));
    WriteFile(file, bytes.data(), bytes.size());
}

int Usage() {
    std::fputs("usage: skin_image_generator FOLDER\n"
               "       skin_image_generator --sheet FILE.png\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2 && std::string_view(argv[1]).substr(0, 1) != "-") {
            WriteAll(argv[1]);
            return 0;
        }
        if (argc == 3 && std::string_view(argv[1]) == "--sheet") {
            WriteSheet(argv[2]);
            return 0;
        }
        return Usage();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "skin_image_generator: %s\n", error.what());
        return 1;
    }
}
