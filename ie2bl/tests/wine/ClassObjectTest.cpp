// The class object and the catcher object reached through DllGetClassObject, as a host that
// bypasses the registry does: first creation under a race, unloading, aggregation, the
// interfaces answered, reference counts, the site and the dispatch part.
#include "CountedUnknown.h"
#include "Identities.h"
#include "RecordingSink.h"
#include "ServerLibrary.h"
#include "TestFiles.h"
#include "WineCheck.h"

#include <ocidl.h>
#include <urlmon.h>

namespace {

struct RaceArgs {
    const ServerLibrary* server;
    HANDLE go;
    IClassFactory* factory;
    HRESULT result;
};

DWORD WINAPI requestClassObject(void* parameter) {
    auto* args = static_cast<RaceArgs*>(parameter);
    WaitForSingleObject(args->go, INFINITE);
    args->result = args->server->getClassObject(kCatcherClsid, IID_IClassFactory,
                                                reinterpret_cast<void**>(&args->factory));
    return 0;
}

void twoThreadsRaceForTheFirstClassObject(const ServerLibrary& server) {
    winecheck::group("two first requests at once create one class object");
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    RaceArgs first{&server, go, nullptr, E_FAIL};
    RaceArgs second{&server, go, nullptr, E_FAIL};
    HANDLE threads[] = {CreateThread(nullptr, 0, requestClassObject, &first, 0, nullptr),
                        CreateThread(nullptr, 0, requestClassObject, &second, 0, nullptr)};
    SetEvent(go);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    CHECK_EQ(S_OK, first.result);
    CHECK_EQ(S_OK, second.result);
    CHECK(first.factory != nullptr && first.factory == second.factory);
    if (first.factory)
        first.factory->Release();
    if (second.factory)
        second.factory->Release();
    CloseHandle(threads[0]);
    CloseHandle(threads[1]);
    CloseHandle(go);
}

struct ApartmentArgs {
    const ServerLibrary* server;
    HANDLE go;
    HRESULT page;
    HRESULT download;
};

DWORD WINAPI clickInOwnApartment(void* parameter) {
    auto* args = static_cast<ApartmentArgs*>(parameter);
    CoInitialize(nullptr);
    IClassFactory* factory = nullptr;
    IInternetProtocol* protocol = nullptr;
    args->server->getClassObject(kCatcherClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (factory != nullptr && SUCCEEDED(factory->CreateInstance(nullptr, IID_IInternetProtocol,
                                                                reinterpret_cast<void**>(&protocol)))) {
        RecordingSink sink;
        WaitForSingleObject(args->go, INFINITE);
        args->page = protocol->Start(L"http://host/docs/page.htm", &sink, nullptr, 0, 0);
        args->download = protocol->Start(L"http://host/files/setup.zip", &sink, nullptr, 0, 0);
        protocol->Release();
    }
    if (factory != nullptr)
        factory->Release();
    CoUninitialize();
    return 0;
}

void firstClicksInTwoApartmentsAtOnce(const ServerLibrary& server) {
    winecheck::group("first clicks in two apartments at once share the extension lists");
    // The module-wide lists are still empty: both threads fill them at the same moment.
    HWND monitor = CreateWindowExA(0, "STATIC", " Brisklet Monitor", 0, 0, 0, 10, 10, nullptr, nullptr,
                                   nullptr, nullptr);
    HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ApartmentArgs first{&server, go, E_FAIL, E_FAIL};
    ApartmentArgs second{&server, go, E_FAIL, E_FAIL};
    HANDLE threads[] = {CreateThread(nullptr, 0, clickInOwnApartment, &first, 0, nullptr),
                        CreateThread(nullptr, 0, clickInOwnApartment, &second, 0, nullptr)};
    Sleep(100);
    SetEvent(go);
    WaitForMultipleObjects(2, threads, TRUE, INFINITE);
    for (const ApartmentArgs* args : {&first, &second}) {
        CHECK_EQ(INET_E_USE_DEFAULT_PROTOCOLHANDLER, args->page);
        CHECK_EQ(S_OK, args->download);
    }
    CloseHandle(threads[0]);
    CloseHandle(threads[1]);
    CloseHandle(go);
    DestroyWindow(monitor);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glenmarch");
}

void classObjectRequests(const ServerLibrary& server) {
    winecheck::group("class object requests");
    void* object = reinterpret_cast<void*>(1);
    CHECK_EQ(CLASS_E_CLASSNOTAVAILABLE, server.getClassObject(IID_IUnknown, IID_IClassFactory, &object));
    CHECK(object == nullptr);
    CHECK_EQ(E_POINTER, server.getClassObject(kCatcherClsid, IID_IClassFactory, nullptr));
    CHECK_EQ(E_NOINTERFACE, server.getClassObject(kCatcherClsid, IID_IDispatch, &object));

    IUnknown* first = nullptr;
    IUnknown* again = nullptr;
    CHECK_EQ(S_OK, server.getClassObject(kCatcherClsid, IID_IUnknown, reinterpret_cast<void**>(&first)));
    CHECK_EQ(S_OK, server.getClassObject(kCatcherClsid, IID_IUnknown, reinterpret_cast<void**>(&again)));
    CHECK(first != nullptr && first == again);
    if (first)
        first->Release();
    if (again)
        again->Release();
}

void unloadingFollowsOutsideReferences(const ServerLibrary& server) {
    winecheck::group("DllCanUnloadNow follows outside references and server locks");
    CHECK_EQ(S_OK, server.canUnloadNow());

    IClassFactory* factory = nullptr;
    server.getClassObject(kCatcherClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    if (!CHECK(factory != nullptr))
        return;
    CHECK_EQ(S_FALSE, server.canUnloadNow());
    factory->AddRef();
    factory->Release();
    CHECK_EQ(S_FALSE, server.canUnloadNow());

    CHECK_EQ(S_OK, factory->LockServer(TRUE));
    factory->Release();
    CHECK_EQ(S_FALSE, server.canUnloadNow());

    server.getClassObject(kCatcherClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    CHECK_EQ(S_OK, factory->LockServer(FALSE));
    factory->Release();
    CHECK_EQ(S_OK, server.canUnloadNow());
}

void createInstanceRefusals(IClassFactory* factory) {
    winecheck::group("CreateInstance refusals leave nothing behind");
    CHECK_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IInternetProtocol, nullptr));

    CountedUnknown outer;
    void* object = reinterpret_cast<void*>(1);
    CHECK_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IInternetProtocol, &object));
    CHECK(object == nullptr);
    CHECK_EQ(1, outer.refs());

