#pragma once
#include <string>
#include <utility>

namespace qx {

// Overwrites every character the string's buffer holds, spare capacity included, through
// volatile stores the compiler may not drop (what SecureZeroMemory does), then empties it.
void WipeSecret(std::wstring& secret) noexcept;

// UTF-16 text that is wiped wherever a copy of it is let go: when destroyed, when assigned
// over, and in the object it was moved from. A password lives in one of these from the
// prompt to the logon call.
class SecretText {
public:
    SecretText() = default;
    // Takes the text over; what the source still holds is wiped.
    explicit SecretText(std::wstring&& text) noexcept : text_(std::move(text)) { WipeSecret(text); }
    SecretText(const SecretText& other) : text_(other.text_) {}
    SecretText(SecretText&& other) noexcept : text_(std::move(other.text_)) { WipeSecret(other.text_); }
    SecretText& operator=(const SecretText& other) {
        if (this != &other) {
            WipeSecret(text_);
            text_ = other.text_;
        }
        return *this;
    }
    SecretText& operator=(SecretText&& other) noexcept {
        if (this != &other) {
            WipeSecret(text_);
            text_ = std::move(other.text_);
            WipeSecret(other.text_);
        }
        return *this;
    }
    ~SecretText() { WipeSecret(text_); }

    const std::wstring& Text() const { return text_; }
    bool empty() const { return text_.empty(); }
    void Clear() noexcept { WipeSecret(text_); }

private:
    std::wstring text_;
};

}  // namespace qx
