#pragma once

#include "catcher/ClickFilter.h"
#include "module/Identities.h"

#include <ocidl.h>
#include <urlmon.h>

namespace ie2bl {

// The catcher object: the browser's protocol handler for each address it is about to fetch. Lives
// in one apartment, so its reference count is a plain counter.
class Ie2Brisklet final : public IIe2Brisklet, public IInternetProtocol, public IObjectWithSite {
  public:
    // Plain when `outer` is null, otherwise aggregated with `outer` as its controlling unknown.
    static HRESULT create(IUnknown* outer, REFIID iid, void** object);

    // IUnknown, delegated to the controlling unknown.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, through the registered type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

    // IInternetProtocolRoot and IInternetProtocol.
    HRESULT STDMETHODCALLTYPE Start(LPCWSTR url, IInternetProtocolSink* sink, IInternetBindInfo* bindInfo,
                                    DWORD flags, HANDLE_PTR reserved) override;
    HRESULT STDMETHODCALLTYPE Continue(PROTOCOLDATA* data) override;
    HRESULT STDMETHODCALLTYPE Abort(HRESULT reason, DWORD options) override;
    HRESULT STDMETHODCALLTYPE Terminate(DWORD options) override;
    HRESULT STDMETHODCALLTYPE Suspend() override;
    HRESULT STDMETHODCALLTYPE Resume() override;
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE LockRequest(DWORD options) override;
    HRESULT STDMETHODCALLTYPE UnlockRequest() override;

    // IObjectWithSite.
    HRESULT STDMETHODCALLTYPE SetSite(IUnknown* site) override;
    HRESULT STDMETHODCALLTYPE GetSite(REFIID iid, void** site) override;

  private:
    // The object's own identity: counts references and answers interfaces, whoever controls it.
    class InnerUnknown final : public IUnknown {
      public:
        explicit InnerUnknown(Ie2Brisklet& owner) : m_owner(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;

      private:
        Ie2Brisklet& m_owner;
        ULONG m_refs = 1;
    };

    explicit Ie2Brisklet(IUnknown* outer);
    ~Ie2Brisklet();

    InnerUnknown m_inner;
    IUnknown* m_outer;
    IUnknown* m_site = nullptr;
    bool m_bodyRead = false;
    ClickFilter m_filter;
};

} // namespace ie2bl
