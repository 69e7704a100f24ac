#pragma once

#include "module/ObjectMapEntry.h"

namespace ie2bl {

// Class object of a creatable class. The module's cached reference alone does not keep the module
// loaded; every further reference does.
class ClassFactory final : public IClassFactory {
  public:
    static HRESULT create(ObjectMapEntry::CreateInstanceFn createInstance, REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    explicit ClassFactory(ObjectMapEntry::CreateInstanceFn createInstance);
    ~ClassFactory();

    ObjectMapEntry::CreateInstanceFn m_createInstance;
    CRITICAL_SECTION m_lock;
    ULONG m_refs = 0;
};

} // namespace ie2bl
