#include "module/ConfigStore.h"

#include <algorithm>

namespace ie2bl {

std::uint32_t ConfigStore::ReadConfigNumber(const std::string& key, const std::string& name,
                                            std::uint32_t fallback) {
    const auto bytes = m_registry.queryValue(key, name, sizeof(std::uint32_t));
    if (!bytes)
        return fallback;
    // The type is not checked: whatever is stored fills a zeroed 4-byte little-endian buffer.
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i)
        number |= static_cast<std::uint32_t>((*bytes)[i]) << (8 * i);
    return number;
}

std::string ConfigStore::ReadConfigText(const std::string& key, const std::string& name,
                                        const std::string& fallback) {
    const auto bytes = m_registry.queryValue(key, name, kTextCapacity);
    if (!bytes)
        return fallback;
    // A full buffer need not hold a terminating zero: stop at the data's end, never past it.
    return std::string(bytes->begin(), std::find(bytes->begin(), bytes->end(), 0));
}

void ConfigStore::WriteConfigText(const std::string& key, const std::string& name,
                                  const std::optional<std::string>& text) {
    if (text)
        m_registry.setText(key, name, *text);
    else
        m_registry.deleteValue(key, name);
}

void ConfigStore::WriteConfigNumber(const std::string& key, const std::string& name, std::uint32_t number) {
    m_registry.setNumber(key, name, number);
}

} // namespace ie2bl
