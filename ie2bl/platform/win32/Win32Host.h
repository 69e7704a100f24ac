#pragma once

#include "platform/HostServices.h"

#include <windows.h>

namespace ie2bl {

// user32, kernel32 and winmm as the catcher uses them; own strings come from `module`.
class Win32Host : public HostServices {
  public:
    explicit Win32Host(HINSTANCE module) : m_module(module) {}

    bool isKeyHeld(ModifierKey key) override;
    WindowHandle findTopLevelWindow(const std::string& title) override;
    void postMessage(WindowHandle window, unsigned message) override;
    std::string loadOwnString(unsigned id) override;
    std::optional<std::string> loadLibraryString(const std::string& path, unsigned id) override;
    void beep() override;
    void playSoundFile(const std::string& path, unsigned flags) override;
    std::string toSystemCodePage(std::u16string_view text) override;

  private:
    static std::string loadString(HINSTANCE module, unsigned id);

    HINSTANCE m_module;
};

} // namespace ie2bl
