#include "CatcherFixture.h"

#include <thread>
#include <vector>

namespace ie2bl::test {
namespace {

class ExtensionListsTest : public CatcherFixture {};

TEST_F(ExtensionListsTest, defaultsHaveTheirStoredLengths) {
    EXPECT_EQ(ExtensionLists::kWatchDefault.size(), 75u);
    EXPECT_EQ(ExtensionLists::kSkipDefault.size(), 205u);
}

TEST_F(ExtensionListsTest, emptyRegistry_givesDefaults) {
    const auto got = lists.get(config);
    EXPECT_EQ(got.watch, ExtensionLists::kWatchDefault);
    EXPECT_EQ(got.skip, ExtensionLists::kSkipDefault);
}

TEST_F(ExtensionListsTest, storedLists_areUpperCased) {
    setConfigText("WatchFileTypes", ".rar;");
    setConfigText("WatchFileSkipTypes", ".php;");
    const auto got = lists.get(config);
    EXPECT_EQ(got.watch, ".RAR;");
    EXPECT_EQ(got.skip, ".PHP;");
}

TEST_F(ExtensionListsTest, laterRegistryChange_isNotSeen) {
    setConfigText("WatchFileTypes", ".rar;");
    lists.get(config);
    setConfigText("WatchFileTypes", ".ace;");
    EXPECT_EQ(lists.get(config).watch, ".RAR;");
}

TEST_F(ExtensionListsTest, storedEmptyValue_isReadAgain) {
    setConfigText("WatchFileTypes", "");
    EXPECT_EQ(lists.get(config).watch, "");
    setConfigText("WatchFileTypes", ".ace;");
    EXPECT_EQ(lists.get(config).watch, ".ACE;");
}

TEST_F(ExtensionListsTest, concurrentFirstUse_fillsOneConsistentList) {
    setConfigText("WatchFileTypes", ".rar;");
    std::vector<std::string> seen(8);
    std::vector<std::thread> threads;
    for (auto& slot : seen)
        threads.emplace_back([&, out = &slot] {
            ConfigStore own(registry);
            *out = lists.get(own).watch;
        });
    for (auto& thread : threads)
        thread.join();
    for (const auto& watch : seen)
        EXPECT_EQ(watch, ".RAR;");
}

} // namespace
} // namespace ie2bl::test
