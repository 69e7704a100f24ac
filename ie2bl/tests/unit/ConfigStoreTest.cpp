#include "module/ConfigStore.h"
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

TEST_F(ConfigStoreTest, textOf1025Bytes_givesDefault) {
    registry.setText(kKey, "T", std::string(1025, 'x'));
    EXPECT_EQ(config.ReadConfigText(kKey, "T", "dflt"), "dflt");
}

TEST_F(ConfigStoreTest, writtenTextHasNoTerminatingZero) {
    config.WriteConfigText(kKey, "T", std::string("abc"));
    EXPECT_EQ(registry.queryValue(kKey, "T", 100)->size(), 3u);
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
