#pragma once

#include "platform/Registry.h"

#include <map>
#include <mutex>

namespace ie2bl {

// Registry kept in memory, with the Windows rules the catcher depends on: names compare without
// regard to case, a value larger than the reader's buffer is an error, and a missing key or value fails.
class MemoryRegistry : public Registry {
  public:
    std::optional<std::vector<std::uint8_t>> queryValue(const std::string& key, const std::string& name,
                                                        std::size_t capacity) override;
    void setText(const std::string& key, const std::string& name, const std::string& text) override;
    void setNumber(const std::string& key, const std::string& name, std::uint32_t number) override;
    void deleteValue(const std::string& key, const std::string& name) override;

    // Stores raw bytes, as another program might.
    void setBytes(const std::string& key, const std::string& name, std::vector<std::uint8_t> bytes);
    // Makes every later write fail (as a read-only hive would).
    void setWritesFail(bool fail);

    bool hasValue(const std::string& key, const std::string& name) const;
    // The stored bytes as text, up to the first zero byte; empty when missing.
    std::string text(const std::string& key, const std::string& name) const;
    std::size_t valueCount() const;

  private:
    using ValueId = std::pair<std::string, std::string>;
    static ValueId idOf(const std::string& key, const std::string& name);
    void store(const std::string& key, const std::string& name, std::vector<std::uint8_t> bytes);

    mutable std::mutex m_lock;
    std::map<ValueId, std::vector<std::uint8_t>> m_values;
    bool m_writesFail = false;
};

} // namespace ie2bl
