#pragma once

#include <urlmon.h>
#include <windows.h>

#include <vector>

// Protocol sink that records each ReportResult and counts every other call, none of which a
// handler that delivers no data should make.
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

  private:
    ULONG m_refs = 1;
    std::vector<Result> m_results;
    int m_otherCalls = 0;
};
