#include "StartupFixture.h"

#include "forms/formRAS.h"
#include "forms/frmConfig.h"
#include "forms/frmConnectNoDefault.h"
#include "forms/frmStart.h"

namespace quillan {
namespace {

class PhonebookEntries : public StartupFixture {
  protected:
    formRAS& ras() { return forms().get<formRAS>(); }
    ListBox& profiles() { return forms().get<frmConfig>().listProfiles; }
};

TEST_F(PhonebookEntries, firstRun_createsDefaultRecordsAndListsEveryEntry) {
    addEntry("Home");
    addEntry("Work");
    m().firstrun = "true";
    ras().LoadEntries();
    EXPECT_EQ(m().profilecount, 2);
    EXPECT_EQ(profiles().items(), (std::vector<std::string>{"Home", "Work"}));
    EXPECT_EQ(forms().get<frmConnectNoDefault>().listdialchoose.items(), profiles().items());
    ASSERT_EQ(m().profiledata.count(), 30u);
    EXPECT_EQ(m().profiledata.items()[15].first, "Work");
    EXPECT_EQ(m().profiledata.value("WorkDialAN"), "false");
    EXPECT_EQ(m().profiledata.value("WorkAN10"), "0");
    EXPECT_EQ(m().programdata.count(), 20u);
    EXPECT_EQ(m().programdata.value("P5State"), "Nor");
}

TEST_F(PhonebookEntries, secondLoadOnAFirstRun_addsNoLauncherRecordsTwice) {
    m().firstrun = "true";
    ras().LoadEntries();
    m().newprofilepending = "true";
    ras().LoadEntries();
    EXPECT_EQ(m().programdata.count(), 20u);
}

TEST_F(PhonebookEntries, pendingNewProfileWithoutANewEntry_addsNothingAndStaysPending) {
    addEntry("Home");
    m().firstrun = "false";
    ras().LoadEntries();
    m().newprofilepending = "true";
    ras().LoadEntries();
    EXPECT_EQ(profiles().listCount(), 1);
    EXPECT_EQ(m().profilecount, 1);
    EXPECT_EQ(m().newprofilepending, "true");
}

TEST_F(PhonebookEntries, pendingNewProfile_addsOnlyTheLastEntry) {
    addEntry("Home");
    m().firstrun = "false";
    ras().LoadEntries();
    addEntry("New");
    m().newprofilepending = "true";
    ras().LoadEntries();
    EXPECT_EQ(profiles().items(), (std::vector<std::string>{"Home", "New"}));
    EXPECT_EQ(m().newprofilepending, "false");
    EXPECT_EQ(m().profiledata.value("New"), "New");
}

TEST_F(PhonebookEntries, entryWhoseKeysCollideWithAnotherProfile_isRefusedWithAMessage) {
    addEntry("ISP");
    addEntry("ISPDomain");
    addEntry("Other");
    m().firstrun = "true";
    ras().LoadEntries();
    EXPECT_EQ(profiles().items(), (std::vector<std::string>{"ISP", "Other"}));
    EXPECT_EQ(m().profilecount, 2);
    EXPECT_EQ(m().profiledata.count(), 30u);
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("\"ISPDomain\""), std::string::npos);
}

TEST_F(PhonebookEntries, newEntryCollidingWithAStoredProfile_isNotAdded) {
    addEntry("ISP");
    m().firstrun = "true";
    ras().LoadEntries();
    addEntry("ISPPassword");
    m().newprofilepending = "true";
    ras().LoadEntries();
    EXPECT_EQ(profiles().listCount(), 1);
    EXPECT_EQ(m().newprofilepending, "false");
    EXPECT_EQ(m().profiledata.value("ISPPassword"), "");
}

class ConnectionScan : public StartupFixture {
  protected:
    ConnectionScan() {
        addEntry("Home");
        addEntry("Work");
        addEntry("Spare");
        console().startUp();
        harness.boxes.take();
        harness.dialUp.takeCalls();
    }
    formRAS& ras() { return forms().get<formRAS>(); }
    frmStart& console() { return forms().get<frmStart>(); }
};

TEST_F(ConnectionScan, whileDialing_changesNothing) {
    harness.dialUp.online["Home"] = true;
    m().dialing = "true";
    ras().getconnections();
    EXPECT_TRUE(harness.dialUp.takeCalls().empty());
    EXPECT_EQ(m().connected, "false");
}

TEST_F(ConnectionScan, withNoConnectionAnywhere_changesNothing) {
    ras().getconnections();
    EXPECT_EQ(m().connected, "false");
    EXPECT_TRUE(harness.boxes.take().empty());
}

TEST_F(ConnectionScan, twoOutsideConnections_adoptsTheLowestIndex) {
    harness.dialUp.online["Work"] = true;
    harness.dialUp.online["Spare"] = true;
    ras().getconnections();
    EXPECT_EQ(m().currentprofile, "Work");
    EXPECT_EQ(m().connected, "true");
    EXPECT_EQ(m().starttime, harness.clock.now());
    const auto boxes = harness.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Active Connection Detected!");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Information);
    EXPECT_NE(boxes[0].text.find("an active conection called Work."), std::string::npos);
    EXPECT_FALSE(console().cmdConnectDefault.enabled());
    EXPECT_TRUE(console().cmdHangup.enabled());
    EXPECT_FALSE(forms().get<frmConfig>().cmdDial.enabled());
    EXPECT_TRUE(console().timer.enabled());
    EXPECT_EQ(console().listConnectionStatus.items(), std::vector<std::string>{"Connected to Work"});
    EXPECT_EQ(console().listConnectionStatus.listIndex(), 0);
}

TEST_F(ConnectionScan, connectionOfTheCurrentProfile_isNotAdoptedAgain) {
    harness.dialUp.online["Home"] = true;
    ras().getconnections();
    harness.boxes.take();
    harness.clock.advance(60);
    ras().getconnections();
    EXPECT_TRUE(harness.boxes.take().empty());
    EXPECT_EQ(m().starttime, harness.clock.now() - 60);
}

TEST_F(ConnectionScan, droppedLine_isNoticedOnce) {
    harness.dialUp.online["Home"] = true;
    ras().getconnections();
    harness.dialUp.online["Home"] = false;
    m().clock.seconds = 12;
    ras().getconnections();
    EXPECT_EQ(m().connected, "false");
    EXPECT_EQ(m().clock.seconds, 0);
    EXPECT_EQ(m().currentprofile, "Home") << "the scan leaves the rest to the tick";
    m().clock.seconds = 5;
    ras().getconnections();
    EXPECT_EQ(m().clock.seconds, 5) << "a second scan must not act on the same drop";
}

TEST_F(ConnectionScan, lastStatusLineWithDisconnected_stopsTheScan) {
    harness.dialUp.online["Home"] = true;
    console().addStatus("Line Disconnected");
    ras().getconnections();
    EXPECT_EQ(m().connected, "false");
    console().addStatus("Disconnected at the start does not count");
    ras().getconnections();
    EXPECT_EQ(m().connected, "true");
}

} // namespace
} // namespace quillan
