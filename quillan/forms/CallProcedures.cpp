#include "CallProcedures.h"

#include "ConnectActions.h"
#include "Forms.h"
#include "formRAS.h"
#include "frmConfig.h"
#include "frmConnectNoDefault.h"
#include "frmCost.h"
#include "frmPassword.h"
#include "frmStart.h"
#include "frmTimerConsole.h"
#include "modules/MonthlyLog.h"
#include "modules/ProgramTitle.h"

namespace quillan {

namespace {

const char* const kEmptyUsername =
    "Quillan has detected an empty field for the Username entry. Even if your dialup server do not handle "
    "auto-negotiation, there must still be an entry for the Username. You may enter any values for the "
    "username ";

} // namespace

void CallProcedures::callReset() {
    Module1& m = m_forms.m();
    m.clearWarnedFlags();
    m.userhangup = "false";
    loadMonthLog();
    formRAS& ras = m_forms.get<formRAS>();
    ras.ANindex = 0;
    // Each call gets its own redial allowance, even after an earlier call reached the limit.
    ras.redial = 0;
}

void CallProcedures::loadMonthLog() {
    try {
        beginCallRecord(m_forms.m(), m_forms.services().dataDir, m_forms.services().clock.now());
    } catch (const MonthlyLogError& error) {
        reportLogError(error);
    }
}

void CallProcedures::connectDefault() {
    callReset();
    dialDefault(DialKind::Command);
}

void CallProcedures::autoDial() {
    Module1& m = m_forms.m();
    if (m.settings.autodial != "true" || m.connected != "false")
        return;
    // The month's log must be loaded here too, or the first hang-up would rewrite it without its earlier
    // calls.
    callReset();
    dialDefault(DialKind::AutoDial);
}

void CallProcedures::dialDefault(DialKind kind) {
    Module1& m = m_forms.m();
    const std::string& profile = m.settings.defaultprofile;
    // A default that names no stored profile cannot be dialled: the user picks one instead.
    if (m.settings.connectdefault == "false" || !m.profiledata.contains(profile)) {
        m_forms.get<frmConnectNoDefault>().show();
        return;
    }
    if (kind != DialKind::AutoDial && m.profiledata.value(profile + "Username").empty()) {
        refuseEmptyUsername("by clicking on the Edit Profile button in the Configuration Console.",
                            MsgIcon::Information);
        return;
    }
    if (m.settings.promptpassword != "false") {
        m_forms.get<frmPassword>().show();
        return;
    }
    m.clock.zero();
    dialStoredProfile(profile, kind);
}

void CallProcedures::refuseEmptyUsername(const char* where, MsgIcon icon) {
    m_forms.services().boxes.show(std::string(kEmptyUsername) + where, MsgButtons::OK, icon,
                                  "Empty Username Entry");
}

DialCredentials CallProcedures::storedCredentials(const std::string& profile) const {
    const KeyedCollection& profiles = m_forms.m().profiledata;
    return {profile, profiles.value(profile + "Username"), profiles.value(profile + "Password"),
            profiles.value(profile + "Domain")};
}

void CallProcedures::dialStoredProfile(const std::string& profile, DialKind kind) {
    startDial(storedCredentials(profile), kind);
}

void CallProcedures::startDial(const DialCredentials& credentials, DialKind kind) {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    DialUpControl& control = m_forms.dialUp();

    console.listConnectionStatus.clear();
    control.setEntryName(credentials.profile);
    if (kind != DialKind::AutoDial)
        control.LoadEntry();
    control.setUserName(credentials.userName);
    control.setPassword(credentials.password);
    control.setDomain(credentials.domain);
    m.dialing = "true";
    m.dialalternates = m.profiledata.value(credentials.profile + "DialAN");
    if (kind != DialKind::Selected)
        m.currentprofile = credentials.profile;
    control.Dial();
    if (kind != DialKind::AutoDial)
        LaunchPrograms(m_forms, "Begin");
    if (kind == DialKind::Selected)
        m.currentprofile = credentials.profile;
    setDialCommandsEnabled(false);
    console.timer.setEnabled(true);
    console.cmdHangup.setEnabled(true);
    if (kind != DialKind::AutoDial)
        console.mPopHangup.setEnabled(true);
}

void CallProcedures::setDialCommandsEnabled(bool enabled) {
    CommandButton& connect = m_forms.get<frmStart>().cmdConnectDefault;
    CommandButton& dialSelected = m_forms.get<frmConfig>().cmdDial;
    // The main console's button goes off first and comes back last.
    if (enabled) {
        dialSelected.setEnabled(true);
        connect.setEnabled(true);
    } else {
        connect.setEnabled(false);
        dialSelected.setEnabled(false);
    }
}

void CallProcedures::hangUp() {
    Module1& m = m_forms.m();
    m.userhangup = "true";
    endLine(true);
}

void CallProcedures::reminderHangUp() {
    endLine(false);
}

void CallProcedures::endLine(bool disablePopHangup) {
    Module1& m = m_forms.m();
    m_forms.dialUp().HangUp();
    if (m.connected == "true")
        endCallRecord();
    m_forms.get<frmStart>().timer.setEnabled(false);
    m_forms.get<formRAS>().timerredial.setEnabled(false);
    m.clock.zero();
    returnToIdle("Hang up on " + m.currentprofile, disablePopHangup);
    resetTrayTip();
}

void CallProcedures::resetTrayTip() {
    m_forms.get<frmStart>().setTrayTip(kProgramTitle);
}

void CallProcedures::returnToIdle(const std::string& statusLine, bool disablePopHangup) {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    console.cmdHangup.setEnabled(false);
    if (disablePopHangup)
        console.mPopHangup.setEnabled(false);
    console.listConnectionStatus.clear();
    console.addStatus(statusLine);
    setDialCommandsEnabled(true);
    m.currentprofile.clear();
    m.connected = "false";
    m.dialing = "false";
}

void CallProcedures::endCallRecord(const std::string& heading) {
    Services& services = m_forms.services();
    std::optional<Money> cost;
    try {
        cost = quillan::endCallRecord(m_forms.m(), services.dataDir, services.clock.now());
    } catch (const MonthlyLogError& error) {
        reportLogError(error);
        return;
    }
    if (!cost)
        return;
    frmCost& window = m_forms.get<frmCost>();
    window.labelCost.setCaption(cost->text());
    window.labelDisc.setCaption(heading);
    window.show();
}

void CallProcedures::reportLogError(const MonthlyLogError& error) {
    // The call goes on (or ends) either way; the user should know its time was not recorded.
    m_forms.services().boxes.show(error.what(), MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
}

void CallProcedures::exitProgram() {
    Module1& m = m_forms.m();
    if (m.connected == "true" && !m.currentprofile.empty()) {
        const MsgAnswer answer =
            m_forms.services().boxes.show("Quillan has detected that a connection is still active. Do you "
                                          "wish to terminate this connection?",
                                          MsgButtons::YesNoCancel, MsgIcon::Question, "Exiting Quillan");
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes)
            hangUpForExit();
    }
    m.exiting = "true";
    unloadEverything();
}

void CallProcedures::endSession() {
    Module1& m = m_forms.m();
    if (m.connected == "true" && !m.currentprofile.empty()) {
        hangUpForExit();
    } else if (m.dialing == "true") {
        // A dial or a waiting redial must not go on with nobody left to count it.
        m.userhangup = "true";
        m_forms.dialUp().HangUp();
    }
    m.exiting = "true";
    unloadEverything();
}

void CallProcedures::hangUpForExit() {
    Module1& m = m_forms.m();
    m.exiting = "true";
    m_forms.get<frmStart>().timer.setEnabled(false);
    m_forms.dialUp().HangUp();
    endCallRecord();
    returnToIdle("Hang up on " + m.currentprofile, true);
}

void CallProcedures::unloadEverything() {
    // The main console goes last: its unload removes the tray icon and ends the program.
    for (const std::string& name : m_forms.names())
        if (name != frmStart::kName)
            if (Form* form = m_forms.find(name)->peek())
                form->unload();
    if (frmStart* console = m_forms.peek<frmStart>())
        console->unload();
}

void CallProcedures::connectedActions() {
    Module1& m = m_forms.m();
    frmStart& console = m_forms.get<frmStart>();
    PlayConnectSound(m_forms);
    m.connected = "true";
    m.dialing = "false";
    m_forms.get<formRAS>().redial = 0;
    m.starttime = m_forms.services().clock.now();
    if (m.settings.launchbrowser == "true")
        LaunchBrowser(m_forms);
    if (m.settings.traymode == "true") {
        console.placeInTray();
    } else if (m.settings.minimizemode == "true") {
        console.setWindowState(WindowState::Minimized);
    }
    if (m.settings.displaytimer == "true")
        m_forms.get<frmTimerConsole>().show();
    console.addStatus("Connected to : " + m.currentprofile);
    LaunchPrograms(m_forms, "End");
}

} // namespace quillan
