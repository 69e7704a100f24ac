#pragma once

#include "catcher/ExtensionLists.h"
#include "module/ObjectMapEntry.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Registry.h"

#include <oaidl.h>

#include <memory>
#include <string>

namespace ie2bl {

// The one module object of the process: lock count, object map, cached type information and the
// services every catcher object shares.
class CatcherModule {
  public:
    static CatcherModule& instance();

    void init(HINSTANCE module);
    void term();

    LONG lock() { return InterlockedIncrement(&m_lockCount); }
    LONG unlock() { return InterlockedDecrement(&m_lockCount); }
    bool canUnload() const { return m_lockCount == 0; }

    HRESULT getClassObject(REFCLSID clsid, REFIID iid, void** object);
    HRESULT registerServer();
    HRESULT unregisterServer();
    // Type information of the dual interface, loaded once from the registered library.
    HRESULT getTypeInfo(LCID locale, ITypeInfo** info);

    std::wstring modulePath() const;
    Registry& registry() { return m_registry; }
    HostServices& host() { return *m_host; }
    ExtensionLists& extensionLists() { return m_extensionLists; }

  private:
    HRESULT registerTypeLibrary();

    HINSTANCE m_module = nullptr;
    volatile LONG m_lockCount = 0;
    CRITICAL_SECTION m_classCreationLock;
    CRITICAL_SECTION m_typeInfoLock;
    ITypeInfo* m_typeInfo = nullptr;
    Win32Registry m_registry;
    std::unique_ptr<Win32Host> m_host;
    ExtensionLists m_extensionLists;
};

} // namespace ie2bl
