#include "module/ClassFactory.h"

#include "module/CatcherModule.h"

#include <new>

namespace ie2bl {

ClassFactory::ClassFactory(ObjectMapEntry::CreateInstanceFn createInstance)
    : m_createInstance(createInstance) {
    InitializeCriticalSection(&m_lock);
}

ClassFactory::~ClassFactory() {
    DeleteCriticalSection(&m_lock);
}

HRESULT ClassFactory::create(ObjectMapEntry::CreateInstanceFn createInstance, REFIID iid, void** object) {
    auto* factory = new (std::nothrow) ClassFactory(createInstance);
    if (factory == nullptr)
        return E_OUTOFMEMORY;
    factory->AddRef();
    const HRESULT hr = factory->QueryInterface(iid, object);
    factory->Release();
    return hr;
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() {
    EnterCriticalSection(&m_lock);
    const ULONG refs = ++m_refs;
    if (refs == 2)
        CatcherModule::instance().lock();
    LeaveCriticalSection(&m_lock);
    return refs;
}

ULONG ClassFactory::Release() {
    EnterCriticalSection(&m_lock);
    const ULONG refs = --m_refs;
    if (refs == 1)
        CatcherModule::instance().unlock();
    LeaveCriticalSection(&m_lock);
    if (refs == 0)
        delete this;
    return refs;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    // An aggregate must hand its outer object the inner, non-delegating IUnknown.
    if (outer != nullptr && !IsEqualIID(iid, IID_IUnknown))
        return CLASS_E_NOAGGREGATION;
    return m_createInstance(outer, iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock)
        CatcherModule::instance().lock();
    else
        CatcherModule::instance().unlock();
    return S_OK;
}

} // namespace ie2bl
