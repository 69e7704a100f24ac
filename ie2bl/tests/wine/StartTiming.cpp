// Times the Start decision of the real DLL per address, run by hand under Wine (not a test):
//   wine ie2bl_start_timing.exe [iterations]
// The program owns the monitor window itself and fills all 255 queue slots with other files.
#include "Identities.h"
#include "RecordingSink.h"
#include "ServerLibrary.h"
#include "TestFiles.h"

#include <urlmon.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr char kQueueKey[] = "Software\\Glenmarch\\Brisklet\\FileQueue";

void fillQueue() {
    for (int slot = 0; slot < 255; ++slot) {
        char name[16];
        std::snprintf(name, sizeof name, "Get%02i", slot);
        const std::string address = "http://mirror.example.com/pub/file" + std::to_string(slot) + ".dat";
        RegSetKeyValueA(HKEY_CURRENT_USER, kQueueKey, name, REG_SZ, address.c_str(),
                        static_cast<DWORD>(address.size() + 1));
    }
}

void drainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

void time(IInternetProtocol* protocol, const wchar_t* label, const wchar_t* address, int iterations) {
    RecordingSink sink;
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    HRESULT last = S_OK;
    for (int i = 0; i < iterations; ++i) {
        last = protocol->Start(address, &sink, nullptr, 0, 0);
        if ((i & 255) == 0)
            drainMessages();
    }
    QueryPerformanceCounter(&end);
    drainMessages();
    const double nanoseconds = (end.QuadPart - begin.QuadPart) * 1e9 / frequency.QuadPart / iterations;
    std::printf("%-34ls %10.0f ns per Start (result 0x%08lx)\n", label, nanoseconds,
                static_cast<unsigned long>(last));
}

} // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? std::atoi(argv[1]) : 2000;
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glenmarch");
    fillQueue();
    CreateWindowExA(0, "STATIC", " Brisklet Monitor", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

    CoInitialize(nullptr);
    ServerLibrary server(TestFiles::besideProgram(L"ie2bl.dll"));
    IClassFactory* factory = nullptr;
    IInternetProtocol* protocol = nullptr;
    if (!server.loaded() ||
        FAILED(server.getClassObject(kCatcherClsid, IID_IClassFactory, reinterpret_cast<void**>(&factory))) ||
        FAILED(
            factory->CreateInstance(nullptr, IID_IInternetProtocol, reinterpret_cast<void**>(&protocol)))) {
        std::printf("cannot create the catcher\n");
        return 1;
    }
    time(protocol, L"non-download page", L"http://www.example.com/docs/intro.html", iterations);
    time(protocol, L"watch-list download", L"http://www.example.com/files/setup.zip", iterations);
    time(protocol, L"unlisted extension, full queue", L"http://www.example.com/files/archive.xyz",
         iterations / 10);
    protocol->Release();
    factory->Release();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glenmarch");
    CoUninitialize();
    return 0;
}
