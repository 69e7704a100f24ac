#include "catcher/ConfigStore.h"
#include "platform/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

namespace ie2bl {
namespace {

constexpr const char* kKey = "Software\\Test";

class ConfigStoreTest : public ::testing::Test {
  protected:
    MemoryRegistry registry;
    ConfigStore config{registry};
};

TEST_F(ConfigStoreTest, missingNumber_givesDefault) {
    EXPECT_EQ(config.ReadConfigNumber(kKey, "N", 7u), 7u);
}

TEST_F(ConfigStoreTest, storedNumber_roundTrips) {
    config.WriteConfigNumber(kKey, "N", 0xDEADBEEF);
    EXPECT_EQ(config.ReadConfigNumber(kKey, "N", 7u), 0xDEADBEEFu);
}

TEST_F(ConfigStoreTest, numberLongerThanFourBytes_givesDefault) {
    registry.setText(kKey, "N", "12345");
    EXPECT_EQ(config.ReadConfigNumber(kKey, "N", 9u), 9u);
}

TEST_F(ConfigStoreTest, numberIsReadWhateverItsType) {
    registry.setText(kKey, "N", "AB");
    EXPECT_EQ(config.ReadConfigNumber(kKey, "N", 9u), 0x4241u);
}

TEST_F(ConfigStoreTest, missingText_givesDefault) {
    EXPECT_EQ(config.ReadConfigText(kKey, "T", "dflt"), "dflt");
}

TEST_F(ConfigStoreTest, textStopsAtFirstZeroByte) {
    registry.setBytes(kKey, "T", {'a', 'b', 0, 'c'});
    EXPECT_EQ(config.ReadConfigText(kKey, "T", "dflt"), "ab");
}

TEST_F(ConfigStoreTest, textOfExactly1024BytesWithoutTerminator_isReadWhole) {
    registry.setBytes(kKey, "T", std::vector<std::uint8_t>(1024, 'x'));
    EXPECT_EQ(config.ReadConfigText(kKey, "T", "dflt"), std::string(1024, 'x'));
}

// Texts of any length are read whole, the long ones in a second call at the size they report.
TEST_F(ConfigStoreTest, textsOfAnyLength_areReadWhole) {
    for (const std::size_t length : {std::size_t{1025}, std::size_t{4096}, std::size_t{70000}}) {
        registry.setText(kKey, "T", std::string(length - 1, 'x') + "y");
        registry.resetTraffic();
        EXPECT_EQ(config.ReadConfigText(kKey, "T", "dflt"), std::string(length - 1, 'x') + "y") << length;
        EXPECT_EQ(registry.traffic().reads, 2) << length;
    }
}

TEST_F(ConfigStoreTest, writtenText_carriesItsTerminatingZeroAndReadsBackAtAnyLength) {
    const std::string text = std::string(3000, 'a') + "z";
    config.WriteConfigText(kKey, "T", text);
    EXPECT_EQ(registry.bytes(kKey, "T"), text + '\0');
    EXPECT_EQ(config.ReadConfigText(kKey, "T", "dflt"), text);
}

TEST_F(ConfigStoreTest, writingNoText_deletesTheValue) {
    config.WriteConfigText(kKey, "T", std::string("abc"));
    config.WriteConfigText(kKey, "T", std::nullopt);
    EXPECT_FALSE(registry.hasValue(kKey, "T"));
}

TEST_F(ConfigStoreTest, failingWrites_areIgnored) {
    registry.setWritesFail(true);
    config.WriteConfigText(kKey, "T", std::string("abc"));
    config.WriteConfigNumber(kKey, "N", 1);
    EXPECT_EQ(registry.valueCount(), 0u);
}

} // namespace
} // namespace ie2bl
