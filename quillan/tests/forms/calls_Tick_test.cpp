#include "calls_Fixture.h"

#include "forms/ConnectionTick.h"
#include "forms/LimitWarnings.h"
#include "forms/frmReminder.h"
#include "forms/frmTimerConsole.h"
#include "forms/frmWarn.h"
#include "modules/Money.h"

namespace quillan {
namespace {

class TickTest : public CallsTest {
  protected:
    TickTest() {
        console->cmdConnectDefault.userClick();
        connect();
        forget();
    }
    void at(int hours, int minutes, int secs) {
        m().clock.hours = static_cast<std::int16_t>(hours);
        m().clock.minutes = minutes;
        m().clock.seconds = secs;
    }
    // The warning shown by the last tick, or "" when none was shown.
    std::string warning() {
        frmWarn* window = h.forms->peek<frmWarn>();
        if (!window || !window->visible())
            return "";
        std::string text = window->labelWarn.caption();
        window->unload();
        return text;
    }
    std::vector<std::string> remindersOver(int totalSeconds) {
        std::vector<std::string> times;
        auto& reminder = h.forms->get<frmReminder>();
        for (int i = 0; i < totalSeconds; ++i) {
            seconds(1);
            if (reminder.visible()) {
                times.push_back(reminder.textReminderTime.text());
                reminder.hide();
            }
        }
        return times;
    }
};

TEST_F(TickTest, eachSecond_advancesTheClockOnTheConsoleAndTheTimerWindow) {
    seconds(65);
    EXPECT_EQ(console->labelTime.caption(), "0 : 1 : 5");
    EXPECT_EQ(h.forms->get<frmTimerConsole>().textTimerValue.text(), "0 : 1 : 5");
}

TEST_F(TickTest, clock_carriesMinutesIntoHours) {
    at(0, 59, 59);
    seconds(1);
    EXPECT_EQ(console->labelTime.caption(), "1 : 0 : 0");
}

TEST_F(TickTest, minimisedTimerWindow_followsTheClockInItsCaption) {
    auto& timerWindow = h.forms->get<frmTimerConsole>();
    timerWindow.setWindowState(WindowState::Minimized);
    seconds(2);
    EXPECT_EQ(timerWindow.caption(), "0 : 0 : 2");
    timerWindow.setWindowState(WindowState::Normal);
    seconds(1);
    EXPECT_EQ(timerWindow.caption(), "0 : 0 : 2");
}

TEST_F(TickTest, keepAlive_skipsTwoSecondsAfterTheThirtieth) {
    m().settings.keepalive = "true";
    at(0, 0, 28);
    std::vector<std::string> shown;
    for (int i = 0; i < 4; ++i) {
        seconds(1);
        shown.push_back(console->labelTime.caption());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"0 : 0 : 29", "0 : 0 : 30", "0 : 0 : 33", "0 : 0 : 34"}));
}

TEST_F(TickTest, keepAlive_eachBurstRunsTheWinsockStepsOnceAndKeepsTheLastGoodAddress) {
    auto burst = [](const std::string& host, const std::string& address) {
        std::vector<std::string> steps{"WSAStartup", "gethostbyname \"" + host + "\"", "IcmpCreateFile"};
        for (int i = 0; i < 5; ++i)
            steps.push_back("IcmpSendEcho " + address + " \"abcdefghijklmnopqrstuvwabcdefghi\" 255 2700");
        steps.insert(steps.end(), {"IcmpCloseHandle", "WSACleanup"});
        return steps;
    };
    seconds(60);
    EXPECT_TRUE(h.echo.steps.empty()) << "keep-alive is off";

    m().settings.keepalive = "true";
    const std::string host = h.net.echoHost;
    // Not found before the first success: address 0; then found; then not found again: the last one kept.
    const std::vector<std::pair<std::uint32_t, std::string>> lookups{
        {0, "0"}, {0x0100007f, "16777343"}, {0, "16777343"}};
    for (const auto& [found, used] : lookups) {
        h.echo.address = found;
        h.echo.steps.clear();
        seconds(60);
        EXPECT_EQ(h.echo.steps, burst(host, used));
    }
    EXPECT_EQ(h.effects.take(), std::vector<std::string>(3, "echo \"" + host + "\" 5"));
}

TEST_F(TickTest, trayMode_showsTheElapsedTimeInTheTrayTip) {
    m().settings.traymode = "true";
    seconds(3);
    EXPECT_EQ(h.effects.take().back(), "tray modify \"Elapsed Time - 0 : 0 : 3\"");
    EXPECT_EQ(console->trayTip(), "Elapsed Time - 0 : 0 : 3");
}

TEST_F(TickTest, reminderEvery25Minutes_firesOnThe25thAnd50thMinuteOfEachHour) {
    m().settings.reminderon = "true";
    m().settings.reminderinterval = 25;
    m().settings.reminderinminutes = "true";
    m().settings.reminderinhours = "false";
    EXPECT_EQ(remindersOver(2 * 3600),
              (std::vector<std::string>{"0 : 25 : 0", "0 : 50 : 0", "1 : 25 : 0", "1 : 50 : 0"}));
}

TEST_F(TickTest, reminderEveryTwoHours_firesOnEvenHours) {
    m().settings.reminderon = "true";
    m().settings.reminderinterval = 2;
    at(1, 59, 59);
    EXPECT_EQ(remindersOver(2 * 3600 + 1), (std::vector<std::string>{"2 : 0 : 0", "4 : 0 : 0"}));
}

