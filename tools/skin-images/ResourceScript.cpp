#include "ResourceScript.h"

namespace qx::imagegen {

namespace {

constexpr const char* kImageFolder = "skin/images/";

std::string SizeText(const Canvas& canvas) {
    return std::to_string(canvas.Width()) + " x " + std::to_string(canvas.Height());
}

}  // namespace

std::string ResourceScript(const std::vector<ImageGroup>& builtIn) {
    std::string text =
        "// Bitmaps of the built-in looks, as resources. Made by tools/skin-images\n"
        "// (skin_image_generator); regenerate instead of editing. The ids are in SkinImageIds.h.\n"
        "// Files are named relative to src/, so the resource compiler needs src/ as an include\n"
        "// folder (windres -I src).\n";
    int id = kFirstResourceId;
    for (const ImageGroup& group : builtIn) {
        text += "\n// " + group.title + "\n";
        for (const SkinImage& image : group.images) {
            text += std::to_string(id++) + " BITMAP \"" + kImageFolder + image.name + ".bmp\"\n";
        }
    }
    return text;
}

std::string ResourceIdHeader(const std::vector<ImageGroup>& builtIn) {
    std::string text =
        "#pragma once\n"
        "// Resource ids of the built-in looks' bitmaps (SkinImages.rc). Made by tools/skin-images\n"
        "// (skin_image_generator); regenerate instead of editing.\n"
        "\n"
        "namespace qx::skin_images {\n";
    int id = kFirstResourceId;
    for (const ImageGroup& group : builtIn) {
        text += "\n// " + group.title + "\n";
        for (const SkinImage& image : group.images) {
            text += "inline constexpr int " + image.constant + " = " + std::to_string(id++) + ";  // " +
                    SizeText(image.canvas) + ", " + image.use + "\n";
        }
    }
    text += "\n}  // namespace qx::skin_images\n";
    return text;
}

}  // namespace qx::imagegen
