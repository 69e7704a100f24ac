#include "catcher/ConfigStore.h"

#include <algorithm>
#include <limits>

namespace ie2bl {

KeyHandle ConfigStore::keyFor(std::string_view path, KeyAccess access) {
    for (const OpenKey& open : m_keys)
        if (open.access == access && open.path == path)
            return open.key.handle();
    const KeyHandle handle = m_registry.openKey(std::string(path), access);
    if (access == KeyAccess::SetValue && handle != 0)
        // The key exists now: a read that found it missing earlier in the batch may look again.
        m_keys.erase(
            std::remove_if(m_keys.begin(), m_keys.end(),
                           [&](const OpenKey& open) { return open.path == path && !open.key.isOpen(); }),
            m_keys.end());
    m_keys.push_back({std::string(path), access, RegistryKey(m_registry, handle)});
    return handle;
}

bool ConfigStore::read(std::string_view path, const std::string& name, std::size_t limit) {
    const KeyHandle key = keyFor(path, KeyAccess::Query);
    if (key == 0)
        return false;
    m_bytes.resize(std::min(limit, kFirstReadSize));
    return m_registry.queryValue(key, name, limit, m_bytes);
}

std::uint32_t ConfigStore::ReadConfigNumber(std::string_view key, const std::string& name,
                                            std::uint32_t fallback) {
    Batch batch(*this);
    if (!read(key, name, sizeof(std::uint32_t)))
        return fallback;
    // The type is not checked: whatever is stored fills a zeroed 4-byte little-endian buffer.
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < m_bytes.size(); ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(m_bytes[i])) << (8 * i);
    return number;
}

std::string ConfigStore::ReadConfigText(std::string_view key, const std::string& name,
                                        const std::string& fallback) {
    Batch batch(*this);
    if (!read(key, name, std::numeric_limits<std::uint32_t>::max()))
        return fallback;
    // The data need not end in a zero: stop at its end, never past it.
    return std::string(m_bytes.begin(), std::find(m_bytes.begin(), m_bytes.end(), '\0'));
}

void ConfigStore::WriteConfigText(std::string_view key, const std::string& name,
                                  const std::optional<std::string>& text) {
    Batch batch(*this);
    const KeyHandle handle = keyFor(key, KeyAccess::SetValue);
    if (handle == 0)
        return;
    if (text)
        // With its terminating zero, as every reader of a registry text may expect it.
        m_registry.setValue(handle, name, ValueType::Text, std::string_view(text->c_str(), text->size() + 1));
    else
        m_registry.deleteValue(handle, name);
}

void ConfigStore::WriteConfigNumber(std::string_view key, const std::string& name, std::uint32_t number) {
    Batch batch(*this);
    const KeyHandle handle = keyFor(key, KeyAccess::SetValue);
    if (handle == 0)
        return;
    char bytes[sizeof number];
    for (std::size_t i = 0; i < sizeof number; ++i)
        bytes[i] = static_cast<char>(number >> (8 * i));
    m_registry.setValue(handle, name, ValueType::Number, std::string_view(bytes, sizeof bytes));
}

} // namespace ie2bl
