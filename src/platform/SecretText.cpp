#include "platform/SecretText.h"

namespace qx {

void WipeSecret(std::wstring& secret) noexcept {
    // Growing to the capacity never reallocates, so the whole buffer is reachable.
    secret.resize(secret.capacity());
    volatile wchar_t* chars = secret.data();
    for (std::size_t i = 0; i < secret.size(); ++i) chars[i] = L'\0';
    secret.clear();
}

}  // namespace qx
