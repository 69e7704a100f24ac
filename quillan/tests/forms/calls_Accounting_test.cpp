#include "calls_Fixture.h"

#include "forms/frmCost.h"

namespace quillan {
namespace {

class AccountingTest : public CallsTest {
  protected:
    void callOf(long secondsUp) {
        console->cmdConnectDefault.userClick();
        connect();
        h.clock.advance(secondsUp);
        console->cmdHangup.userClick();
    }
    void writeLog(const std::string& contents) {
        std::ofstream(dir / "20261.txt", std::ios::binary) << contents;
    }
    void oneDollarPerHour() {
        m().settings.showcost = "true";
        m().settings.costperhour = "true";
        m().settings.costdollars = std::int16_t{1};
        m().settings.costcents = "00";
    }
};

TEST_F(AccountingTest, firstCallOfTheMonth_createsTheLogWithOneLine) {
    callOf(1800);
    EXPECT_EQ(monthLog("20261.txt"), " 1800 \r\n");
}

TEST_F(AccountingTest, twoCalls_appendTheirDurationsInOrderAfterTheEarlierLines) {
    writeLog(" 60 \r\n");
    callOf(125);
    callOf(7);
    EXPECT_EQ(monthLog("20261.txt"), " 60 \r\n 125 \r\n 7 \r\n");
}

TEST_F(AccountingTest, rewrite_leavesNoOtherFileInTheFolder) {
    writeLog(" 60 \r\n");
    callOf(30);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"20261.txt"});
}

TEST_F(AccountingTest, connectCommand_loadsTheMonthsTotal) {
    writeLog(" 60 \r\n 40 \r\n");
    console->cmdConnectDefault.userClick();
    EXPECT_EQ(m().monthlytotal, 100);
}

TEST_F(AccountingTest, duration_isMeasuredOnTheClockNotByTheTickCounters) {
    m().settings.keepalive = "true";
    console->cmdConnectDefault.userClick();
    connect();
    seconds(40);
    ASSERT_EQ(m().clock.text(), "0 : 0 : 42");
    console->cmdHangup.userClick();
    EXPECT_EQ(monthLog("20261.txt"), " 40 \r\n");
}

TEST_F(AccountingTest, oneDollarPerHourForHalfAnHour_showsACostOfHalfADollar) {
    oneDollarPerHour();
    callOf(1800);
    frmCost* cost = h.forms->peek<frmCost>();
    ASSERT_NE(cost, nullptr);
    EXPECT_TRUE(cost->visible());
    EXPECT_EQ(cost->labelCost.caption(), "0.5");
    EXPECT_EQ(cost->labelDisc.caption(), "");
}

TEST_F(AccountingTest, costDisplayOff_showsNoCostWindow) {
    oneDollarPerHour();
    m().settings.showcost = "false";
    callOf(1800);
    EXPECT_EQ(h.forms->peek<frmCost>(), nullptr);
}

TEST_F(AccountingTest, costWindowClosed_startsFromItsDesignedValuesNextTime) {
    auto& cost = h.forms->get<frmCost>();
    cost.labelCost.setCaption("9");
    cost.Command1.userClick();
    EXPECT_EQ(h.forms->peek<frmCost>(), nullptr);
    EXPECT_EQ(h.forms->get<frmCost>().labelCost.caption(), "0.00");
}

TEST_F(AccountingTest, lineDroppedByItself_isRecordedWithTheProfileUnderTheCost) {
    oneDollarPerHour();
    console->cmdConnectDefault.userClick();
    connect();
    h.clock.advance(3600);
    h.dialUp.online["Home"] = false;
    console->timer.tick();
    EXPECT_EQ(monthLog("20261.txt"), " 3600 \r\n");
    frmCost* cost = h.forms->peek<frmCost>();
    ASSERT_NE(cost, nullptr);
    EXPECT_EQ(cost->labelCost.caption(), "1");
    EXPECT_EQ(cost->labelDisc.caption(), "Hanged up on Home");
}

TEST_F(AccountingTest, adoptingAnotherEntryDuringTheCall_recordsTheFirstCallFirst) {
    addProfile("Office", "bob", "pw", "", "5550200");
    console->cmdConnectDefault.userClick();
    connect();
    h.clock.advance(300);
    h.dialUp.online["Office"] = true;
    console->timer.tick();
    EXPECT_EQ(m().currentprofile, "Office");
    EXPECT_EQ(monthLog("20261.txt"), " 300 \r\n");
    EXPECT_EQ(m().monthlytotal, 300);
    h.clock.advance(20);
    console->cmdHangup.userClick();
    EXPECT_EQ(monthLog("20261.txt"), " 300 \r\n 20 \r\n");
}

TEST_F(AccountingTest, hangUpOfAnAdoptedConnection_isRecordedLikeTheProgramsOwn) {
    h.dialUp.online["Home"] = true;
    console->Command2.userClick();
    ASSERT_EQ(m().connected, "true");
    h.clock.advance(45);
    console->cmdHangup.userClick();
    EXPECT_EQ(monthLog("20261.txt"), " 45 \r\n");
}

TEST_F(AccountingTest, logThatCannotBeWritten_isReportedAndTheHangUpCompletes) {
    std::filesystem::create_directory(dir / "20261.txt");
    console->cmdConnectDefault.userClick();
    h.boxes.take();
    connect();
    h.clock.advance(10);
    console->cmdHangup.userClick();
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillan");
    EXPECT_NE(boxes[0].text.find("20261.txt"), std::string::npos);
    EXPECT_EQ(m().connected, "false");
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Hang up on Home"});
}

} // namespace
} // namespace quillan
