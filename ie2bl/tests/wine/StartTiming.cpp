// Start of the real DLL against its floor, run by hand under Wine (not a test):
//   wine ie2bl_start_timing.exe [rounds]          times both, alternating, and prints their ratio
//   wine ie2bl_start_timing.exe --trace           one Start of each between markers on stderr,
//                                                 for counting server round trips (start-timing.sh)
// The floor is the decision written as the bare Windows calls it needs: the same reads, lookups
// and writes in the same order, each key opened once, no abstraction in between. The program owns
// the monitor window itself and fills all 255 queue slots with other files.
#include "Identities.h"
#include "RecordingSink.h"
#include "ServerLibrary.h"
#include "TestFiles.h"

#include <urlmon.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kConfigKey[] = "Software\\Glenmarch\\Brisklet\\Config";
constexpr char kQueueKey[] = "Software\\Glenmarch\\Brisklet\\FileQueue";
constexpr UINT kHandOffMessage = WM_USER + 115;
constexpr int kMonitorTitleId = 237;

void fillQueue() {
    for (int slot = 0; slot < 255; ++slot) {
        char name[16];
        std::snprintf(name, sizeof name, "Get%02i", slot);
        const std::string address = "http://mirror.example.com/pub/file" + std::to_string(slot) + ".dat";
        RegSetKeyValueA(HKEY_CURRENT_USER, kQueueKey, name, REG_SZ, address.c_str(),
                        static_cast<DWORD>(address.size() + 1));
    }
    // A running manager has written its settings key.
    const DWORD enabled = 1;
    RegSetKeyValueA(HKEY_CURRENT_USER, kConfigKey, "MonitoringEnabled", REG_DWORD, &enabled, sizeof enabled);
}

void drainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// The floor's own registry reads: one call into a buffer that holds every value of this set-up.
bool queryText(HKEY key, const char* name, char* buffer, DWORD capacity) {
    DWORD size = capacity - 1;
    if (key == nullptr || RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                                           &size) != ERROR_SUCCESS) {
        buffer[0] = '\0';
        return false;
    }
    buffer[size] = '\0';
    return true;
}

DWORD queryNumber(HKEY key, const char* name, DWORD fallback) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (key == nullptr || RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                                           &size) != ERROR_SUCCESS)
        return fallback;
    return value;
}

bool held(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

class Floor {
  public:
    explicit Floor(HMODULE server) : m_server(server) {}

    HRESULT start(const wchar_t* url, IInternetProtocolSink* sink) {
        if (url == nullptr || sink == nullptr)
            return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
        const int size = WideCharToMultiByte(CP_ACP, 0, url, -1, nullptr, 0, nullptr, nullptr);
        std::string address(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, 0, url, -1, address.data(), size, nullptr, nullptr);
        address.resize(std::strlen(address.c_str()));
        if (held(VK_SHIFT))
            return INET_E_USE_DEFAULT_PROTOCOLHANDLER;

        HKEY config = nullptr;
        RegOpenKeyExA(HKEY_CURRENT_USER, kConfigKey, 0, KEY_QUERY_VALUE, &config);
        const HRESULT result = decide(config, address, sink);
        if (config != nullptr)
            RegCloseKey(config);
        return result;
    }

  private:
    HWND findMonitor(HKEY config) {
        char file[1024];
        queryText(config, "ExternalResourceFile", file, sizeof file);
        queryNumber(config, "ExternalResourceFileVer", 0);
        char title[256];
        LoadStringA(m_server, kMonitorTitleId, title, sizeof title);
        return FindWindowA(nullptr, title);
    }

    HRESULT decide(HKEY config, const std::string& address, IInternetProtocolSink* sink) {
        if (findMonitor(config) == nullptr)
            return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
        if (queryNumber(config, "WatchBrowser2", 1) == 0 || queryNumber(config, "MonitoringEnabled", 1) == 0)
            return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
        if (!(held(VK_CONTROL) && held(VK_MENU))) {
            if (address.find_first_of("*?#") != std::string::npos ||
                address.find("/cgi-bin/") != std::string::npos || !isDownload(config, address))
                return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
        }
        HKEY queue = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kQueueKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &queue,
                            nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(queue, "FromNetscape", 0, REG_SZ, reinterpret_cast<const BYTE*>(address.c_str()),
                           static_cast<DWORD>(address.size() + 1));
            RegCloseKey(queue);
        }
        const HWND monitor = findMonitor(config);
        if (monitor == nullptr)
            return INET_E_USE_DEFAULT_PROTOCOLHANDLER;
        PostMessageA(monitor, kHandOffMessage, 0, 0);
        sink->ReportResult(S_OK, 0, nullptr);
        return S_OK;
    }

    // The addresses of this program have a scheme, a server without a port and a plain path.
    static std::string fileNameOf(const std::string& address) {
        const std::size_t slash = address.rfind('/');
        return slash == std::string::npos || slash < address.find("//") + 2 ? std::string()
                                                                            : address.substr(slash + 1);
    }

    bool isDownload(HKEY config, const std::string& address) {
        if (address.back() == '/' ||
            (_strnicmp(address.c_str(), "http:/", 6) != 0 && _strnicmp(address.c_str(), "ftp://", 6) != 0))
            return false;
        if (address.find_first_of(" \r\n") != std::string::npos)
            return false;
        char skipServers[1024];
        queryText(config, "WatchSkipServers", skipServers, sizeof skipServers);
        const std::size_t hostStart = address.find("//") + 2;
        const std::string host = address.substr(hostStart, address.find('/', hostStart) - hostStart);
        if (std::strstr(skipServers, host.c_str()) != nullptr)
            return false;
        const std::string fileName = fileNameOf(address);
        const std::size_t dot = fileName.rfind('.');
        if (dot == std::string::npos)
            return false;
        std::string key = fileName.substr(dot) + ";";
        CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
        if (m_watch.empty()) {
            char list[1024];
            m_watch = queryText(config, "WatchFileTypes", list, sizeof list) ? list : ".ZIP; .EXE;";
            m_skip = queryText(config, "WatchFileSkipTypes", list, sizeof list) ? list : ".HTML; .HTM;";
        }
        if (m_watch.find(key) != std::string::npos)
            return true;
        if (m_skip.find(key) != std::string::npos)
            return false;
        return queryNumber(config, "WatchPromptOthers", 1) != 0 && isQueued(config, address, fileName);
    }

    bool isQueued(HKEY config, const std::string& address, const std::string& fileName) {
        if (queryNumber(config, "FMLSameFilename", 1) == 0)
            return false;
        HKEY queue = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kQueueKey, 0, KEY_QUERY_VALUE, &queue) != ERROR_SUCCESS)
            return false;
        bool found = false;
        for (int slot = 0; slot < 255 && !found; ++slot) {
            char name[16];
            std::snprintf(name, sizeof name, "Get%02i", slot);
            char queued[1024];
            queryText(queue, name, queued, sizeof queued);
            found = address == queued || _stricmp(fileNameOf(queued).c_str(), fileName.c_str()) == 0;
        }
        RegCloseKey(queue);
        return found;
    }

    HMODULE m_server;
    std::string m_watch;
    std::string m_skip;
};

