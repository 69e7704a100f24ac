#include "RecordingSink.h"

HRESULT RecordingSink::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IInternetProtocolSink)) {
        *object = this;
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT RecordingSink::Switch(PROTOCOLDATA*) {
    ++m_otherCalls;
    return E_NOTIMPL;
}

HRESULT RecordingSink::ReportProgress(ULONG, LPCWSTR) {
    ++m_otherCalls;
    return S_OK;
}

HRESULT RecordingSink::ReportData(DWORD, ULONG, ULONG) {
    ++m_otherCalls;
    return S_OK;
}

HRESULT RecordingSink::ReportResult(HRESULT result, DWORD error, LPCWSTR text) {
    m_results.push_back({result, error, text != nullptr});
    return S_OK;
}
