#include "module/CatcherModule.h"

#include "module/ClassFactory.h"
#include "module/Identities.h"
#include "module/Ie2Brisklet.h"
#include "module/ModulePaths.h"
#include "module/ScriptRegistrar.h"
#include "module/resource.h"

namespace ie2bl {

namespace {

HRESULT updateCatcherRegistry(bool registering) {
    return ScriptRegistrar::run(CatcherModule::instance().modulePath(), IDR_IE2BRISKLET, registering);
}

ObjectMapEntry g_objectMap[] = {
    {&CLSID_Ie2Brisklet, &updateCatcherRegistry, &ClassFactory::create, &Ie2Brisklet::create, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

IUnknown* publishedClassObject(ObjectMapEntry& entry) {
    return static_cast<IUnknown*>(InterlockedCompareExchangePointer(
        reinterpret_cast<void* volatile*>(&entry.classObject), nullptr, nullptr));
}

} // namespace

CatcherModule& CatcherModule::instance() {
    static CatcherModule module;
    return module;
}

void CatcherModule::init(HINSTANCE module) {
    m_module = module;
    m_lockCount = 0;
    InitializeCriticalSection(&m_classCreationLock);
    InitializeCriticalSection(&m_typeInfoLock);
    m_host = std::make_unique<Win32Host>(module);
}

void CatcherModule::term() {
    for (ObjectMapEntry* entry = g_objectMap; entry->clsid != nullptr; ++entry) {
        if (entry->classObject != nullptr)
            entry->classObject->Release();
        entry->classObject = nullptr;
    }
    if (m_typeInfo != nullptr)
        m_typeInfo->Release();
    m_typeInfo = nullptr;
    DeleteCriticalSection(&m_typeInfoLock);
    DeleteCriticalSection(&m_classCreationLock);
}

HRESULT CatcherModule::getClassObject(REFCLSID clsid, REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    for (ObjectMapEntry* entry = g_objectMap; entry->clsid != nullptr; ++entry) {
        if (!IsEqualCLSID(*entry->clsid, clsid))
            continue;
        HRESULT hr = S_OK;
        IUnknown* classObject = publishedClassObject(*entry);
        if (classObject == nullptr) {
            EnterCriticalSection(&m_classCreationLock);
            // Another thread may have created it while this one waited.
            classObject = publishedClassObject(*entry);
            if (classObject == nullptr) {
                hr = entry->createClassObject(entry->createInstance, IID_IUnknown,
                                              reinterpret_cast<void**>(&classObject));
                // Published only once complete, for threads that test it without the lock.
                InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&entry->classObject),
                                           classObject);
            }
            LeaveCriticalSection(&m_classCreationLock);
        }
        if (classObject != nullptr)
            hr = classObject->QueryInterface(iid, object);
        return hr;
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CatcherModule::registerServer() {
    for (ObjectMapEntry* entry = g_objectMap; entry->clsid != nullptr; ++entry) {
        const HRESULT hr = entry->updateRegistry(true);
        if (FAILED(hr))
            return hr;
    }
    return registerTypeLibrary();
}

HRESULT CatcherModule::unregisterServer() {
    // The type library stays registered: other modules may share it.
    for (ObjectMapEntry* entry = g_objectMap; entry->clsid != nullptr; ++entry)
        entry->updateRegistry(false);
    return S_OK;
}

HRESULT CatcherModule::registerTypeLibrary() {
    std::wstring path = modulePath();
    ITypeLib* library = nullptr;
    HRESULT hr = LoadTypeLib(path.c_str(), &library);
    if (FAILED(hr)) {
        path = ModulePaths::withExtension(path, L".tlb");
        hr = LoadTypeLib(path.c_str(), &library);
        if (FAILED(hr))
            return hr;
    }
    std::wstring helpDirectory = ModulePaths::directoryOf(path);
    hr = RegisterTypeLib(library, path.data(), helpDirectory.data());
    library->Release();
    return hr;
}

HRESULT CatcherModule::getTypeInfo(LCID locale, ITypeInfo** info) {
    EnterCriticalSection(&m_typeInfoLock);
    HRESULT hr = S_OK;
    if (m_typeInfo == nullptr) {
        ITypeLib* library = nullptr;
        hr = LoadRegTypeLib(LIBID_IE2BLLib, 1, 0, locale, &library);
        if (SUCCEEDED(hr)) {
            hr = library->GetTypeInfoOfGuid(IID_IIe2Brisklet, &m_typeInfo);
            library->Release();
        }
    }
    if (m_typeInfo != nullptr)
        m_typeInfo->AddRef();
    *info = m_typeInfo;
    LeaveCriticalSection(&m_typeInfoLock);
    return hr;
}

std::wstring CatcherModule::modulePath() const {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(m_module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace ie2bl
