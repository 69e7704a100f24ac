#include "platform/win32/Win32Host.h"

#include <mmsystem.h>

#include <climits>

namespace ie2bl {

namespace {

int virtualKeyOf(ModifierKey key) {
    switch (key) {
    case ModifierKey::Shift:
        return VK_SHIFT;
    case ModifierKey::Control:
        return VK_CONTROL;
    case ModifierKey::Alt:
        return VK_MENU;
    }
    return 0;
}

} // namespace

bool Win32Host::isKeyHeld(ModifierKey key) {
    return (GetAsyncKeyState(virtualKeyOf(key)) & 0x8000) != 0;
}

WindowHandle Win32Host::findTopLevelWindow(const std::string& title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title.c_str()));
}

void Win32Host::postMessage(WindowHandle window, unsigned message) {
    PostMessageA(reinterpret_cast<HWND>(window), message, 0, 0);
}

std::string Win32Host::loadString(HINSTANCE module, unsigned id) {
    char buffer[256];
    const int length = LoadStringA(module, id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

std::string Win32Host::loadOwnString(unsigned id) {
    return loadString(m_module, id);
}

std::optional<std::string> Win32Host::loadLibraryString(const std::string& path, unsigned id) {
    // Only the resources are wanted, so the file's code never runs.
    HMODULE library = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (library == nullptr)
        return std::nullopt;
    std::string text = loadString(library, id);
    FreeLibrary(library);
    return text;
}

void Win32Host::beep() {
    MessageBeep(0);
}

void Win32Host::playSoundFile(const std::string& path, unsigned flags) {
    PlaySoundA(path.c_str(), nullptr, flags);
}

std::string Win32Host::toSystemCodePage(std::u16string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX))
        return {};
    // Sized by a first pass, so an address of any length fits.
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::string result(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), size, nullptr, nullptr);
    return result;
}

} // namespace ie2bl
