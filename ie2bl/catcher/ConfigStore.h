#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ie2bl {

// Typed registry values of the download manager: reads fall back to the caller's default on any
// failure, writes ignore failures.
class ConfigStore {
  public:
    // What the first read of a text asks for; a longer text is read again at the size it reports.
    static constexpr std::size_t kFirstReadSize = 1024;

    // While a batch lives, each key is opened once for each access it needs and kept open until
    // the outermost batch ends, so an operation that reads several values of a key opens it once.
    class Batch {
      public:
        explicit Batch(ConfigStore& store) : m_store(store) { ++m_store.m_batchDepth; }
        ~Batch() {
            if (--m_store.m_batchDepth == 0)
                m_store.m_keys.clear();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        ConfigStore& m_store;
    };

    explicit ConfigStore(Registry& registry) : m_registry(registry) {}

    std::uint32_t ReadConfigNumber(std::string_view key, const std::string& name, std::uint32_t fallback);
    // The whole text, at any length, up to its first zero byte (none need be stored).
    std::string ReadConfigText(std::string_view key, const std::string& name, const std::string& fallback);
    // No text deletes the value.
    void WriteConfigText(std::string_view key, const std::string& name,
                         const std::optional<std::string>& text);
    void WriteConfigNumber(std::string_view key, const std::string& name, std::uint32_t number);

  private:
    struct OpenKey {
        std::string path;
        KeyAccess access;
        RegistryKey key;
    };

    // 0 when the key cannot be opened; a failed open is not retried within the batch unless the
    // key is created meanwhile.
    KeyHandle keyFor(std::string_view path, KeyAccess access);
    // Leaves the value's bytes in m_bytes.
    bool read(std::string_view path, const std::string& name, std::size_t limit);

    Registry& m_registry;
    int m_batchDepth = 0;
    std::vector<OpenKey> m_keys;
    std::string m_bytes;
};

} // namespace ie2bl
