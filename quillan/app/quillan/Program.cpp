#include "Program.h"

#include "DesktopFolders.h"
#include "PhonebookEntryDialog.h"
#include "ProgramIcon.h"

#include "forms/CallProcedures.h"
#include "forms/frmConfig.h"
#include "forms/frmStart.h"
#include "modules/ProgramTitle.h"

#include <QCoreApplication>
#include <QDir>

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace quillan {

namespace {
// Windows that wait for an answer are closed one after another for about two seconds; then the end goes
// ahead regardless.
constexpr int kEndAttempts = 40;
constexpr int kEndRetryMs = 50;

LinuxDialUpOptions dialUpOptions(const ProgramOptions& options) {
    LinuxDialUpOptions dialUp;
    dialUp.phonebook = options.phonebook;
    dialUp.pppdRunFolder = options.pppdRunDir;
    dialUp.peersFolder = options.peersDir;
    if (options.trace)
        dialUp.trace = [](std::string_view line) {
            std::fprintf(stderr, "quillan: %.*s\n", static_cast<int>(line.size()), line.data());
        };
    dialUp.wvdialFiles = {"/etc/wvdial.conf", QDir::home().filePath(".wvdialrc").toStdString()};
    // A demonstration faster than life rests its line between calls as much less.
    if (options.screenshots)
        dialUp.timeouts.lineRestMs /= options.demoPace;
    return dialUp;
}

// The icon of the program's installed desktop entry.
constexpr const char* kDesktopIcon = QUILLAN_DESKTOP_ICON;

// How a desktop launcher starts the program on the data folder it runs on now.
std::vector<std::string> launcherCommand(const ProgramOptions& options) {
    std::vector<std::string> command{QCoreApplication::applicationFilePath().toStdString()};
    if (!options.standardDataDir)
        command.insert(command.end(), {"--data-dir", std::filesystem::absolute(options.dataDir).string()});
    return command;
}

SntpOptions timeOptions(const ProgramOptions& options) {
    SntpOptions time;
    if (!options.timeServer.empty())
        time.host = options.timeServer;
    time.port = options.timePort;
    return time;
}
} // namespace

Program::Program(const ProgramOptions& options)
    : m_tray(programIcon()), m_services{m_boxes,
                                        m_clock,
                                        m_pump,
                                        m_tray,
                                        m_modal,
                                        m_processes,
                                        m_sound,
                                        m_browser,
                                        m_drives,
                                        options.dataDir,
                                        {&m_views, &m_modal, &m_end},
                                        userDesktopPlaces(launcherCommand(options), kDesktopIcon)},
      m_dialUp(m_eventLoop, dialUpOptions(options)), m_resolver(m_eventLoop), m_echo(m_eventLoop, m_resolver),
      m_hostLookup(m_resolver), m_finger(m_eventLoop, m_resolver), m_whois(m_eventLoop, m_resolver),
      m_time(m_eventLoop, m_resolver, timeOptions(options)), m_net{m_echo, m_hostLookup, m_finger, m_whois,
                                                                   m_time},
      m_mail(m_eventLoop), m_mail1(m_eventLoop) {
    m_dialUp.entryEditor = [this](const PhonebookEntry& entry, const std::vector<WvdialDialer>& dialers) {
        std::vector<std::string> taken;
        for (std::int16_t i = 0; i < m_dialUp.EntryCount(); ++i)
            if (m_dialUp.Entry(i) != entry.name)
                taken.push_back(m_dialUp.Entry(i));
        PhonebookEntryDialog dialog(entry, taken, dialers);
        if (entryEditorOpened)
            entryEditorOpened(dialog);
        if (dialog.exec() != QDialog::Accepted)
            return std::optional<LinuxDialUp::EditedEntry>();
        return std::optional<LinuxDialUp::EditedEntry>(dialog.edited());
    };
    m_dialUp.editRefused = [this, phonebook = options.phonebook](const std::string& why) {
        m_boxes.show("The phonebook entry was not saved: " + why + ".\n\nMake sure " + phonebook.string() +
                         " can be written to, then create or edit the entry again.",
                     MsgButtons::OK, MsgIcon::Critical, kProgramTitle);
    };
    m_dialUp.dialerImported = [this](const std::string& entryName, const WvdialDialer& dialer) {
        m_module1.importedprofile =
            ImportedProfile{entryName, dialer.username, dialer.password, dialer.alternates};
    };
    if (!options.echoHost.empty())
        m_net.echoHost = options.echoHost;
    m_forms = std::make_unique<Forms>(m_services, m_module1, m_dialUp, m_net, MailControls{m_mail, m_mail1});
    m_tray.message = [this](int message) {
        if (frmStart* console = m_forms->peek<frmStart>())
            console->trayMessage(message);
    };
}

Program::~Program() {
    m_tray.message = nullptr;
}

void Program::restoreConsole() {
    if (!m_started)
        return;
    // Until the first save the configuration console is the window to work in.
    if (m_module1.firstrun == "true") {
        frmConfig& config = m_forms->get<frmConfig>();
        config.show();
        config.setForeground();
    } else if (frmStart* console = m_forms->peek<frmStart>()) {
        console->trayMessage(kTrayLeftUp);
    }
}

void Program::endSession() {
    // Also during start-up: a window it opened may be waiting for an answer.
    if (!m_forms->peek<frmStart>())
        return;
    // A window waiting for an answer runs a loop of its own; it is closed first, as the user would, so
    // that the windows unload from the main loop and not under the feet of that window's handler.
    QWidget* waiting = QApplication::activeModalWidget();
    if (waiting || QThread::currentThread()->loopLevel() > 1) {
        if (waiting)
            waiting->close();
        if (++m_endAttempts < kEndAttempts) {
            QTimer::singleShot(kEndRetryMs, [this] { endSession(); });
            return;
        }
    }
    CallProcedures(*m_forms).endSession();
}

void Program::start() {
    m_forms->get<frmStart>().startUp();
    m_started = true;
}

} // namespace quillan
