#include "module/Ie2Brisklet.h"

#include "module/CatcherModule.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace ie2bl {

namespace {

// What the browser reads after a hand-off instead of the page: the word and its zero byte.
constexpr char kBody[] = "Brisklet";

} // namespace

Ie2Brisklet::Ie2Brisklet(IUnknown* outer)
    : m_inner(*this), m_outer(outer != nullptr ? outer : &m_inner),
      m_filter(CatcherModule::instance().registry(), CatcherModule::instance().host(),
               CatcherModule::instance().extensionLists()) {
    CatcherModule::instance().lock();
}

Ie2Brisklet::~Ie2Brisklet() {
    if (m_site != nullptr)
        m_site->Release();
    CatcherModule::instance().unlock();
}

HRESULT Ie2Brisklet::create(IUnknown* outer, REFIID iid, void** object) {
    auto* catcher = new (std::nothrow) Ie2Brisklet(outer);
    if (catcher == nullptr)
        return E_OUTOFMEMORY;
    const HRESULT hr = catcher->m_inner.QueryInterface(iid, object);
    catcher->m_inner.Release();
    return hr;
}

HRESULT Ie2Brisklet::InnerUnknown::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown)) {
        // Aggregated or not, the non-delegating unknown is the object's identity for its creator.
        *object = m_owner.m_outer == this ? static_cast<IUnknown*>(static_cast<IIe2Brisklet*>(&m_owner))
                                          : static_cast<IUnknown*>(this);
    } else if (IsEqualIID(iid, IID_IIe2Brisklet) || IsEqualIID(iid, IID_IDispatch)) {
        *object = static_cast<IIe2Brisklet*>(&m_owner);
    } else if (IsEqualIID(iid, IID_IInternetProtocol)) {
        *object = static_cast<IInternetProtocol*>(&m_owner);
    } else if (IsEqualIID(iid, IID_IObjectWithSite)) {
        *object = static_cast<IObjectWithSite*>(&m_owner);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    static_cast<IUnknown*>(*object)->AddRef();
    return S_OK;
}

ULONG Ie2Brisklet::InnerUnknown::AddRef() {
    return ++m_refs;
}

ULONG Ie2Brisklet::InnerUnknown::Release() {
    const ULONG refs = --m_refs;
    if (refs == 0)
        delete &m_owner;
    return refs;
}

HRESULT Ie2Brisklet::QueryInterface(REFIID iid, void** object) {
    return m_outer->QueryInterface(iid, object);
}

ULONG Ie2Brisklet::AddRef() {
    return m_outer->AddRef();
}

ULONG Ie2Brisklet::Release() {
    return m_outer->Release();
}

HRESULT Ie2Brisklet::GetTypeInfoCount(UINT* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT Ie2Brisklet::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    if (info == nullptr)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return CatcherModule::instance().getTypeInfo(locale, info);
}

HRESULT Ie2Brisklet::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    ITypeInfo* info = nullptr;
    HRESULT hr = CatcherModule::instance().getTypeInfo(locale, &info);
    if (FAILED(hr))
        return hr;
    hr = info->GetIDsOfNames(names, count, ids);
    info->Release();
    return hr;
}

HRESULT Ie2Brisklet::Invoke(DISPID member, REFIID, LCID locale, WORD flags, DISPPARAMS* params,
                            VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    SetErrorInfo(0, nullptr);
    ITypeInfo* info = nullptr;
    HRESULT hr = CatcherModule::instance().getTypeInfo(locale, &info);
    if (FAILED(hr))
        return hr;
    hr = info->Invoke(static_cast<IIe2Brisklet*>(this), member, flags, params, result, exception, argError);
    info->Release();
    return hr;
}

HRESULT Ie2Brisklet::Start(LPCWSTR url, IInternetProtocolSink* sink, IInternetBindInfo*, DWORD, HANDLE_PTR) {
    const auto decision = m_filter.Start(reinterpret_cast<const char16_t*>(url), sink != nullptr);
    if (decision != StartDecision::HandedOff)
        return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
    // The next Read delivers the body once more.
    m_bodyRead = false;
    sink->ReportResult(S_OK, 0, nullptr);
    return S_OK;
}

HRESULT Ie2Brisklet::Continue(PROTOCOLDATA*) {
    return S_OK;
}

HRESULT Ie2Brisklet::Abort(HRESULT, DWORD) {
    return S_OK;
}

HRESULT Ie2Brisklet::Terminate(DWORD) {
    return S_OK;
}

HRESULT Ie2Brisklet::Suspend() {
    return S_OK;
}

HRESULT Ie2Brisklet::Resume() {
    return S_OK;
}

HRESULT Ie2Brisklet::Read(void* buffer, ULONG size, ULONG* read) {
    if (buffer == nullptr && size != 0)
        return E_POINTER;
    // Never more than the caller's buffer holds.
    const ULONG copied = std::min<ULONG>(size, sizeof kBody);
    if (copied != 0)
        std::memcpy(buffer, kBody, copied);
    if (read != nullptr)
        *read = copied;
    if (m_bodyRead)
        return S_FALSE;
    m_bodyRead = true;
    return S_OK;
}

HRESULT Ie2Brisklet::Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) {
    return S_OK;
}

HRESULT Ie2Brisklet::LockRequest(DWORD) {
    return S_OK;
}

HRESULT Ie2Brisklet::UnlockRequest() {
    return S_OK;
}

HRESULT Ie2Brisklet::SetSite(IUnknown* site) {
    if (site != nullptr)
        site->AddRef();
    if (m_site != nullptr)
        m_site->Release();
    m_site = site;
    return S_OK;
}

HRESULT Ie2Brisklet::GetSite(REFIID iid, void** site) {
    if (site == nullptr)
        return E_POINTER;
    if (m_site != nullptr)
        return m_site->QueryInterface(iid, site);
    *site = nullptr;
    return E_FAIL;
}

} // namespace ie2bl
