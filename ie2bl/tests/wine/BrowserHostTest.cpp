// A browser's view of the catcher: the class is created through its registration and driven
// with Start and Read against a stand-in download manager running in its own process.
#include "HeldKeys.h"
#include "Identities.h"
#include "RecordingSink.h"
#include "StandInManager.h"
#include "TestFiles.h"
#include "WineCheck.h"

#include <urlmon.h>

#include <string>
#include <vector>

namespace {

constexpr char kConfigKey[] = "Software\\Glenmarch\\Brisklet\\Config";
constexpr char kQueueKey[] = "Software\\Glenmarch\\Brisklet\\FileQueue";

void setNumber(const char* key, const char* name, DWORD value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof value);
}

void setText(const char* key, const char* name, const std::string& text) {
    RegSetKeyValueA(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void removeValue(const char* key, const char* name) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, key, name);
}

std::string readText(const char* key, const char* name) {
    DWORD size = 0;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return "<missing>";
    std::string text(size, '\0');
    RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size);
    return std::string(text.c_str());
}

// The stored byte count, whatever the type.
DWORD storedSize(const char* key, const char* name) {
    HKEY handle = nullptr;
    DWORD size = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return 0;
    RegQueryValueExA(handle, name, nullptr, nullptr, nullptr, &size);
    RegCloseKey(handle);
    return size;
}

std::wstring widened(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// One catcher object per click, created the way the browser creates it.
class Click {
  public:
    Click() {
        CoCreateInstance(kCatcherClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IInternetProtocol,
                         reinterpret_cast<void**>(&m_protocol));
    }
    ~Click() {
        if (m_protocol)
            m_protocol->Release();
    }
    bool created() const { return m_protocol != nullptr; }
    HRESULT start(const std::string& address) {
        return m_protocol->Start(widened(address).c_str(), &m_sink, nullptr, 0, 0);
    }
    IInternetProtocol* protocol() { return m_protocol; }
    RecordingSink& sink() { return m_sink; }

  private:
    IInternetProtocol* m_protocol = nullptr;
    RecordingSink m_sink;
};

// Addresses handed off so far, and the manager that should have recorded them.
struct HandOffs {
    StandInManager& manager;
    std::vector<std::string> addresses;
};

// Waits like a user would until the manager has taken the address over.
void noteHandOff(HandOffs& handedOff, const std::string& address) {
    handedOff.addresses.push_back(address);
    CHECK(handedOff.manager.waitForRecords(handedOff.addresses.size()));
}

void expectHandOff(const std::string& address, HandOffs& handedOff) {
    Click click;
    if (!CHECK(click.created()))
        return;
    CHECK_EQ(S_OK, click.start(address));
    CHECK_EQ(1, click.sink().results().size());
    if (!click.sink().results().empty()) {
        CHECK_EQ(S_OK, click.sink().results()[0].result);
        CHECK_EQ(0, click.sink().results()[0].error);
        CHECK(!click.sink().results()[0].hasText);
    }
    CHECK_EQ(0, click.sink().otherCalls());
    CHECK(readText(kQueueKey, "FromNetscape") == address);
    noteHandOff(handedOff, address);
}

void expectBrowserFetches(const std::string& address) {
    Click click;
    if (!CHECK(click.created()))
        return;
    CHECK_EQ(INET_E_USE_DEFAULT_PROTOCOLHANDLER, click.start(address));
    CHECK(click.sink().results().empty());
}

void nothingIsCaughtWithoutTheManager() {
    winecheck::group("download manager not running");
    expectBrowserFetches("http://host/files/setup.zip");
    CHECK(readText(kQueueKey, "FromNetscape") == "<missing>");
}

void downloadsAreHandedOff(HandOffs& handedOff) {
    winecheck::group("watched downloads are handed off");
    expectHandOff("http://host/files/setup.zip", handedOff);
    expectHandOff("ftp://ftp.host.org:21/pub/src.tar.gz", handedOff);
    expectBrowserFetches("http://host/docs/page.htm");
    expectBrowserFetches("http://host/cgi-bin/get.zip");
    expectBrowserFetches("https://host/secure.zip");

    Click noSink;
    CHECK_EQ(INET_E_USE_DEFAULT_PROTOCOLHANDLER,
             noSink.protocol()->Start(L"http://host/a.zip", nullptr, nullptr, 0, 0));
}

void bodyIsReadOncePerHandOff(HandOffs& handedOff) {
    winecheck::group("Read after a hand-off");
    Click click;
    if (!CHECK(click.created()))
        return;
    click.start("http://host/one.exe");
    noteHandOff(handedOff, "http://host/one.exe");
    char buffer[32];
    FillMemory(buffer, sizeof buffer, 'x');
    ULONG read = 0;
    CHECK_EQ(S_OK, click.protocol()->Read(buffer, sizeof buffer, &read));
    CHECK_EQ(9, read);
    CHECK(std::string(buffer) == "Brisklet" && buffer[9] == 'x');
    CHECK_EQ(S_FALSE, click.protocol()->Read(buffer, sizeof buffer, &read));

    // A second hand-off on the same object delivers the body once more, never past the buffer.
    click.start("http://host/two.exe");
    noteHandOff(handedOff, "http://host/two.exe");
    FillMemory(buffer, sizeof buffer, 'x');
    CHECK_EQ(S_OK, click.protocol()->Read(buffer, 5, &read));
    CHECK_EQ(5, read);
    CHECK(std::string(buffer, 6) == "Briskx");
}

void modifierKeysSteerTheDecision(HandOffs& handedOff) {
    winecheck::group("modifier keys");
    {
        HeldKeys shift({VK_SHIFT, VK_CONTROL, VK_MENU});
        CHECK(shift.allDown());
        expectBrowserFetches("http://host/files/setup.zip");
    }
    {
        HeldKeys ctrlAlt({VK_CONTROL, VK_MENU});
        CHECK(ctrlAlt.allDown());
        expectHandOff("http://host/search?q=manual#top", handedOff);
        setNumber(kConfigKey, "MonitoringEnabled", 0);
        expectBrowserFetches("http://host/search?q=other");
        removeValue(kConfigKey, "MonitoringEnabled");
    }
    expectBrowserFetches("http://host/search?q=manual");
}

void queuedFileTakesAMirror(HandOffs& handedOff) {
    winecheck::group("address of a queued file becomes an alternate");
    setText(kQueueKey, "Get03", "http://first.mirror/pub/tool.dat");
    expectHandOff("http://second.mirror/dl/tool.dat", handedOff);
    CHECK(readText(kQueueKey, "AltURL03:0") == "http://first.mirror/pub/tool.dat");
    CHECK(readText(kQueueKey, "AltURL03:1") == "http://second.mirror/dl/tool.dat");
    expectBrowserFetches("http://second.mirror/dl/other.dat");
}

// Past the first read's 1024 bytes: the queued address is read whole, so the click is known,
// and a mirror of it is written as a text with its terminating zero.
void longQueuedAddressIsKnown(HandOffs& handedOff) {
    winecheck::group("queued address of 1500 bytes");
    const std::string queued = "http://first.mirror/" + std::string(1500, 'q') + "/long.dat";
    const std::string mirror = "http://second.mirror/dl/long.dat";
    setText(kQueueKey, "Get07", queued);
    expectHandOff(queued, handedOff);
    expectHandOff(mirror, handedOff);
    CHECK(readText(kQueueKey, "AltURL07:0") == queued);
    CHECK(readText(kQueueKey, "AltURL07:1") == mirror);
    CHECK_EQ(static_cast<DWORD>(queued.size() + 1), storedSize(kQueueKey, "AltURL07:0"));
    CHECK_EQ(static_cast<DWORD>(mirror.size() + 1), storedSize(kQueueKey, "FromNetscape"));
    removeValue(kQueueKey, "Get07");
}

// Exactly the reader's 1024 bytes and no terminating zero, the last entry ending in the very last
// byte. Stored untyped, since the system would add a zero to a text value on the way out.
void setFullWatchList() {
    std::string list = ".ZIP; .EXE; .GZ;";
    list += std::string(1024 - list.size() - 5, ' ') + ".XYZ;";
    RegSetKeyValueA(HKEY_CURRENT_USER, kConfigKey, "WatchFileTypes", REG_BINARY, list.data(),
                    static_cast<DWORD>(list.size()));
}

void fullWatchListIsReadToItsLastByte(HandOffs& handedOff) {
    winecheck::group("a 1024-byte watch list without terminator");
    expectHandOff("http://host/files/data.xyz", handedOff);
    expectBrowserFetches("http://host/files/data.tar");
}

void longAddressIsHandedOffWhole(HandOffs& handedOff) {
    winecheck::group("very long address");
    expectHandOff("http://host/" + std::string(60000, 'p') + "/big.zip", handedOff);
}

void translatedTitleIsLookedFor(HandOffs& handedOff) {
    winecheck::group("monitor title from an external resource file");
    setText(kConfigKey, "ExternalResourceFile", "ie2bl_test_strings.dll");
    setNumber(kConfigKey, "ExternalResourceFileVer", 3010);
    // The resource file names another window, which is not running.
    expectBrowserFetches("http://host/files/setup.zip");
    setNumber(kConfigKey, "ExternalResourceFileVer", 3015);
    expectHandOff("http://host/files/other.zip", handedOff);
    removeValue(kConfigKey, "ExternalResourceFile");
    removeValue(kConfigKey, "ExternalResourceFileVer");
}

} // namespace

