#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace ie2bl {

namespace {

// Creates the key when missing; null when that fails.
HKEY openForWriting(const std::string& key) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return handle;
}

} // namespace

std::optional<std::vector<std::uint8_t>>
Win32Registry::queryValue(const std::string& key, const std::string& name, std::size_t capacity) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(capacity);
    DWORD size = static_cast<DWORD>(capacity);
    const LONG status = RegQueryValueExA(handle, name.c_str(), nullptr, nullptr, bytes.data(), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

void Win32Registry::setValue(const std::string& key, const std::string& name, unsigned long type,
                             const void* data, std::size_t size) {
    HKEY handle = openForWriting(key);
    if (handle == nullptr)
        return;
    RegSetValueExA(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
    RegCloseKey(handle);
}

void Win32Registry::setText(const std::string& key, const std::string& name, const std::string& text) {
    setValue(key, name, REG_SZ, text.data(), text.size());
}

void Win32Registry::setNumber(const std::string& key, const std::string& name, std::uint32_t number) {
    const DWORD value = number;
    setValue(key, name, REG_DWORD, &value, sizeof value);
}

void Win32Registry::deleteValue(const std::string& key, const std::string& name) {
    HKEY handle = openForWriting(key);
    if (handle == nullptr)
        return;
    RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
}

} // namespace ie2bl
