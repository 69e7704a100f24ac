// The module's entry point and its four exports (named in ie2bl.def).
#include "module/CatcherModule.h"

using ie2bl::CatcherModule;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        CatcherModule::instance().init(instance);
    } else if (reason == DLL_PROCESS_DETACH) {
        CatcherModule::instance().term();
    }
    return TRUE;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return CatcherModule::instance().canUnload() ? S_OK : S_FALSE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
    return CatcherModule::instance().getClassObject(clsid, iid, object);
}

extern "C" HRESULT WINAPI DllRegisterServer() {
    return CatcherModule::instance().registerServer();
}

extern "C" HRESULT WINAPI DllUnregisterServer() {
    return CatcherModule::instance().unregisterServer();
}
