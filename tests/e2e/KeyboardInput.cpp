#include "e2e/KeyboardInput.h"

namespace qx::test {

namespace {

// Adds the presses of the keys in order, or their releases in reverse order.
void AddKeys(std::vector<INPUT>& inputs, const std::vector<WORD>& keys, bool up) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = keys[up ? keys.size() - 1 - i : i];
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(input.ki.wVk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    }
}

bool Send(std::vector<INPUT>& inputs) {
    return inputs.empty() || SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace

bool PressChord(std::initializer_list<WORD> virtualKeys) {
    std::vector<INPUT> inputs;
    AddKeys(inputs, virtualKeys, false);
    AddKeys(inputs, virtualKeys, true);
    return Send(inputs);
}

bool TypeText(const std::string& text) {
    std::vector<INPUT> inputs;
    for (char character : text) {
        const SHORT scan = VkKeyScanA(character);
        if (scan == -1) return false;
        std::vector<WORD> keys;
        if (HIBYTE(scan) & 1) keys.push_back(VK_SHIFT);
        if (HIBYTE(scan) & 2) keys.push_back(VK_CONTROL);
        if (HIBYTE(scan) & 4) keys.push_back(VK_MENU);
        keys.push_back(LOBYTE(scan));
        AddKeys(inputs, keys, false);
        AddKeys(inputs, keys, true);
    }
    return Send(inputs);
}

HeldKeys::HeldKeys(std::initializer_list<WORD> virtualKeys) : keys_(virtualKeys) {
    std::vector<INPUT> inputs;
    AddKeys(inputs, keys_, false);
    pressed_ = Send(inputs);
}

HeldKeys::~HeldKeys() {
    std::vector<INPUT> inputs;
    AddKeys(inputs, keys_, true);
    Send(inputs);
}

}  // namespace qx::test
