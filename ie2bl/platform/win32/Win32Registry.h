#pragma once

#include "platform/Registry.h"

namespace ie2bl {

// The current user's hive through advapi32, in the 8-bit calls of the system code page.
class Win32Registry : public Registry {
  public:
    KeyHandle openKey(const std::string& path, KeyAccess access) override;
    void closeKey(KeyHandle key) override;
    bool queryValue(KeyHandle key, const std::string& name, std::size_t limit, std::string& bytes) override;
    void setValue(KeyHandle key, const std::string& name, ValueType type, std::string_view bytes) override;
    void deleteValue(KeyHandle key, const std::string& name) override;
};

} // namespace ie2bl
