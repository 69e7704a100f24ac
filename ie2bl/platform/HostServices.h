#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ie2bl {

enum class ModifierKey { Shift, Control, Alt };

// Opaque top-level window handle; 0 means no window.
using WindowHandle = std::uintptr_t;

// Everything besides the registry that the catcher asks of the operating system.
class HostServices {
  public:
    virtual ~HostServices() = default;

    // True when the key is down at the moment of the call.
    virtual bool isKeyHeld(ModifierKey key) = 0;
    virtual WindowHandle findTopLevelWindow(const std::string& title) = 0;
    // Posts (never sends) `message` with wParam 0 and lParam 0.
    virtual void postMessage(WindowHandle window, unsigned message) = 0;

    // A text of the module's own string table; empty when it has none for `id`.
    virtual std::string loadOwnString(unsigned id) = 0;
    // Loads the library at `path`, takes string `id` (empty when missing) and unloads it again;
    // no value when the library cannot be loaded.
    virtual std::optional<std::string> loadLibraryString(const std::string& path, unsigned id) = 0;

    virtual void beep() = 0;
    virtual void playSoundFile(const std::string& path, unsigned flags) = 0;

    // UTF-16 to 8-bit text in the system code page; any length.
    virtual std::string toSystemCodePage(std::u16string_view text) = 0;
};

} // namespace ie2bl
