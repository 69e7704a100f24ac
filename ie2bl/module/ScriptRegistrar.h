#pragma once

#include <windows.h>

#include <string>

namespace ie2bl {

// Runs a registry script embedded in this module through the platform's registrar.
class ScriptRegistrar {
  public:
    // `modulePath` is both the resource file and the %MODULE% replacement.
    static HRESULT run(const std::wstring& modulePath, UINT scriptId, bool registering);
};

} // namespace ie2bl
