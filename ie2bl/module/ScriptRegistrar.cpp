#include "module/ScriptRegistrar.h"

#include "module/IRegistrar.h"
#include "module/Identities.h"

namespace ie2bl {

HRESULT ScriptRegistrar::run(const std::wstring& modulePath, UINT scriptId, bool registering) {
    IRegistrar* registrar = nullptr;
    HRESULT hr = CoCreateInstance(CLSID_Registrar, nullptr, CLSCTX_INPROC_SERVER, IID_IRegistrar,
                                  reinterpret_cast<void**>(&registrar));
    if (FAILED(hr))
        return hr;
    hr = registrar->AddReplacement(L"Module", modulePath.c_str());
    if (SUCCEEDED(hr)) {
        hr = registering ? registrar->ResourceRegister(modulePath.c_str(), scriptId, L"REGISTRY")
                         : registrar->ResourceUnregister(modulePath.c_str(), scriptId, L"REGISTRY");
    }
    registrar->Release();
    return hr;
}

} // namespace ie2bl
