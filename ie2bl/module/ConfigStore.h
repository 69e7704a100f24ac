#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ie2bl {

// Typed registry values of the download manager: reads fall back to the caller's default on any
// failure, writes ignore failures.
class ConfigStore {
  public:
    // Largest text value read; a longer one counts as unreadable.
    static constexpr std::size_t kTextCapacity = 1024;

    explicit ConfigStore(Registry& registry) : m_registry(registry) {}

    std::uint32_t ReadConfigNumber(const std::string& key, const std::string& name, std::uint32_t fallback);
    std::string ReadConfigText(const std::string& key, const std::string& name, const std::string& fallback);
    // No text deletes the value.
    void WriteConfigText(const std::string& key, const std::string& name,
                         const std::optional<std::string>& text);
    void WriteConfigNumber(const std::string& key, const std::string& name, std::uint32_t number);

  private:
    Registry& m_registry;
};

} // namespace ie2bl
