#include "calls_Fixture.h"

#include "forms/frmCost.h"
#include "forms/frmReminder.h"

namespace quillan {
namespace {

class HangUpAndExitTest : public CallsTest {
  protected:
    void connectedCall() {
        console->cmdConnectDefault.userClick();
        connect();
        forget();
    }
    // What the user can see and what the next command depends on.
    std::vector<std::string> idleState() {
        return {m().currentprofile,
                m().connected,
                m().dialing,
                m().clock.text(),
                std::to_string(console->timer.enabled()),
                std::to_string(ras->timerredial.enabled()),
                std::to_string(console->cmdHangup.enabled()),
                std::to_string(console->mPopHangup.enabled()),
                std::to_string(console->cmdConnectDefault.enabled()),
                std::to_string(configDial().enabled())};
    }
};

TEST_F(HangUpAndExitTest, hangUp_freesTheLineAndReturnsToIdle) {
    connectedCall();
    seconds(5);
    forget();
    console->cmdHangup.userClick();
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{"HangUp"});
    EXPECT_EQ(m().userhangup, "true");
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Hang up on Home"});
    EXPECT_EQ(idleState(),
              (std::vector<std::string>{"", "false", "false", "0 : 0 : 0", "0", "0", "0", "0", "1", "1"}));
    EXPECT_EQ(h.effects.take().back(), "tray modify \"Quillan\"");
}

TEST_F(HangUpAndExitTest, trayMenuAndButton_leaveTheSameState) {
    connectedCall();
    console->cmdHangup.userClick();
    const auto byButton = idleState();
    const auto buttonLines = statusLines();
    connectedCall();
    console->mPopHangup.userClick();
    EXPECT_EQ(idleState(), byButton);
    EXPECT_EQ(statusLines(), buttonLines);
}

TEST_F(HangUpAndExitTest, hangUpWhileDialing_writesNoLog) {
    console->cmdConnectDefault.userClick();
    console->cmdHangup.userClick();
    EXPECT_FALSE(std::filesystem::exists(dir / "20261.txt"));
}

TEST_F(HangUpAndExitTest, secondHangUp_writesNoSecondLine) {
    connectedCall();
    h.clock.advance(60);
    console->cmdHangup.userClick();
    const std::string once = monthLog("20261.txt");
    console->cmdHangup.userClick();
    EXPECT_EQ(monthLog("20261.txt"), once);
    EXPECT_FALSE(once.empty());
}

TEST_F(HangUpAndExitTest, reminderHangUp_endsTheCallAndHidesTheReminder) {
    connectedCall();
    auto& reminder = h.forms->get<frmReminder>();
    reminder.show();
    h.clock.advance(90);
    reminder.cmdReminderHangup.userClick();
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{"HangUp"});
    EXPECT_FALSE(reminder.visible());
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Hang up on Home"});
    EXPECT_EQ(m().connected, "false");
    EXPECT_FALSE(console->cmdHangup.enabled());
    EXPECT_FALSE(console->timer.enabled());
    EXPECT_FALSE(monthLog("20261.txt").empty());
}

TEST_F(HangUpAndExitTest, exitWhileIdle_asksNothingAndUnloadsEveryWindow) {
    h.forms->get<frmReminder>().show();
    console->cmdExit.userClick();
    EXPECT_TRUE(h.boxes.take().empty());
    EXPECT_EQ(m().exiting, "true");
    EXPECT_EQ(loaded("frmStart"), nullptr);
    EXPECT_EQ(loaded("frmReminder"), nullptr);
    EXPECT_EQ(loaded("formRAS"), nullptr);
    EXPECT_EQ(h.effects.lines().back(), "unload frmStart");
}

TEST_F(HangUpAndExitTest, exitWithACallUp_asksWhetherToHangUp) {
    connectedCall();
    h.boxes.queueAnswer(MsgAnswer::Cancel);
    console->cmdExit.userClick();
    const auto boxes = h.boxes.take();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        boxes[0].text,
        "Quillan has detected that a connection is still active. Do you wish to terminate this connection?");
    EXPECT_EQ(boxes[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(boxes[0].title, "Exiting Quillan");
}

TEST_F(HangUpAndExitTest, exitAnsweredCancel_changesNothing) {
    connectedCall();
    h.boxes.queueAnswer(MsgAnswer::Cancel);
    console->cmdExit.userClick();
    EXPECT_EQ(m().exiting, "false");
    EXPECT_EQ(m().connected, "true");
    EXPECT_TRUE(console->loaded());
    EXPECT_TRUE(console->timer.enabled());
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

TEST_F(HangUpAndExitTest, exitAnsweredNo_endsTheProgramLeavingTheCallUpUnrecorded) {
    connectedCall();
    h.clock.advance(100);
    h.boxes.queueAnswer(MsgAnswer::No);
    console->mPopExit.userClick();
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
    EXPECT_EQ(loaded("frmStart"), nullptr);
    EXPECT_EQ(m().exiting, "true");
    EXPECT_FALSE(std::filesystem::exists(dir / "20261.txt"));
}

TEST_F(HangUpAndExitTest, exitAnsweredYes_hangsUpRecordsTheCallAndEnds) {
    connectedCall();
    h.clock.advance(100);
    h.boxes.queueAnswer(MsgAnswer::Yes);
    console->cmdExit.userClick();
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{"HangUp"});
    EXPECT_EQ(m().connected, "false");
    EXPECT_EQ(m().currentprofile, "");
    EXPECT_EQ(loaded("frmStart"), nullptr);
    EXPECT_FALSE(monthLog("20261.txt").empty());
}

TEST_F(HangUpAndExitTest, endedFromOutside_endsTheCallAsExitYesDoesWithoutAsking) {
    connectedCall();
    h.clock.advance(100);
    calls().endSession();
    EXPECT_TRUE(h.boxes.take().empty());
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{"HangUp"});
    EXPECT_EQ(monthLog("20261.txt"), " 100 \r\n");
    EXPECT_EQ(m().connected, "false");
    EXPECT_EQ(m().exiting, "true");
    EXPECT_EQ(loaded("frmStart"), nullptr);
}

TEST_F(HangUpAndExitTest, endedFromOutsideWhileDialing_stopsTheDialAndRecordsNothing) {
    console->cmdConnectDefault.userClick();
    forget();
    calls().endSession();
    EXPECT_EQ(h.dialUp.takeCalls(), std::vector<std::string>{"HangUp"});
    EXPECT_FALSE(std::filesystem::exists(dir / "20261.txt"));
    EXPECT_EQ(loaded("frmStart"), nullptr);
}

TEST_F(HangUpAndExitTest, closeBox_goesThroughTheExitQuestion) {
    connectedCall();
    h.boxes.queueAnswer(MsgAnswer::Cancel);
    console->userClose();
    EXPECT_EQ(h.boxes.take().size(), 1u);
    EXPECT_TRUE(console->loaded());
}

TEST_F(HangUpAndExitTest, afterTheEnd_dialReportsReachNoWindow) {
    console->cmdExit.userClick();
    EXPECT_FALSE(h.dialUp.Progress);
}

TEST_F(HangUpAndExitTest, reminderIgnore_onlyHidesTheReminder) {
    connectedCall();
    auto& reminder = h.forms->get<frmReminder>();
    reminder.show();
    reminder.cmdReminderClose.userClick();
    EXPECT_FALSE(reminder.visible());
    EXPECT_EQ(m().connected, "true");
    EXPECT_TRUE(h.dialUp.takeCalls().empty());
}

} // namespace
} // namespace quillan
