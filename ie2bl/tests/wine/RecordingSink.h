#pragma once

#include <urlmon.h>
#include <windows.h>

#include <vector>

// Protocol sink that records each ReportResult, and refuses every other call as a browser's
// sink would not expect them from a handler that delivers no data.
class RecordingSink final : public IInternetProtocolSink {
  public:
    struct Result {
        HRESULT result;
        DWORD error;
        bool hasText;
    };

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }

    HRESULT STDMETHODCALLTYPE Switch(PROTOCOLDATA*) override;
    HRESULT STDMETHODCALLTYPE ReportProgress(ULONG, LPCWSTR) override;
    HRESULT STDMETHODCALLTYPE ReportData(DWORD, ULONG, ULONG) override;
    HRESULT STDMETHODCALLTYPE ReportResult(HRESULT result, DWORD error, LPCWSTR text) override;

    const std::vector<Result>& results() const { return m_results; }
    int otherCalls() const { return m_otherCalls; }
    void clear();

  private:
    ULONG m_refs = 1;
    std::vector<Result> m_results;
    int m_otherCalls = 0;
};
