#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

// Presses modifier keys through the system's input queue for as long as it lives, so the catcher
// sees them in its asynchronous key state as if the user held them.
class HeldKeys {
  public:
    explicit HeldKeys(std::initializer_list<WORD> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

    // True when every key reads as down.
    bool allDown() const;

  private:
    void send(DWORD flags);

    std::vector<WORD> m_keys;
};