TEST(ReminderDue, intervalOfZeroOrSixtyMinutes_neverFalls) {
    for (int minute = 0; minute < 60; ++minute) {
        EXPECT_FALSE(ConnectionTick::due({0, minute, 1}, 0, true, true));
        EXPECT_FALSE(ConnectionTick::due({0, minute, 1}, 60, true, false));
    }
}

TEST_F(TickTest, timeLimitOfOneHour_warnsOnlyAfterItIsPassed) {
    m().settings.warntimepc = "true";
    m().settings.warntimepchours = std::int16_t{1};
    m().settings.warntimepcminutes = 0;
    at(0, 59, 59);
    seconds(1);
    EXPECT_EQ(warning(), "");
    seconds(1);
    EXPECT_EQ(warning(), "Connection time exceeded the time limit of 1 hours and 0 minutes!");
    seconds(5);
    EXPECT_EQ(warning(), "");
}

TEST_F(TickTest, monthlyTimeLimit_countsTheEarlierCallsOfTheMonth) {
    m().monthlytotal = 3000;
    m().settings.warntimepm = "true";
    m().settings.warntimepmhours = std::string("1");
    m().settings.warntimepmminutes = 0;
    at(0, 10, 0);
    seconds(1);
    EXPECT_EQ(warning(), "Connection time exceeded the monthly time limite of 1 hours and 0 minutes!");
}

TEST_F(TickTest, timeLimitWithHoursThatAreNotANumber_isNotChecked) {
    m().settings.warntimepc = "true";
    m().settings.warntimepchours = std::string("one");
    seconds(2);
    EXPECT_EQ(warning(), "");
    EXPECT_EQ(m().warnedtimepc, "false");
}

TEST(TickRate, oneDollarPerHour_isThreeTenThousandthsPerSecond) {
    const Money rate = *parseRate(std::int16_t{1}, "00");
    const Money perSecond = LimitWarnings::ratePerSecond("true", "false", rate);
    EXPECT_EQ(perSecond.text(), "0.0003");
    EXPECT_EQ(perSecond.times(3600)->text(), "1.08");
    EXPECT_EQ(LimitWarnings::ratePerSecond("false", "false", rate).units(), 0);
}

TEST(TickRate, halfwayRate_roundsToEven) {
    // 1.8 / 3600 is exactly 0.0005; 1.62 / 3600 is 0.00045 and 1.98 / 3600 is 0.00055, both halfway.
    EXPECT_EQ(LimitWarnings::ratePerSecond("true", "false", *Money::parse("1.8")).text(), "0.0005");
    EXPECT_EQ(LimitWarnings::ratePerSecond("true", "false", *Money::parse("1.62")).text(), "0.0004");
    EXPECT_EQ(LimitWarnings::ratePerSecond("true", "false", *Money::parse("1.98")).text(), "0.0006");
}

TEST_F(TickTest, costLimitPerConnection_warnsWhenTheCostPassesIt) {
    m().settings.costperhour = "true";
    m().settings.costdollars = std::int16_t{1};
    m().settings.costcents = "00";
    m().settings.warncostpc = "true";
    m().settings.warncostpcdollars = std::int16_t{1};
    m().settings.warncostpccents = 7;
    at(0, 59, 59);
    seconds(1);
    EXPECT_EQ(warning(), "Connection cost exceeded the limit of $ 1.07.");
}

TEST_F(TickTest, costLimitWithoutARateUnit_neverWarns) {
    m().settings.costdollars = std::int16_t{5};
    m().settings.warncostpc = "true";
    m().settings.warncostpm = "true";
    m().monthlytotal = 100000;
    at(10, 0, 0);
    seconds(3);
    EXPECT_EQ(warning(), "");
}

TEST_F(TickTest, twoLimitsInOneTick_leaveTheLaterMessageShown) {
    m().settings.warntimepc = "true";
    m().settings.warnfreetime = "true";
    at(0, 0, 1);
    seconds(1);
    EXPECT_EQ(warning(), "Connection time exceeded the free allocated time!");
    EXPECT_EQ(m().warnedtimepc, "true");
}

TEST_F(TickTest, callLongerThanTenHours_isStillChecked) {
    m().settings.warntimepc = "true";
    m().settings.warntimepchours = std::int16_t{10};
    m().settings.warntimepcminutes = 30;
    at(10, 30, 0);
    seconds(1);
    EXPECT_EQ(warning(), "Connection time exceeded the time limit of 10 hours and 30 minutes!");
}

TEST_F(TickTest, unlimitedTime_neverWarnsOfFreeTime) {
    m().settings.warnfreetime = "true";
    m().settings.unlimitedtime = "true";
    seconds(3);
    EXPECT_EQ(warning(), "");
}

TEST_F(TickTest, lineDropped_isNoticedAndTheClockKeepsItsLastValue) {
    seconds(7);
    h.dialUp.online["Home"] = false;
    seconds(1);
    EXPECT_EQ(m().connected, "false");
    EXPECT_FALSE(console->timer.enabled());
    EXPECT_EQ(statusLines(), std::vector<std::string>{"Home terminated!"});
    EXPECT_TRUE(console->cmdConnectDefault.enabled());
    EXPECT_FALSE(console->cmdHangup.enabled());
    EXPECT_TRUE(configDial().enabled());
    EXPECT_EQ(m().currentprofile, "");
    EXPECT_EQ(console->labelTime.caption(), "0 : 0 : 7");
}

TEST_F(TickTest, tickWhileDialing_countsNothing) {
    console->cmdHangup.userClick();
    console->cmdConnectDefault.userClick();
    seconds(3);
    EXPECT_EQ(m().clock.text(), "0 : 0 : 0");
    EXPECT_TRUE(console->timer.enabled());
}

} // namespace
} // namespace quillan