int main() {
    const std::wstring dll = TestFiles::besideProgram(L"ie2bl.dll");
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Glenmarch");
    setFullWatchList();
    SetCurrentDirectoryW(TestFiles::besideProgram(L"").c_str());
    if (!CHECK_EQ(0, TestFiles::runAndWait(L"regsvr32 /s \"" + dll + L"\"")))
        return winecheck::finish();
    CoInitialize(nullptr);

    nothingIsCaughtWithoutTheManager();

    StandInManager manager(TestFiles::besideProgram(L"standin-record.txt"));
    HandOffs handedOff{manager, {}};
    if (CHECK(manager.start())) {
        downloadsAreHandedOff(handedOff);
        bodyIsReadOncePerHandOff(handedOff);
        modifierKeysSteerTheDecision(handedOff);
        queuedFileTakesAMirror(handedOff);
        longAddressIsHandedOffWhole(handedOff);
        longQueuedAddressIsKnown(handedOff);
        fullWatchListIsReadToItsLastByte(handedOff);
        translatedTitleIsLookedFor(handedOff);
        manager.stop();

        winecheck::group("the manager got message 1139 and read each address");
        const std::vector<std::string> records = manager.records();
        CHECK_EQ(handedOff.addresses.size(), records.size());
        for (size_t i = 0; i < records.size() && i < handedOff.addresses.size(); ++i)
            CHECK(records[i] == "1139 0 0 " + handedOff.addresses[i]);
    }
    winecheck::group("manager gone again");
    expectBrowserFetches("http://host/files/setup.zip");

    CoUninitialize();
    return winecheck::finish();
}
