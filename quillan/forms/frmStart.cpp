#include "frmStart.h"

#include "CallProcedures.h"
#include "ConnectionTick.h"
#include "DataFolderCare.h"
#include "FormCatalog.h"
#include "Forms.h"
#include "formRAS.h"
#include "frmAbout.h"
#include "frmConfig.h"
#include "frmCreateShortcut.h"
#include "frmDeleteProfile.h"
#include "frmHelpStart.h"
#include "frmMailSound.h"
#include "frmNetToolkit.h"
#include "frmProgramLauncher.h"
#include "frmSound.h"
#include "modules/ProgramTitle.h"
#include "modules/SettingsFile.h"
#include "runtime/RegularFile.h"

namespace quillan {

QUILLAN_REGISTER_FORM(frmStart);

frmStart::frmStart(Forms& forms)
    : Form(forms.services(), kName, "Quillan Professional", kConsoleHeight), m_forms(forms) {
    cmdConnectDefault.setToolTip("Connect to your connection profile");
    cmdHangup.setCaption("&Hang Up");
    cmdHangup.setToolTip("Hang up on your current active connection");
    cmdHangup.setEnabled(false);
    cmdConfiguration.setCaption("&Configure");
    cmdConfiguration.setToolTip("Configuration Console");
    cmdNetTools.setCaption("&Net Tools");
    cmdNetTools.setToolTip("Net Toolkit");
    cmdAbout.setCaption("&About");
    cmdAbout.setToolTip("About Quillan");
    cmdStartHelp.setCaption("He&lp");
    cmdStartHelp.setToolTip("Help");
    cmdExit.setCaption("E&xit");
    cmdExit.setToolTip("Exit Quillan");
    Command1.setCaption("To &Tray");
    Command1.setToolTip("Place Quillan to System Tray");
    Command2.setCaption("&Scan");
    Command2.setToolTip("Scan for any active connections established externally of Quillan");
    Command3.setCaption("<<");
    listConnectionStatus.setToolTip("Connection Status Window");
    labelTime.setCaption("0 : 0 : 0");
    labelTime.setToolTip("Time elapsed in Hour:Minute:Second");
    Label1.setCaption("Connection Stat&us :");
    Label2.setCaption("Time Elapsed :");
    Frame1.setCaption("Quillan Menu");

    mPopupSys.setCaption("&SysTray");
    mPopupSys.setVisible(false);
    mPopRestore.setCaption("&Restore");
    mPopExit.setCaption("&Exit");
    asd.setCaption("-");
    mMin.setCaption("&Hide Quillan");
    sep.setCaption("-");
    mConfiguration.setCaption("&Configuration");
    erw.setCaption("-");
    mPopHangup.setCaption("&Hang Up");
    mPopHangup.setEnabled(false);

    cmdConfiguration.Click = [this] { cmdConfiguration_Click(); };
    cmdAbout.Click = [this] { m_forms.get<frmAbout>().show(); };
    cmdNetTools.Click = [this] { m_forms.get<frmNetToolkit>().show(); };
    cmdStartHelp.Click = [this] { m_forms.get<frmHelpStart>().show(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { m_forms.get<formRAS>().getconnections(); };
    Command3.Click = [this] { Command3_Click(); };
    mPopRestore.Click = [this] { restore(); };
    mMin.Click = [this] { hide(); };
    mConfiguration.Click = [this] { cmdConfiguration_Click(); };

    cmdConnectDefault.Click = [this] { cmdConnectDefault_Click(); };
    cmdHangup.Click = [this] { cmdHangup_Click(); };
    mPopHangup.Click = [this] { mPopHangup_Click(); };
    cmdExit.Click = [this] { cmdExit_Click(); };
    mPopExit.Click = [this] { mPopExit_Click(); };
    timer.Tick = [this] { timer_Timer(); };
}

// 32 letters: a to w, then a to i.
static constexpr const char* kEchoPayload = "abcdefghijklmnopqrstuvwabcdefghi";
static constexpr int kEchoRequests = 5;
static constexpr int kEchoTimeoutMs = 2700;

void frmStart::vbWSAStartup() {
    m_forms.net().echo.WSAStartup();
}

void frmStart::vbGetHostByName() {
    m_forms.net().echo.gethostbyname(
        m_forms.net().echoHost,
        [destination = m_destinationAddress](std::uint32_t address) { *destination = address; });
}

void frmStart::vbIcmpCreateFile() {
    m_forms.net().echo.IcmpCreateFile();
}

// Each request goes out once the one before has its reply or its time-out; the window stays free.
void frmStart::vbIcmpSendEcho() {
    for (int attempt = 1; attempt <= kEchoRequests; ++attempt)
        m_forms.net().echo.IcmpSendEcho(m_destinationAddress, kEchoPayload, m_ipOptionTimeToLive,
                                        kEchoTimeoutMs,
                                        [count = m_replyCount](int replies) { *count = replies; });
}

void frmStart::vbIcmpCloseHandle() {
    m_forms.net().echo.IcmpCloseHandle();
}

void frmStart::vbWSACleanup() {
    m_forms.net().echo.WSACleanup();
}

void frmStart::addStatus(const std::string& line) {
    listConnectionStatus.addItem(line);
    listConnectionStatus.setListIndex(listConnectionStatus.listCount() - 1);
}

void frmStart::addTrayIcon() {
    m_trayIconAdded = true;
    services().tray.add(m_trayTip);
}

void frmStart::setTrayTip(std::string_view tip, std::string_view more) {
    // Set every second of a call: the tip's own buffer is reused.
    m_trayTip.assign(tip).append(more);
    services().tray.modify(m_trayTip);
}

void frmStart::cmdConfiguration_Click() {
    m_forms.get<frmConfig>().show();
}

void frmStart::Command1_Click() {
    placeInTray();
}

void frmStart::placeInTray() {
    if (services().tray.available()) {
        addTrayIcon();
        hide();
        return;
    }
    if (!m_missingTrayTold) {
        m_missingTrayTold = true;
        services().boxes.show(
            "This desktop has no notification area, so Quillan cannot place its icon in the "
            "system tray. Its console is minimised instead: bring it back from the task bar, "
            "or by starting Quillan again.",
            MsgButtons::OK, MsgIcon::Information, kProgramTitle);
    }
    setWindowState(WindowState::Minimized);
}

void frmStart::Command3_Click() {
    if (Command3.caption() == "<<") {
        setHeight(height() - kStatusListHeight);
        listConnectionStatus.setVisible(false);
        Command3.setCaption(">>");
    } else if (Command3.caption() == ">>") {
        setHeight(height() + kStatusListHeight);
        listConnectionStatus.setVisible(true);
        Command3.setCaption("<<");
    }
}

void frmStart::restore() {
    setWindowState(WindowState::Normal);
    setForeground();
    show();
}

void frmStart::trayMessage(int message) {
    if (m_forms.m().exiting == "true")
        return;
    if (message == kTrayLeftUp || message == kTrayLeftDoubleClick) {
        restore();
    } else if (message == kTrayRightUp) {
        setForeground();
        showPopupMenu(mPopupSys);
    }
}

void frmStart::Form_Resize() {
    // A minimised console leaves the task bar, so the tray icon must be there to bring it back; without a
    // tray it stays in the task bar.
    if (windowState() != WindowState::Minimized || !services().tray.available())
        return;
    if (!m_trayIconAdded)
        addTrayIcon();
    hide();
}

void frmStart::Form_Unload() {
    services().tray.remove(m_trayTip);
}

void frmStart::Form_Load() {
    Module1& m = m_forms.m();
    formRAS& ras = m_forms.get<formRAS>();

    m_forms.get<frmCreateShortcut>();
    m.settings = SettingsRecord{};
    m.exiting = "false";
    listConnectionStatus.addItem("          Welcome to Quillan!");
    listConnectionStatus.addItem("The Best Dialup Networking Companion!");

    ras.redial = 0;
    timer.setEnabled(false);
    ras.timerredial.setEnabled(false);
    ras.timerredial.setInterval(1000);
    timer.setInterval(1000);

    m.clock.zero();
    m.firstrun = "true";
    m.newprofilepending = "false";
    m.connected = "false";
    m.userhangup = "false";
    m.profilecount = 0;
    m.clearWarnedFlags();

    if (const std::string told = tidyDataFolder(services().dataDir); !told.empty())
        services().boxes.show(told, MsgButtons::OK, MsgIcon::Exclamation, kProgramTitle);
    const auto settingsFile = services().dataDir / kSettingsFileName;
    // Anything in the file's place is read, so that a folder or a broken file is reported, not welcomed.
    if (!nothingAt(settingsFile)) {
        try {
            loadSavedSettings(settingsFile);
        } catch (const SettingsFileError& error) {
            // The bad file is kept as it is until the user saves.
            services().boxes.show(
                std::string(error.what()) +
                    "\n\nQuillan starts with its default settings. Check them on the Configuration "
                    "Console and press Save to replace the file.",
                MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
            startFirstRun();
        }
    } else {
        services().boxes.show(
            "Quillan has determined that this is your first time running this program. You would "
            "want to configure the settings in Quillan first. Click the OK button to continue.",
            MsgButtons::OK, MsgIcon::Information, "Welcome to Quillan");
        startFirstRun();
    }

    ras.getconnections();
    m_trayTip = kProgramTitle;

    // Start-up ends with the dial the user asked for, once the scan found no call up.
    CallProcedures(m_forms).autoDial();
}

// --- Calls ---

void frmStart::cmdConnectDefault_Click() {
    CallProcedures(m_forms).connectDefault();
}
void frmStart::cmdHangup_Click() {
    CallProcedures(m_forms).hangUp();
}
void frmStart::mPopHangup_Click() {
    CallProcedures(m_forms).hangUp();
}
void frmStart::cmdExit_Click() {
    CallProcedures(m_forms).exitProgram();
}
void frmStart::mPopExit_Click() {
    CallProcedures(m_forms).exitProgram();
}
void frmStart::userClose() {
    CallProcedures(m_forms).exitProgram();
}
void frmStart::timer_Timer() {
    ConnectionTick(m_forms).run();
}

void frmStart::loadSavedSettings(const std::filesystem::path& file) {
    Module1& m = m_forms.m();
    formRAS& ras = m_forms.get<formRAS>();
    frmConfig& config = m_forms.get<frmConfig>();

    m.firstrun = "false";
    const LoadedSettings loaded = loadSettings(file, m);
    frmDeleteProfile& deleter = m_forms.get<frmDeleteProfile>();
    for (const std::string& name : loaded.profileNames)
        deleter.listUpdateProfiles.addItem(name);
    if (m.settings.defaultprofile == "None")
        cmdConnectDefault.setCaption("Connect");
    else if (m.settings.connectdefault == "true")
        cmdConnectDefault.setCaption("Connect to " + m.settings.defaultprofile);

    ras.LoadEntries();
    if (m.settings.hidestatus == "true") {
        Command3.setCaption(">>");
        setHeight(height() - kStatusListHeight);
        listConnectionStatus.setVisible(false);
    }
    config.applySettings();
    applyConnectActionSettings();
    ras.reconcileProfiles(loaded.profileCount);
}

void frmStart::applyConnectActionSettings() {
    m_forms.get<frmProgramLauncher>().applyProgramData();
    m_forms.get<frmSound>().applySettings();
    m_forms.get<frmMailSound>().applySettings();
}

void frmStart::startFirstRun() {
    Module1& m = m_forms.m();
    m.firstrun = "true";
    frmConfig& config = m_forms.get<frmConfig>();
    config.cmdDialAlternate.setEnabled(false);
    config.cmdCloseConfigurationConsole.setEnabled(false);
    m_forms.get<formRAS>().LoadEntries();
    applyConnectActionSettings();
    config.show();
    hide();
}

void frmStart::startUp() {
    load();
    // Until the first save the configuration console is the only window.
    if (m_forms.m().firstrun != "true")
        show();
}

} // namespace quillan
