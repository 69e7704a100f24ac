#pragma once

#include <string>

namespace ie2bl {

// File-name arithmetic for registering the type library next to the module.
class ModulePaths {
  public:
    // Replaces everything from the last "." with `extension`, or appends it when there is no ".".
    static std::wstring withExtension(const std::wstring& path, const std::wstring& extension);
    // The path up to and including its last "\", "/" or ":"; empty when it has none.
    static std::wstring directoryOf(const std::wstring& path);
};

} // namespace ie2bl
