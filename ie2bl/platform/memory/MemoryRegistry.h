#pragma once

#include "platform/Registry.h"

#include <map>
#include <mutex>
#include <set>
#include <vector>

namespace ie2bl {

// Registry kept in memory, with the Windows rules the catcher depends on: names compare without
// regard to case, a value larger than the reader's limit is an error, a missing key or value
// fails, and a key opened for query takes no writes. Counts the calls made through it.
class MemoryRegistry : public Registry {
  public:
    struct Traffic {
        int queryOpens = 0;
        int writeOpens = 0;
        int reads = 0;
        int writes = 0;
        int stillOpen = 0;
    };

    KeyHandle openKey(const std::string& path, KeyAccess access) override;
    void closeKey(KeyHandle key) override;
    bool queryValue(KeyHandle key, const std::string& name, std::size_t limit, std::string& bytes) override;
    void setValue(KeyHandle key, const std::string& name, ValueType type, std::string_view bytes) override;
    void deleteValue(KeyHandle key, const std::string& name) override;

    // Another program's writes: a text stored without terminating zero, a number, raw bytes.
    void setText(const std::string& key, const std::string& name, const std::string& text);
    void setNumber(const std::string& key, const std::string& name, std::uint32_t number);
    void setBytes(const std::string& key, const std::string& name, std::vector<std::uint8_t> bytes);
    // Makes every later write fail (as a read-only hive would).
    void setWritesFail(bool fail);

    bool hasValue(const std::string& key, const std::string& name) const;
    // The stored bytes as text, up to the first zero byte; empty when missing.
    std::string text(const std::string& key, const std::string& name) const;
    // The stored bytes, exactly; empty when missing.
    std::string bytes(const std::string& key, const std::string& name) const;
    std::size_t valueCount() const;

    // Calls made through the Registry interface since the last reset.
    Traffic traffic() const;
    void resetTraffic();

  private:
    using ValueId = std::pair<std::string, std::string>;
    struct OpenKey {
        std::string path;
        KeyAccess access;
    };

    static ValueId idOf(const std::string& key, const std::string& name);
    void store(const std::string& key, const std::string& name, std::string bytes);
    const OpenKey* openedAs(KeyHandle key, KeyAccess access) const;

    mutable std::mutex m_lock;
    std::map<ValueId, std::string> m_values;
    std::set<std::string> m_keys;
    std::map<KeyHandle, OpenKey> m_open;
    KeyHandle m_nextHandle = 1;
    Traffic m_traffic;
    bool m_writesFail = false;
};

} // namespace ie2bl