struct Address {
    const char* label;
    const wchar_t* text;
    int perRound;
    HRESULT expected;
};

const Address kAddresses[] = {
    {"non-download page", L"http://www.example.com/docs/intro.html", 200, INET_E_USE_DEFAULT_PROTOCOLHANDLER},
    {"watch-list download", L"http://www.example.com/files/setup.zip", 200, S_OK},
    {"unlisted extension, full queue", L"http://www.example.com/files/archive.xyz", 20,
     INET_E_USE_DEFAULT_PROTOCOLHANDLER},
};

template <typename StartFn> double microsecondsPerStart(StartFn start, const wchar_t* address, int count) {
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    for (int i = 0; i < count; ++i)
        start(address);
    QueryPerformanceCounter(&end);
    drainMessages();
    return (end.QuadPart - begin.QuadPart) * 1e6 / frequency.QuadPart / count;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const bool trace = argc > 1 && std::strcmp(argv[1], "--trace") == 0;
    const int rounds = !trace && argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
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
    RecordingSink sink;
    Floor floor(GetModuleHandleW(L"ie2bl.dll"));
    auto dllStart = [&](const wchar_t* address) { return protocol->Start(address, &sink, nullptr, 0, 0); };
    auto floorStart = [&](const wchar_t* address) { return floor.start(address, &sink); };

    for (const Address& address : kAddresses) {
        // Both fill their extension lists on the first call; both must decide alike.
        const HRESULT dllResult = dllStart(address.text);
        if (dllResult != address.expected || floorStart(address.text) != address.expected) {
            std::printf("%s: not decided as expected (is the monitor window seen?)\n", address.label);
            return 1;
        }
        drainMessages();
        if (trace) {
            // The server requests of this thread between the markers are the call's.
            const unsigned long thread = GetCurrentThreadId();
            std::fprintf(stderr, "@@begin %04lx dll %s\n", thread, address.label);
            dllStart(address.text);
            std::fprintf(stderr, "@@end\n@@begin %04lx floor %s\n", thread, address.label);
            floorStart(address.text);
            std::fprintf(stderr, "@@end\n");
            drainMessages();
            continue;
        }
        std::vector<double> dll, bare;
        for (int round = 0; round < rounds; ++round) {
            // Interleaved, each going first in every other round.
            if (round % 2 == 0) {
                dll.push_back(microsecondsPerStart(dllStart, address.text, address.perRound));
                bare.push_back(microsecondsPerStart(floorStart, address.text, address.perRound));
            } else {
                bare.push_back(microsecondsPerStart(floorStart, address.text, address.perRound));
                dll.push_back(microsecondsPerStart(dllStart, address.text, address.perRound));
            }
        }
        const double dllMedian = median(dll);
        const double floorMedian = median(bare);
        std::printf("%-32s DLL %9.1f us  floor %9.1f us  ratio %.2f  (result 0x%08lx)\n", address.label,
                    dllMedian, floorMedian, dllMedian / floorMedian, static_cast<unsigned long>(dllResult));
    }
    protocol->Release();
    factory->Release();
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glenmarch");
    CoUninitialize();
    return 0;
}
