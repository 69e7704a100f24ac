#include "ServerLibrary.h"

namespace {

// GetProcAddress hands out a generic function pointer; go through void(*)() to the real type.
template <typename Function> Function exported(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

} // namespace

ServerLibrary::ServerLibrary(const std::wstring& path) : m_module(LoadLibraryW(path.c_str())) {
    if (m_module == nullptr)
        return;
    m_getClassObject = exported<GetClassObjectFn>(m_module, "DllGetClassObject");
    m_canUnloadNow = exported<CanUnloadNowFn>(m_module, "DllCanUnloadNow");
}

ServerLibrary::~ServerLibrary() {
    if (m_module != nullptr)
        FreeLibrary(m_module);
}
