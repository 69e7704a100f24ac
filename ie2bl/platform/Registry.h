#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ie2bl {

// The current user's registry, reduced to the calls the catcher makes. Key paths are relative to
// HKEY_CURRENT_USER; every failure shows as an empty result or is swallowed.
class Registry {
  public:
    virtual ~Registry() = default;

    // The stored bytes, when the key opens for query and the value fits in `capacity` bytes.
    virtual std::optional<std::vector<std::uint8_t>>
    queryValue(const std::string& key, const std::string& name, std::size_t capacity) = 0;
    // Stores `text` as REG_SZ, counting its characters only (no terminating zero byte).
    virtual void setText(const std::string& key, const std::string& name, const std::string& text) = 0;
    virtual void setNumber(const std::string& key, const std::string& name, std::uint32_t number) = 0;
    virtual void deleteValue(const std::string& key, const std::string& name) = 0;
};

} // namespace ie2bl
