#include "e2e/Screenshot.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "ImageCompare.h"
#include "PngFile.h"
#include "e2e/FileBytes.h"
#include "e2e/WindowProbe.h"
#include "platform/win32/UniqueHandle.h"

namespace qx::test {

namespace {

// A path of the build machine as this program sees it: Wine shows the Unix root as Z:.
std::string SourcePath(const std::string& relative) {
    std::string path = std::string(QX_SOURCE_FOLDER) + "/" + relative;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path.starts_with('\\') ? "Z:" + path : path;
}

bool UpdateRequested() {
    const char* value = std::getenv("QX_UPDATE_SCREENSHOTS");
    return value && std::strcmp(value, "1") == 0;
}

bool WritePng(const std::string& path, const RgbImage& image) {
    const std::vector<uint8_t> bytes = imagefiles::EncodePng(image);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

// Captures until `accept` takes one (the last capture in `captured` either way).
template <typename Accept>
bool CaptureUntil(HWND window, RgbImage& captured, Accept accept, milliseconds timeout = kDefaultTimeout) {
    return WaitUntil([&] { return accept(captured = CaptureWindow(window)); }, timeout);
}

// The window has changed from `previous` (when given) and then shown the same for a moment.
RgbImage SettledCapture(HWND window, const RgbImage& previous) {
    RgbImage captured;
    if (!previous.rgb.empty() &&
        !CaptureUntil(window, captured, [&](const RgbImage& c) { return !Agree(previous, c); }))
        std::cout << "note: the window did not change from the look before\n";
    constexpr int kSamePolls = 10;
    int same = 0;
    RgbImage last;
    CaptureUntil(window, captured, [&](const RgbImage& c) {
        same = Agree(last, c) ? same + 1 : 0;
        last = c;
        return same >= kSamePolls;
    });
    return captured;
}

}  // namespace

RgbImage CaptureWindow(HWND window) {
    RECT rect = WindowRect(window);
    const RECT screen = ScreenRect();
    IntersectRect(&rect, &rect, &screen);
    RgbImage image{rect.right - rect.left, rect.bottom - rect.top, {}};
    if (image.width <= 0 || image.height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screenDc = GetDC(nullptr);
    UniqueMemoryDc memory(CreateCompatibleDC(screenDc));
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool copied = false;
    if (memory && bitmap && bits) {
        const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
        copied = BitBlt(memory.get(), 0, 0, image.width, image.height, screenDc, rect.left, rect.top, SRCCOPY);
        SelectObject(memory.get(), old);
        GdiFlush();
    }
    ReleaseDC(nullptr, screenDc);
    if (!copied) return {};
    const auto* bgra = static_cast<const uint8_t*>(bits);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    for (size_t i = 0, j = 0; j < image.rgb.size(); i += 4, j += 3) {
        image.rgb[j] = bgra[i + 2];
        image.rgb[j + 1] = bgra[i + 1];
        image.rgb[j + 2] = bgra[i];
    }
    return image;
}

bool Agree(const RgbImage& expected, const RgbImage& actual) {
    const imagefiles::ImageDifference difference = imagefiles::CompareImages(expected, actual, kChannelTolerance);
    return difference.sameSize && difference.differingPixels <= difference.pixels * kMaxDifferingShare;
}

std::string ReferenceFolder() { return SourcePath("tests/e2e/screenshots/"); }
std::string SampleSkinsFolder() { return SourcePath("data/skins/"); }

::testing::AssertionResult ShowsReference(HWND window, const std::string& name, const RgbImage& previous,
                                          RgbImage& captured) {
    const std::string reference = ReferenceFolder() + name + ".png";
    if (UpdateRequested()) {
        captured = SettledCapture(window, previous);
        if (captured.rgb.empty()) return ::testing::AssertionFailure() << "cannot capture the window for " << name;
        CreateDirectoryA(ReferenceFolder().c_str(), nullptr);
        if (!WritePng(reference, captured)) return ::testing::AssertionFailure() << "cannot write " << reference;
        return ::testing::AssertionSuccess();
    }
    std::string bytes;
    if (!ReadFileBytes(reference, bytes))
        return ::testing::AssertionFailure() << "no reference screenshot " << reference
                                             << ": make it with scripts/update-screenshots.sh and look at it";
    RgbImage expected;
    try {
        expected = imagefiles::DecodePng({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    } catch (const imagefiles::PngError& error) {
        return ::testing::AssertionFailure() << reference << ": " << error.what();
    }
    const std::string folder = ProgramFolderOfThisExe() + "screenshots\\";
    const std::string actualFile = folder + name + ".actual.png", diffFile = folder + name + ".diff.png";
    if (CaptureUntil(window, captured, [&](const RgbImage& c) { return Agree(expected, c); })) {
        // What an earlier failing run left would only mislead.
        DeleteFileA(actualFile.c_str());
        DeleteFileA(diffFile.c_str());
        return ::testing::AssertionSuccess();
    }
    CreateDirectoryA(folder.c_str(), nullptr);
    WritePng(actualFile, captured);
    const auto difference = imagefiles::CompareImages(expected, captured, kChannelTolerance);
    auto failure = ::testing::AssertionFailure() << "the window does not look like " << reference << ": ";
    if (!difference.sameSize) {
        failure << "it is " << captured.width << " x " << captured.height << " pixels, the reference "
                << expected.width << " x " << expected.height;
    } else {
        WritePng(diffFile, imagefiles::DifferencePicture(expected, captured, kChannelTolerance));
        failure << difference.differingPixels << " of " << difference.pixels << " pixels differ by more than "
                << kChannelTolerance << " in a channel (at most " << kMaxDifferingShare * 100
                << " % may); differences in red: " << diffFile;
    }
    return failure << "; captured: " << actualFile
                   << ". After an intended change of the look run scripts/update-screenshots.sh.";
}

}  // namespace qx::test
