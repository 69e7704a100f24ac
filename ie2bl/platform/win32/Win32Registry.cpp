#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace ie2bl {

namespace {

HKEY hkeyOf(KeyHandle key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

KeyHandle Win32Registry::openKey(const std::string& path, KeyAccess access) {
    HKEY handle = nullptr;
    const LONG status = access == KeyAccess::Query
                            ? RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &handle)
                            : RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                              nullptr, &handle, nullptr);
    return status == ERROR_SUCCESS ? reinterpret_cast<KeyHandle>(handle) : 0;
}

void Win32Registry::closeKey(KeyHandle key) {
    RegCloseKey(hkeyOf(key));
}

bool Win32Registry::queryValue(KeyHandle key, const std::string& name, std::size_t limit,
                               std::string& bytes) {
    // A value too large for the buffer reports its size; it may grow again before the next try.
    for (;;) {
        DWORD size = static_cast<DWORD>(bytes.size());
        const LONG status = RegQueryValueExA(hkeyOf(key), name.c_str(), nullptr, nullptr,
                                             reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (status == ERROR_SUCCESS) {
            bytes.resize(size);
            return true;
        }
        if (status != ERROR_MORE_DATA || size > limit || size <= bytes.size())
            return false;
        bytes.resize(size);
    }
}

void Win32Registry::setValue(KeyHandle key, const std::string& name, ValueType type, std::string_view bytes) {
    RegSetValueExA(hkeyOf(key), name.c_str(), 0, type == ValueType::Text ? REG_SZ : REG_DWORD,
                   reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
}

void Win32Registry::deleteValue(KeyHandle key, const std::string& name) {
    RegDeleteValueA(hkeyOf(key), name.c_str());
}

} // namespace ie2bl
