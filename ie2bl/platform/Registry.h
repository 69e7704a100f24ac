#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace ie2bl {

// An open key of the registry; 0 is no key.
using KeyHandle = std::uintptr_t;

enum class KeyAccess {
    Query,   // opens an existing key to read its values
    SetValue // creates the key when missing, to write and delete values
};

enum class ValueType { Text, Number };

// The current user's registry, reduced to the calls the catcher makes, one system call each. Key
// paths are relative to HKEY_CURRENT_USER.
class Registry {
  public:
    virtual ~Registry() = default;

    // 0 when the key cannot be opened (or created) with that access.
    virtual KeyHandle openKey(const std::string& path, KeyAccess access) = 0;
    virtual void closeKey(KeyHandle key) = 0;
    // Fills `bytes` with the stored data when the value exists and holds at most `limit` bytes.
    // A value that fits `bytes` as passed in is read in one call; a longer one costs a second.
    virtual bool queryValue(KeyHandle key, const std::string& name, std::size_t limit,
                            std::string& bytes) = 0;
    // Failures are swallowed.
    virtual void setValue(KeyHandle key, const std::string& name, ValueType type, std::string_view bytes) = 0;
    virtual void deleteValue(KeyHandle key, const std::string& name) = 0;
};

// Owns an open key and closes it when it goes.
class RegistryKey {
  public:
    RegistryKey() = default;
    RegistryKey(Registry& registry, KeyHandle handle) : m_registry(&registry), m_handle(handle) {}
    RegistryKey(RegistryKey&& other) noexcept
        : m_registry(other.m_registry), m_handle(std::exchange(other.m_handle, 0)) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        std::swap(m_registry, other.m_registry);
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (m_handle != 0)
            m_registry->closeKey(m_handle);
    }

    bool isOpen() const { return m_handle != 0; }
    KeyHandle handle() const { return m_handle; }

  private:
    Registry* m_registry = nullptr;
    KeyHandle m_handle = 0;
};

} // namespace ie2bl
