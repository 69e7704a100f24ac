#include "CatcherFixture.h"

namespace ie2bl::test {
namespace {

struct AddressCase {
    const char* address;
    bool download;
};

class DefaultListsCases : public CatcherFixture, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(DefaultListsCases, decideWithAnEmptyRegistry) {
    EXPECT_EQ(filter.IsDownloadAddress(GetParam().address), GetParam().download) << GetParam().address;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, DefaultListsCases,
    ::testing::Values(AddressCase{"http://host/files/Setup.Zip", true},
                      AddressCase{"ftp://host/pub/src.tar.gz", true},
                      AddressCase{"FTP://host/pub/a.exe", false}, // unrecognised: no file name
                      AddressCase{"HTTP://host/a.zip", false}, AddressCase{"http://host/page.htm", false},
                      AddressCase{"http://host/unix.z", true}, AddressCase{"http://host/README", false},
                      AddressCase{"http://host/dir/", false}, AddressCase{"shttp://host/a.zip", false},
                      AddressCase{"https://host/a.zip", false}, AddressCase{"gopher://host/a.zip", false},
                      AddressCase{"http://host/my file.zip", false},
                      AddressCase{"http://host/a.zip\r\n", false},
                      AddressCase{"http://host/a.unknown", false}, AddressCase{"http:/host/a.zip", false},
                      AddressCase{"", false}));

class IsDownloadAddressTest : public CatcherFixture {};

TEST_F(IsDownloadAddressTest, skippedServer_isNotCaught) {
    setConfigText("WatchSkipServers", "mirror.example.com; files.example.org");
    EXPECT_FALSE(filter.IsDownloadAddress("http://files.example.org/a.zip"));
    EXPECT_TRUE(filter.IsDownloadAddress("http://other.example.org/a.zip"));
}

TEST_F(IsDownloadAddressTest, serverContainedInASkippedName_isNotCaught) {
    setConfigText("WatchSkipServers", "www.bigmirror.com");
    EXPECT_FALSE(filter.IsDownloadAddress("http://mirror.com/a.zip"));
    EXPECT_TRUE(filter.IsDownloadAddress("http://www.bigmirror.com.au/a.zip"));
}

TEST_F(IsDownloadAddressTest, skipServerSearch_isCaseSensitive) {
    setConfigText("WatchSkipServers", "FILES.EXAMPLE.ORG");
    EXPECT_TRUE(filter.IsDownloadAddress("http://files.example.org/a.zip"));
}

TEST_F(IsDownloadAddressTest, everyExtensionInWatchList_catchesSkippedTypes) {
    setConfigText("WatchFileTypes", ".*;");
    EXPECT_TRUE(filter.IsDownloadAddress("http://host/page.htm"));
    EXPECT_TRUE(filter.IsDownloadAddress("ftp://host/x.whatever"));
    EXPECT_FALSE(filter.IsDownloadAddress("http://host/noextension"));
}

TEST_F(IsDownloadAddressTest, watchListWinsOverSkipList) {
    setConfigText("WatchFileTypes", ".HTM;");
    EXPECT_TRUE(filter.IsDownloadAddress("http://host/page.htm"));
}

TEST_F(IsDownloadAddressTest, everyExtensionInSkipList_refusesUnlisted) {
    setConfigText("WatchFileSkipTypes", ".*;");
    queue(0, "http://a/thing.xyz");
    EXPECT_FALSE(filter.IsDownloadAddress("http://b/thing.xyz"));
    EXPECT_TRUE(filter.IsDownloadAddress("http://b/thing.zip"));
}

TEST_F(IsDownloadAddressTest, unlistedExtensionMatchingTheQueue_isCaughtAndRecorded) {
    queue(7, "http://a/thing.xyz");
    EXPECT_TRUE(filter.IsDownloadAddress("http://b/thing.xyz"));
    EXPECT_EQ(queueText("AltURL07:1"), "http://b/thing.xyz");
    EXPECT_FALSE(filter.IsDownloadAddress("http://b/other.xyz"));
}

TEST_F(IsDownloadAddressTest, promptOthersOff_refusesUnlisted) {
    setConfigNumber("WatchPromptOthers", 0);
    queue(7, "http://a/thing.xyz");
    EXPECT_FALSE(filter.IsDownloadAddress("http://b/thing.xyz"));
    EXPECT_FALSE(registry.hasValue(paths::kFileQueue, "AltURL07:1"));
}

TEST_F(IsDownloadAddressTest, alternatesSwitchedOff_leaveOnlyTheWatchList) {
    setConfigNumber("FMLSameFilename", 0);
    queue(7, "http://a/thing.xyz");
    EXPECT_FALSE(filter.IsDownloadAddress("http://b/thing.xyz"));
    EXPECT_TRUE(filter.IsDownloadAddress("http://b/thing.zip"));
}

TEST_F(IsDownloadAddressTest, watchListChange_isSeenOnlyAfterReload) {
    EXPECT_TRUE(filter.IsDownloadAddress("http://host/a.zip"));
    setConfigText("WatchFileTypes", ".RAR;");
    EXPECT_TRUE(filter.IsDownloadAddress("http://host/a.zip"));
    EXPECT_FALSE(filter.IsDownloadAddress("http://host/a.rar"));

    ExtensionLists reloaded;
    ClickFilter afterReload(registry, host, reloaded);
    EXPECT_TRUE(afterReload.IsDownloadAddress("http://host/a.rar"));
}

} // namespace
} // namespace ie2bl::test
