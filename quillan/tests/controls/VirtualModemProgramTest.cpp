#include "TempFolder.h"
#include "controls/LinuxDialUp.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

using namespace quillan;
using quillan::test::TempFolder;

namespace {

// The dialer starting the quillan-vmodem program of this build for entries whose device is "virtual".
class VirtualModemProgramTest : public ::testing::Test {
  protected:
    VirtualModemProgramTest() { options.virtualModemProgram = QUILLAN_TEST_VMODEM; }

    void makeDialer(const std::string& phonebook, const std::string& script) {
        options.phonebook = folder.write("phonebook.ini", phonebook);
        folder.write("vmodem.script", script);
        options.pppdRunFolder = folder.path();
        options.timeouts.lineRestMs = 20;
        dialer = std::make_unique<LinuxDialUp>(loop, options);
        dialer->Progress = [this](std::int16_t state) { seen.emplace_back(state, dialer->StatusText()); };
    }
    bool dial(const std::string& entry) {
        seen.clear();
        dialer->setEntryName(entry);
        dialer->LoadEntry();
        dialer->Dial();
        return loop.runUntil([this] { return !seen.empty() && seen.back().first >= kStateConnected; }, 10000);
    }

    TempFolder folder;
    PollEventLoop loop;
    LinuxDialUpOptions options;
    std::unique_ptr<LinuxDialUp> dialer;
    std::vector<std::pair<std::int16_t, std::string>> seen;
};

} // namespace

TEST_F(VirtualModemProgramTest, theScriptBesideThePhonebookLastsAcrossDials) {
    makeDialer("[Demo]\nPhoneNumber=5550100\nDevice=virtual\n",
               "delay dial 0\n5550100 = BUSY, CONNECT 28800\n");
    ASSERT_TRUE(dial("Demo"));
    EXPECT_EQ(seen.back().second, "Disconnected: the line is busy");
    dialer->HangUp();
    ASSERT_TRUE(dial("Demo"));
    EXPECT_EQ(seen.back().first, kStateConnected);
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(seen[3].second, "Modem connected at 28800 bps");
    EXPECT_TRUE(seen[0].second.starts_with("Opening port /dev/pts/")) << seen[0].second;
}

TEST_F(VirtualModemProgramTest, aScriptGivenInTheOptionsWins) {
    options.virtualModemScript = folder.write("other.script", "delay dial 0\n5550100 = NO DIALTONE\n");
    makeDialer("[Demo]\nPhoneNumber=5550100\nDevice=virtual\n", "delay dial 0\n");
    ASSERT_TRUE(dial("Demo"));
    EXPECT_EQ(seen.back().second, "Disconnected: no dial tone");
}

TEST_F(VirtualModemProgramTest, aModemProgramThatCannotStartEndsTheDialWithTheReason) {
    options.virtualModemProgram = folder.path() / "missing-vmodem";
    makeDialer("[Demo]\nPhoneNumber=1\nDevice=virtual\n", "");
    ASSERT_TRUE(dial("Demo"));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, kStateDisconnected);
    EXPECT_TRUE(seen[0].second.starts_with("Disconnected: the virtual modem could not be started: "))
        << seen[0].second;
}

TEST_F(VirtualModemProgramTest, aBrokenScriptIsReportedAsTheModemNotStarting) {
    makeDialer("[Demo]\nPhoneNumber=1\nDevice=virtual\n", "delay dial soon\n");
    ASSERT_TRUE(dial("Demo"));
    EXPECT_EQ(seen.back().first, kStateDisconnected);
    EXPECT_NE(seen.back().second.find("could not be started"), std::string::npos) << seen.back().second;
}
