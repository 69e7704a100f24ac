#include "HeldKeys.h"

namespace {

bool isDown(WORD key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

// Input is delivered asynchronously; wait until the key state shows it.
void settle(const std::vector<WORD>& keys, bool down) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        bool done = true;
        for (WORD key : keys)
            done = done && isDown(key) == down;
        if (done)
            return;
        Sleep(10);
    }
}

} // namespace

HeldKeys::HeldKeys(std::initializer_list<WORD> keys) : m_keys(keys) {
    send(0);
    settle(m_keys, true);
}

HeldKeys::~HeldKeys() {
    send(KEYEVENTF_KEYUP);
    settle(m_keys, false);
}

bool HeldKeys::allDown() const {
    for (WORD key : m_keys)
        if (!isDown(key))
            return false;
    return true;
}

void HeldKeys::send(DWORD flags) {
    std::vector<INPUT> inputs(m_keys.size());
    for (size_t i = 0; i < m_keys.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = m_keys[i];
        inputs[i].ki.dwFlags = flags;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}
