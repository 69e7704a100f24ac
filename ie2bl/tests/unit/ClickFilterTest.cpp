#include "CatcherFixture.h"

namespace ie2bl::test {
namespace {

// Start takes the browser's UTF-16 text.
std::u16string wide(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

class ClickFilterTest : public CatcherFixture {
  protected:
    ClickFilterTest() { host.openWindow(kMonitorTitle, kMonitorWindow); }

    StartDecision start(const std::string& address) { return filter.Start(wide(address).c_str(), true); }

    void expectHandedOff(const std::string& address) {
        EXPECT_EQ(start(address), StartDecision::HandedOff) << address;
        EXPECT_EQ(queueText("FromNetscape"), address);
        ASSERT_FALSE(host.posted().empty());
        EXPECT_EQ(host.posted().back().window, kMonitorWindow);
        EXPECT_EQ(host.posted().back().message, 1139u);
    }

    void expectDefault(const std::string& address) {
        EXPECT_EQ(start(address), StartDecision::UseDefault) << address;
        EXPECT_TRUE(host.posted().empty());
        EXPECT_FALSE(registry.hasValue(paths::kFileQueue, "FromNetscape"));
    }
};

TEST_F(ClickFilterTest, watchedDownload_isHandedOff) {
    expectHandedOff("http://host/files/setup.exe");
}

TEST_F(ClickFilterTest, ordinaryPage_goesToTheBrowser) {
    expectDefault("http://host/index.html");
}

TEST_F(ClickFilterTest, missingAddressOrSink_goesToTheBrowser) {
    EXPECT_EQ(filter.Start(nullptr, true), StartDecision::UseDefault);
    EXPECT_EQ(filter.Start(wide("http://host/a.zip").c_str(), false), StartDecision::UseDefault);
    EXPECT_TRUE(host.posted().empty());
}

TEST_F(ClickFilterTest, managerNotRunning_goesToTheBrowserAndWritesNothing) {
    host.closeWindow(kMonitorTitle);
    expectDefault("http://host/a.zip");
}

TEST_F(ClickFilterTest, monitorIsFoundByTheTranslatedTitle) {
    setConfigText("ExternalResourceFile", "de.dll");
    setConfigNumber("ExternalResourceFileVer", 3010);
    host.setLibraryString("de.dll", IDS_MONITOR_TITLE, " Brisklet Monitor (de)");
    expectDefault("http://host/a.zip");
    host.openWindow(" Brisklet Monitor (de)", 77);
    EXPECT_EQ(start("http://host/a.zip"), StartDecision::HandedOff);
    EXPECT_EQ(host.posted().back().window, 77u);
}

TEST_F(ClickFilterTest, shiftHeld_catchesNothing_evenWithCtrlAlt) {
    host.holdKey(ModifierKey::Shift);
    host.holdKey(ModifierKey::Control);
    host.holdKey(ModifierKey::Alt);
    expectDefault("http://host/a.zip");
    EXPECT_EQ(host.windowLookups(), 0);
}

TEST_F(ClickFilterTest, ctrlAltHeld_handsOffWhatTheFilterWouldRefuse) {
    host.holdKey(ModifierKey::Control);
    host.holdKey(ModifierKey::Alt);
    expectHandedOff("http://host/search?q=zip");
    expectHandedOff("https://host/page.htm");
}

TEST_F(ClickFilterTest, ctrlAloneOrAltAlone_doesNotForce) {
    host.holdKey(ModifierKey::Control);
    expectDefault("http://host/search?q=zip");
    RecordingHost altOnly;
    altOnly.setOwnString(IDS_MONITOR_TITLE, kMonitorTitle);
    altOnly.openWindow(kMonitorTitle, kMonitorWindow);
    altOnly.holdKey(ModifierKey::Alt);
    ClickFilter altFilter(registry, altOnly, lists);
    EXPECT_EQ(altFilter.Start(wide("http://host/search?q=zip").c_str(), true), StartDecision::UseDefault);
}

TEST_F(ClickFilterTest, ctrlAltWithMonitoringOff_catchesNothing) {
    host.holdKey(ModifierKey::Control);
    host.holdKey(ModifierKey::Alt);
    setConfigNumber("MonitoringEnabled", 0);
    expectDefault("http://host/search?q=zip");
}

TEST_F(ClickFilterTest, browserWatchOff_catchesNothing) {
    setConfigNumber("WatchBrowser2", 0);
    expectDefault("http://host/a.zip");
}

TEST_F(ClickFilterTest, wildcardQueryFragmentOrCgi_goToTheBrowser) {
    for (const char* address : {"http://host/a*.zip", "http://host/a.zip?x=1", "http://host/a.zip#top",
                                "http://host/cgi-bin/get.zip"})
        expectDefault(address);
}

TEST_F(ClickFilterTest, cgiTestIsCaseSensitive) {
    expectHandedOff("http://host/CGI-BIN/get.zip");
}

TEST_F(ClickFilterTest, upperCaseScheme_passesSchemeTestButHasNoFileName) {
    expectDefault("HTTP://host/a.zip");
}

TEST_F(ClickFilterTest, addressIsHandedOffInTheSystemCodePage) {
    const std::u16string address = u"http://host/caf\u00e9.zip";
    EXPECT_EQ(filter.Start(address.c_str(), true), StartDecision::HandedOff);
    EXPECT_EQ(queueText("FromNetscape"), "http://host/caf\xe9.zip");
}

TEST_F(ClickFilterTest, charactersOutsideTheCodePage_becomeQueryMarksAndAreRefused) {
    const std::u16string address = u"http://host/\u65e5\u672c.zip";
    EXPECT_EQ(filter.Start(address.c_str(), true), StartDecision::UseDefault);
    EXPECT_TRUE(host.posted().empty());
}

TEST_F(ClickFilterTest, veryLongAddress_isHandedOffWhole) {
    const std::string address = "http://host/" + std::string(100000, 'd') + "/a.zip";
    EXPECT_EQ(start(address), StartDecision::HandedOff);
    EXPECT_EQ(registry.bytes(paths::kFileQueue, "FromNetscape"), address + '\0');
}

// What one Start costs the registry once the extension lists are cached: each key opened once,
// for writing only when something is written, every value read once, nothing left open.
TEST_F(ClickFilterTest, eachStart_opensEachKeyOnceAndReadsEachValueOnce) {
    setConfigNumber("MonitoringEnabled", 1);
    for (int slot = 0; slot < DownloadQueue::kSlots; ++slot)
        queue(slot, "http://mirror/pub/file" + std::to_string(slot) + ".dat");
    struct Case {
        const char* address;
        StartDecision decision;
        int queryOpens, writeOpens, reads, writes;
    };
    const Case cases[] = {
        // Resource file and version, WatchBrowser2, MonitoringEnabled, WatchSkipServers.
        {"http://host/docs/intro.html", StartDecision::UseDefault, 1, 0, 5, 0},
        // The same, then FromNetscape and the resource file and version once more.
        {"http://host/files/setup.zip", StartDecision::HandedOff, 1, 1, 7, 1},
        // The same five, WatchPromptOthers, FMLSameFilename and the 255 slots of the queue key.
        {"http://host/files/archive.xyz", StartDecision::UseDefault, 2, 0, 262, 0},
    };
    start("http://host/warm.zip");
    for (const Case& c : cases) {
        registry.resetTraffic();
        EXPECT_EQ(start(c.address), c.decision) << c.address;
        const MemoryRegistry::Traffic traffic = registry.traffic();
        EXPECT_EQ(traffic.queryOpens, c.queryOpens) << c.address;
        EXPECT_EQ(traffic.writeOpens, c.writeOpens) << c.address;
        EXPECT_EQ(traffic.reads, c.reads) << c.address;
        EXPECT_EQ(traffic.writes, c.writes) << c.address;
        EXPECT_EQ(traffic.stillOpen, 0) << c.address;
    }
}

TEST_F(ClickFilterTest, monitorGoneBeforeHandOff_goesToTheBrowserButKeepsTheAddress) {
    host.closeWindowAfterLookup(kMonitorTitle);
    EXPECT_EQ(start("http://host/a.zip"), StartDecision::UseDefault);
    EXPECT_EQ(queueText("FromNetscape"), "http://host/a.zip");
    EXPECT_TRUE(host.posted().empty());
}

TEST_F(ClickFilterTest, failingRegistryWrite_stillPostsTheMessage) {
    registry.setWritesFail(true);
    EXPECT_EQ(start("http://host/a.zip"), StartDecision::HandedOff);
    EXPECT_EQ(host.posted().size(), 1u);
}

} // namespace
} // namespace ie2bl::test
