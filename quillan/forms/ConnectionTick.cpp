#include "ConnectionTick.h"

#include "CallProcedures.h"
#include "Forms.h"
#include "LimitWarnings.h"
#include "formRAS.h"
#include "frmConfig.h"
#include "frmReminder.h"
#include "frmStart.h"
#include "frmTimerConsole.h"
#include "modules/Numeric.h"

namespace quillan {

bool ConnectionTick::due(const ConnectionClock& clock, int n, bool inMinutes, bool inHours) {
    if (n <= 0 || clock.seconds != 0)
        return false;
    if (inMinutes && clock.minutes != 0 && clock.minutes >= n && clock.minutes % n == 0)
        return true;
    return inHours && clock.minutes == 0 && clock.hours != 0 && clock.hours % n == 0;
}

void ConnectionTick::run() {
    Module1& m = m_forms.m();
    m_forms.get<formRAS>().getconnections();
    if (m.connected == "true") {
        countSecond();
        showTime();
        keepAlive();
        if (m.settings.traymode == "true")
            m_forms.get<frmStart>().setTrayTip("Elapsed Time - ", m.clock.text());
        remind();
        if (!triggerMail())
            return;
    }
    checkLimits();
    if (m.connected != "true" && m.dialing != "true")
        noticeLineDrop();
}

void ConnectionTick::countSecond() {
    ConnectionClock& clock = m_forms.m().clock;
    if (++clock.seconds >= 60) {
        clock.seconds = 0;
        ++clock.minutes;
    }
    if (clock.minutes >= 60) {
        clock.minutes = 0;
        ++clock.hours;
    }
}

void ConnectionTick::showTime() {
    const std::string time = m_forms.m().clock.text();
    m_forms.get<frmStart>().labelTime.setCaption(time);
    frmTimerConsole& timerConsole = m_forms.get<frmTimerConsole>();
    timerConsole.textTimerValue.setText(time);
    // Only a minimised timer window shows the time in its caption; a restored one keeps the last value.
    if (timerConsole.windowState() == WindowState::Minimized)
        timerConsole.setCaption(time);
}

void ConnectionTick::keepAlive() {
    Module1& m = m_forms.m();
    if (m.clock.seconds != 30 || m.settings.keepalive != "true")
        return;
    sendKeepAliveEcho();
    // The echo burst takes about two seconds of the line; the clock skips them.
    m.clock.seconds += 2;
}

void ConnectionTick::remind() {
    const Module1& m = m_forms.m();
    const SettingsRecord& s = m.settings;
    if (s.reminderon != "true" ||
        !due(m.clock, s.reminderinterval, s.reminderinminutes == "true", s.reminderinhours == "true"))
        return;
    frmReminder& reminder = m_forms.get<frmReminder>();
    reminder.textReminderTime.setText(m.clock.text());
    reminder.show();
}

bool ConnectionTick::triggerMail() {
    const Module1& m = m_forms.m();
    const SettingsRecord& s = m.settings;
    if (s.mailwatch != "true")
        return true;
    const auto interval = toInt16(s.mailinterval);
    if (!interval)
        return false;
    if (due(m.clock, *interval, s.mailinminutes == "true", s.mailinhours == "true"))
        startMailCheck();
    return true;
}

void ConnectionTick::checkLimits() {
    LimitWarnings(m_forms).check();
}

void ConnectionTick::noticeLineDrop() {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    console.timer.setEnabled(false);
    console.cmdConnectDefault.setEnabled(true);
    console.cmdHangup.setEnabled(false);
    m_forms.get<frmConfig>().cmdDial.setEnabled(true);
    console.listConnectionStatus.clear();
    console.addStatus(m.currentprofile + " terminated!");
    m.currentprofile.clear();
    m.connected = "false";
}

void ConnectionTick::sendKeepAliveEcho() {
    frmStart& console = m_forms.get<frmStart>();
    console.vbWSAStartup();
    console.vbGetHostByName();
    console.vbIcmpCreateFile();
    console.setTimeToLive(255);
    console.vbIcmpSendEcho();
    console.vbIcmpCloseHandle();
    console.vbWSACleanup();
}

void ConnectionTick::startMailCheck() {
    m_forms.get<frmStart>().mailWatch().startCheck();
}

} // namespace quillan
