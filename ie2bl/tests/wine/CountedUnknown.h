#pragma once

#include <unknwn.h>
#include <windows.h>

// A bare COM object whose reference count the tests read: a site for the catcher, or the outer
// object of an aggregate (whose IUnknown the inner object must delegate to).
class CountedUnknown final : public IUnknown {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!IsEqualIID(iid, IID_IUnknown)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }

    ULONG refs() const { return m_refs; }

  private:
    ULONG m_refs = 1;
};
