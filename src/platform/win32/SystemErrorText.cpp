#include "platform/win32/SystemErrorText.h"

#include "platform/win32/Win32Api.h"

namespace qx {
namespace {

bool IsTrailingNoise(char c) { return static_cast<unsigned char>(c) <= ' ' || c == '\x7F'; }

std::string Format(unsigned long code) {
    char buffer[512];
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                          0, buffer, sizeof buffer, nullptr);
    std::string text(buffer, length);
    while (!text.empty() && IsTrailingNoise(text.back())) text.pop_back();
    return text;
}

}  // namespace

std::string SystemErrorText(unsigned long code) { return Format(code); }

std::string SystemErrorTextWithoutStop(unsigned long code) {
    std::string text = Format(code);
    while (!text.empty() && (text.back() == '.' || IsTrailingNoise(text.back()))) text.pop_back();
    return text;
}

std::string LastErrorText() { return SystemErrorText(::GetLastError()); }

}  // namespace qx
