#include "e2e/KeyboardInput.h"

#include <vector>

namespace qx::test {

namespace {

INPUT KeyEvent(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool Send(std::vector<INPUT>& inputs) {
    if (inputs.empty()) {
        return true;
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

bool KeyDown(WORD virtualKey) {
    std::vector<INPUT> inputs{KeyEvent(virtualKey, false)};
    return Send(inputs);
}

bool KeyUp(WORD virtualKey) {
    std::vector<INPUT> inputs{KeyEvent(virtualKey, true)};
    return Send(inputs);
}

bool PressKey(WORD virtualKey) {
    return PressChord({virtualKey});
}

bool PressChord(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    for (WORD key : virtualKeys) {
        inputs.push_back(KeyEvent(key, false));
    }
    for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
        inputs.push_back(KeyEvent(*key, true));
    }
    return Send(inputs);
}

bool TypeText(const std::string& text) {
    std::vector<INPUT> inputs;
    for (char character : text) {
        const SHORT scan = VkKeyScanA(character);
        if (scan == -1) {
            return false;
        }
        const WORD key = LOBYTE(scan);
        const BYTE modifiers = HIBYTE(scan);
        std::vector<WORD> held;
        if (modifiers & 1) held.push_back(VK_SHIFT);
        if (modifiers & 2) held.push_back(VK_CONTROL);
        if (modifiers & 4) held.push_back(VK_MENU);
        for (WORD modifier : held) {
            inputs.push_back(KeyEvent(modifier, false));
        }
        inputs.push_back(KeyEvent(key, false));
        inputs.push_back(KeyEvent(key, true));
        for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier) {
            inputs.push_back(KeyEvent(*modifier, true));
        }
    }
    return Send(inputs);
}

HeldKeys::HeldKeys(std::initializer_list<WORD> virtualKeys) : keys_(virtualKeys) {
    for (WORD key : keys_) {
        pressed_ = KeyDown(key) && pressed_;
    }
}

void HeldKeys::Release() {
    for (auto key = keys_.rbegin(); key != keys_.rend(); ++key) {
        KeyUp(*key);
    }
    keys_.clear();
}

}  // namespace qx::test
