#pragma once

#include <windows.h>

#include <string>

// The DLL loaded by hand, with its exports, as a host that bypasses the registry would use it.
class ServerLibrary {
  public:
    using GetClassObjectFn = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
    using CanUnloadNowFn = HRESULT(WINAPI*)();

    explicit ServerLibrary(const std::wstring& path);
    ~ServerLibrary();
    ServerLibrary(const ServerLibrary&) = delete;
    ServerLibrary& operator=(const ServerLibrary&) = delete;

    bool loaded() const { return m_getClassObject != nullptr && m_canUnloadNow != nullptr; }
    HRESULT getClassObject(REFCLSID clsid, REFIID iid, void** object) const {
        return m_getClassObject(clsid, iid, object);
    }
    HRESULT canUnloadNow() const { return m_canUnloadNow(); }

  private:
    HMODULE m_module;
    GetClassObjectFn m_getClassObject = nullptr;
    CanUnloadNowFn m_canUnloadNow = nullptr;
};
