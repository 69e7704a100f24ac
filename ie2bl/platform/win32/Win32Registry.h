#pragma once

#include "platform/Registry.h"

namespace ie2bl {

// The current user's hive through advapi32, in the 8-bit calls of the system code page.
class Win32Registry : public Registry {
  public:
    std::optional<std::vector<std::uint8_t>> queryValue(const std::string& key, const std::string& name,
                                                        std::size_t capacity) override;
    void setText(const std::string& key, const std::string& name, const std::string& text) override;
    void setNumber(const std::string& key, const std::string& name, std::uint32_t number) override;
    void deleteValue(const std::string& key, const std::string& name) override;

  private:
    void setValue(const std::string& key, const std::string& name, unsigned long type, const void* data,
                  std::size_t size);
};

} // namespace ie2bl