    object = reinterpret_cast<void*>(1);
    CHECK_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IClassFactory, &object));
    CHECK(object == nullptr);
}

void catcherAnswersExactlyItsInterfaces(IClassFactory* factory) {
    winecheck::group("QueryInterface answers exactly the catcher's interfaces");
    IUnknown* unknown = nullptr;
    if (!CHECK_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&unknown))))
        return;

    const IID* answered[] = {&kCatcherIid, &IID_IDispatch, &IID_IInternetProtocol, &IID_IObjectWithSite,
                             &IID_IUnknown};
    for (const IID* iid : answered) {
        IUnknown* part = nullptr;
        CHECK_EQ(S_OK, unknown->QueryInterface(*iid, reinterpret_cast<void**>(&part)));
        if (part)
            part->Release();
    }
    const IID* refused[] = {&IID_IInternetProtocolRoot, &IID_IClassFactory, &IID_IPersist,
                            &IID_IInternetProtocolInfo};
    for (const IID* iid : refused) {
        void* part = reinterpret_cast<void*>(1);
        CHECK_EQ(E_NOINTERFACE, unknown->QueryInterface(*iid, &part));
        CHECK(part == nullptr);
    }

    IUnknown* dual = nullptr;
    IUnknown* identity = nullptr;
    IInternetProtocol* protocol = nullptr;
    unknown->QueryInterface(kCatcherIid, reinterpret_cast<void**>(&dual));
    unknown->QueryInterface(IID_IInternetProtocol, reinterpret_cast<void**>(&protocol));
    protocol->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
    CHECK(identity == dual && identity == unknown);

    winecheck::group("reference counts fall to zero");
    CHECK_EQ(5, unknown->AddRef());
    identity->Release();
    protocol->Release();
    dual->Release();
    CHECK_EQ(1, unknown->Release());
    CHECK_EQ(0, unknown->Release());
}

void aggregatedCatcherDelegatesToItsOuterObject(IClassFactory* factory, const ServerLibrary& server) {
    winecheck::group("aggregation");
    CountedUnknown outer;
    IUnknown* inner = nullptr;
    if (!CHECK_EQ(S_OK, factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner))))
        return;
    CHECK(inner != static_cast<IUnknown*>(&outer));
    CHECK_EQ(1, outer.refs());

    IInternetProtocol* protocol = nullptr;
    CHECK_EQ(S_OK, inner->QueryInterface(IID_IInternetProtocol, reinterpret_cast<void**>(&protocol)));
    // The inner object's interfaces count on the outer object.
    CHECK_EQ(2, outer.refs());
    IUnknown* identity = nullptr;
    protocol->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity));
    CHECK(identity == static_cast<IUnknown*>(&outer));
    CHECK_EQ(3, outer.refs());
    identity->Release();
    protocol->Release();
    CHECK_EQ(1, outer.refs());
    CHECK_EQ(S_FALSE, server.canUnloadNow());
    CHECK_EQ(0, inner->Release());
    CHECK_EQ(1, outer.refs());
}

