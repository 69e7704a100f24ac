#include "CatcherFixture.h"

namespace ie2bl::test {
namespace {

constexpr const char* kResourceFile = "C:\\Brisklet\\german.dll";

class CatcherStringsTest : public CatcherFixture {
  protected:
    void useResourceFile(std::uint32_t version) {
        setConfigText("ExternalResourceFile", kResourceFile);
        setConfigNumber("ExternalResourceFileVer", version);
        host.setLibraryString(kResourceFile, IDS_MONITOR_TITLE, " Brisklet Monitor (de)");
    }
};

TEST_F(CatcherStringsTest, noResourceFile_usesOwnTable) {
    EXPECT_EQ(strings.LoadCatcherString(IDS_MONITOR_TITLE), " Brisklet Monitor");
    EXPECT_EQ(strings.LoadCatcherString(IDS_DEFAULT_BEEP), "{ Default Beep }");
}

TEST_F(CatcherStringsTest, knownVersions_useTheResourceFile) {
    for (std::uint32_t version : {3010u, 3020u}) {
        useResourceFile(version);
        EXPECT_EQ(strings.LoadCatcherString(IDS_MONITOR_TITLE), " Brisklet Monitor (de)") << version;
    }
}

TEST_F(CatcherStringsTest, otherVersion_ignoresTheResourceFile) {
    for (std::uint32_t version : {0u, 3015u, 3021u}) {
        useResourceFile(version);
        EXPECT_EQ(strings.LoadCatcherString(IDS_MONITOR_TITLE), " Brisklet Monitor") << version;
    }
}

TEST_F(CatcherStringsTest, stringMissingFromResourceFile_isEmpty) {
    useResourceFile(3020);
    EXPECT_EQ(strings.LoadCatcherString(IDS_DEFAULT_BEEP), "");
}

TEST_F(CatcherStringsTest, resourceFileThatDoesNotLoad_fallsBackToOwnTable) {
    setConfigText("ExternalResourceFile", "C:\\missing.dll");
    setConfigNumber("ExternalResourceFileVer", 3010);
    EXPECT_EQ(strings.LoadCatcherString(IDS_MONITOR_TITLE), " Brisklet Monitor");
}

TEST_F(CatcherStringsTest, longResourceText_isCutTo255Characters) {
    useResourceFile(3010);
    host.setLibraryString(kResourceFile, IDS_ALTERNATE_SOUND_EVENT, std::string(300, 'a'));
    EXPECT_EQ(strings.LoadCatcherString(IDS_ALTERNATE_SOUND_EVENT), std::string(255, 'a'));
}

} // namespace
} // namespace ie2bl::test
