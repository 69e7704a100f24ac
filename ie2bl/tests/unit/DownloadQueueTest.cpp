#include "CatcherFixture.h"

namespace ie2bl::test {
namespace {

class DownloadQueueTest : public CatcherFixture {
  protected:
    DownloadQueueTest() {
        registry.setText(paths::kSounds, "Address Added as Alternate", "{ Default Beep }");
    }
};

TEST_F(DownloadQueueTest, emptyQueue_findsNothing) {
    EXPECT_EQ(downloads.AddAsAlternate("http://a/file.zip"), std::nullopt);
    EXPECT_EQ(host.beeps(), 0);
}

TEST_F(DownloadQueueTest, sameAddressQueued_reportsSlotAndWritesNothing) {
    queue(5, "http://a/file.zip");
    const std::size_t before = registry.valueCount();
    EXPECT_EQ(downloads.AddAsAlternate("http://a/file.zip"), 5);
    EXPECT_EQ(registry.valueCount(), before);
    EXPECT_EQ(host.beeps(), 1);
}

TEST_F(DownloadQueueTest, secondAndThirdMirror_extendTheAlternates) {
    queue(3, "http://a/pkg.tar");
    EXPECT_EQ(downloads.AddAsAlternate("ftp://b/PKG.TAR"), 3);
    EXPECT_EQ(queueText("AltURL03:0"), "http://a/pkg.tar");
    EXPECT_EQ(queueText("AltURL03:1"), "ftp://b/PKG.TAR");
    EXPECT_EQ(config.ReadConfigNumber(paths::kFileQueue, "HasAlts03", 0), 1u);

    EXPECT_EQ(downloads.AddAsAlternate("http://c/pkg.tar"), 3);
    EXPECT_EQ(queueText("AltURL03:2"), "http://c/pkg.tar");
    EXPECT_EQ(host.beeps(), 2);
}

TEST_F(DownloadQueueTest, knownAlternate_isNotWrittenAgain) {
    queue(3, "http://a/pkg.tar");
    downloads.AddAsAlternate("ftp://b/pkg.tar");
    EXPECT_EQ(downloads.AddAsAlternate("ftp://b/pkg.tar"), 3);
    EXPECT_FALSE(registry.hasValue(paths::kFileQueue, "AltURL03:2"));
}

TEST_F(DownloadQueueTest, fullAlternateList_reportsSlotWithoutRecording) {
    queue(0, "http://a/f.bin");
    registry.setNumber(paths::kFileQueue, "HasAlts00", 1);
    for (int i = 0; i < DownloadQueue::kAlternates; ++i)
        registry.setText(paths::kFileQueue, "AltURL00:" + std::to_string(i),
                         "http://m" + std::to_string(i) + "/f.bin");
    const std::size_t before = registry.valueCount();
    EXPECT_EQ(downloads.AddAsAlternate("http://new/f.bin"), 0);
    EXPECT_EQ(registry.valueCount(), before);
    EXPECT_EQ(host.beeps(), 1);
}

// Past 1024 bytes: a long queued address is still recognised, and a long alternate recorded
// earlier is kept when the next mirror comes.
TEST_F(DownloadQueueTest, longAddresses_areRecognisedAndKept) {
    const std::string longQueued = "http://a/" + std::string(1100, 'q') + "/pkg.tar";
    const std::string longMirror = "http://b/" + std::string(1100, 'm') + "/pkg.tar";
    queue(6, longQueued);
    EXPECT_EQ(downloads.AddAsAlternate(longQueued), 6);
    EXPECT_FALSE(registry.hasValue(paths::kFileQueue, "AltURL06:0"));

    EXPECT_EQ(downloads.AddAsAlternate(longMirror), 6);
    EXPECT_EQ(downloads.AddAsAlternate("http://c/pkg.tar"), 6);
    EXPECT_EQ(queueText("AltURL06:0"), longQueued);
    EXPECT_EQ(queueText("AltURL06:1"), longMirror);
    EXPECT_EQ(queueText("AltURL06:2"), "http://c/pkg.tar");
}

TEST_F(DownloadQueueTest, slotNumbersAboveNinetyNine_useThreeDigits) {
    queue(100, "http://a/late.arc");
    EXPECT_EQ(downloads.AddAsAlternate("http://b/late.arc"), 100);
    EXPECT_EQ(queueText("AltURL100:1"), "http://b/late.arc");
}

TEST_F(DownloadQueueTest, slot255IsBeyondTheQueue) {
    queue(255, "http://a/late.arc");
    EXPECT_EQ(downloads.AddAsAlternate("http://b/late.arc"), std::nullopt);
    queue(254, "http://a/late.arc");
    EXPECT_EQ(downloads.AddAsAlternate("http://b/late.arc"), 254);
}

TEST_F(DownloadQueueTest, lowestMatchingSlotWins) {
    queue(9, "http://x/same.dat");
    queue(2, "http://y/same.dat");
    EXPECT_EQ(downloads.AddAsAlternate("http://z/same.dat"), 2);
}

TEST_F(DownloadQueueTest, switchedOff_findsNothing) {
    queue(1, "http://a/file.zip");
    setConfigNumber("FMLSameFilename", 0);
    EXPECT_EQ(downloads.AddAsAlternate("http://a/file.zip"), std::nullopt);
}

TEST_F(DownloadQueueTest, wildcardOrQueryAfterFirstCharacter_findsNothing) {
    queue(1, "http://a/file.zip");
    EXPECT_EQ(downloads.AddAsAlternate("http://a/file.zip?x"), std::nullopt);
    EXPECT_EQ(downloads.AddAsAlternate("http://a/*.zip"), std::nullopt);
    EXPECT_EQ(downloads.AddAsAlternate(""), std::nullopt);
}

TEST_F(DownloadQueueTest, failingWrites_stillReportTheSlot) {
    queue(4, "http://a/file.zip");
    registry.setWritesFail(true);
    EXPECT_EQ(downloads.AddAsAlternate("http://b/file.zip"), 4);
    EXPECT_FALSE(registry.hasValue(paths::kFileQueue, "AltURL04:1"));
    EXPECT_EQ(host.beeps(), 1);
}

} // namespace
} // namespace ie2bl::test
