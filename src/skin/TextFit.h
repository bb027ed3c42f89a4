#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qx {

// The width of a text in pixels in the font it will be drawn with.
using TextWidth = std::function<int(std::string_view text)>;

// Shortens the text at its end until text + ".." fits the width, then appends "..". A text
// that fits alone but not with ".." is shortened too; an empty text stays empty.
std::string TruncateEnd(std::string text, int width, const TextWidth& measure);

// Shortens a text wider than the width at its front until ".." + text fits or only 2
// characters are left, then puts ".." in front. Texts of up to 2 characters stay as they are.
std::string TruncateFront(std::string text, int width, const TextWidth& measure);

// What a folder listing knows of a row's file.
enum class FileSizeState { NotAFile, Unreadable, Known };

// The detail column of a file-system folder row: empty for anything but a file, "na" when its
// directory entry could not be read, "0KB" for an empty file, "1KB" up to 1023 bytes, else the
// kilobytes rounded to a whole number (halves up), at least 3 characters wide with leading
// blanks, grouped in thousands by the given separator ("." in German, "," in English), and
// " KB" after it: 1024 gives "  1 KB", 4294967295 "4.194.304 KB".
std::string SizeText(FileSizeState state, std::uint32_t bytes, char thousandsSeparator);

}  // namespace qx