void siteIsKeptAndReturned(IClassFactory* factory) {
    winecheck::group("IObjectWithSite");
    IObjectWithSite* withSite = nullptr;
    if (!CHECK_EQ(S_OK,
                  factory->CreateInstance(nullptr, IID_IObjectWithSite, reinterpret_cast<void**>(&withSite))))
        return;
    CountedUnknown site;
    void* got = reinterpret_cast<void*>(1);
    CHECK_EQ(E_POINTER, withSite->GetSite(IID_IUnknown, nullptr));
    CHECK_EQ(E_FAIL, withSite->GetSite(IID_IUnknown, &got));
    CHECK(got == nullptr);

    CHECK_EQ(S_OK, withSite->SetSite(&site));
    CHECK_EQ(2, site.refs());
    CHECK_EQ(S_OK, withSite->GetSite(IID_IUnknown, &got));
    CHECK(got == static_cast<IUnknown*>(&site));
    site.Release();
    CHECK_EQ(E_NOINTERFACE, withSite->GetSite(IID_IDispatch, &got));
    CHECK_EQ(S_OK, withSite->SetSite(nullptr));
    CHECK_EQ(1, site.refs());

    withSite->SetSite(&site);
    CHECK_EQ(0, withSite->Release());
    // The object let go of its site when it went.
    CHECK_EQ(1, site.refs());
}

void readNeverPassesTheCallersSize(IClassFactory* factory) {
    winecheck::group("Read without a hand-off");
    IInternetProtocol* protocol = nullptr;
    if (!CHECK_EQ(S_OK, factory->CreateInstance(nullptr, IID_IInternetProtocol,
                                                reinterpret_cast<void**>(&protocol))))
        return;
    char buffer[16];
    FillMemory(buffer, sizeof buffer, 'x');
    ULONG read = 99;
    CHECK_EQ(S_OK, protocol->Read(buffer, 3, &read));
    CHECK_EQ(3, read);
    CHECK(buffer[0] == 'B' && buffer[2] == 'i' && buffer[3] == 'x');
    CHECK_EQ(S_FALSE, protocol->Read(buffer, sizeof buffer, &read));
    CHECK_EQ(E_POINTER, protocol->Read(nullptr, 4, &read));
    CHECK_EQ(INET_E_USE_DEFAULT_PROTOCOLHANDLER, protocol->Start(nullptr, nullptr, nullptr, 0, 0));
    CHECK_EQ(0, protocol->Release());
}

void dispatchUsesTheRegisteredTypeLibrary(IClassFactory* factory) {
    winecheck::group("IDispatch through the registered type library");
    IDispatch* dispatch = nullptr;
    if (!CHECK_EQ(S_OK, factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
        return;
    UINT count = 0;
    CHECK_EQ(S_OK, dispatch->GetTypeInfoCount(&count));
    CHECK_EQ(1, count);
    CHECK_EQ(E_POINTER, dispatch->GetTypeInfo(0, 0x0409, nullptr));

    ITypeInfo* info = nullptr;
    CHECK_EQ(S_OK, dispatch->GetTypeInfo(0, 0x0409, &info));
    if (CHECK(info != nullptr)) {
        TYPEATTR* attributes = nullptr;
        info->GetTypeAttr(&attributes);
        CHECK(IsEqualGUID(attributes->guid, kCatcherIid));
        CHECK((attributes->wTypeFlags & TYPEFLAG_FDUAL) != 0);
        info->ReleaseTypeAttr(attributes);
        info->Release();
    }

    OLECHAR name[] = L"Download";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    CHECK_EQ(DISP_E_UNKNOWNNAME, dispatch->GetIDsOfNames(IID_NULL, names, 1, 0x0409, &id));

    // A stale error of an earlier call must not survive Invoke.
    ICreateErrorInfo* creator = nullptr;
    CreateErrorInfo(&creator);
    IErrorInfo* stale = nullptr;
    creator->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&stale));
    SetErrorInfo(0, stale);
    stale->Release();
    creator->Release();

    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    CHECK_EQ(DISP_E_MEMBERNOTFOUND,
             dispatch->Invoke(1, IID_NULL, 0x0409, DISPATCH_METHOD, &none, &result, nullptr, nullptr));
    IErrorInfo* left = nullptr;
    CHECK_EQ(S_FALSE, GetErrorInfo(0, &left));
    if (left)
        left->Release();
    CHECK_EQ(0, dispatch->Release());
}

} // namespace

int main() {
    const std::wstring dll = TestFiles::besideProgram(L"ie2bl.dll");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glenmarch");
    CoInitialize(nullptr);
    {
        ServerLibrary server(dll);
        if (!CHECK(server.loaded()))
            return winecheck::finish();
        twoThreadsRaceForTheFirstClassObject(server);
        firstClicksInTwoApartmentsAtOnce(server);
        classObjectRequests(server);
        unloadingFollowsOutsideReferences(server);

        IClassFactory* factory = nullptr;
        server.getClassObject(kCatcherClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
        if (CHECK(factory != nullptr)) {
            createInstanceRefusals(factory);
            catcherAnswersExactlyItsInterfaces(factory);
            aggregatedCatcherDelegatesToItsOuterObject(factory, server);
            siteIsKeptAndReturned(factory);
            readNeverPassesTheCallersSize(factory);
            CHECK_EQ(0, TestFiles::runAndWait(L"regsvr32 /s \"" + dll + L"\""));
            dispatchUsesTheRegisteredTypeLibrary(factory);
            factory->Release();
        }
        winecheck::group("everything released");
        CHECK_EQ(S_OK, server.canUnloadNow());
    }
    CoUninitialize();
    return winecheck::finish();
}
