#include "Program.h"

#include "DesktopFolders.h"
#include "PhonebookEntryDialog.h"
#include "ProgramIcon.h"

#include "forms/frmConfig.h"
#include "forms/frmStart.h"
#include "modules/ProgramTitle.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace quillan {

namespace {
LinuxDialUpOptions dialUpOptions(const ProgramOptions& options) {
    LinuxDialUpOptions dialUp;
    dialUp.phonebook = options.phonebook;
    dialUp.pppdRunFolder = options.pppdRunDir;
    if (options.trace)
        dialUp.trace = [](std::string_view line) {
            std::fprintf(stderr, "quillan: %.*s\n", static_cast<int>(line.size()), line.data());
        };
    dialUp.wvdialFiles = {"/etc/wvdial.conf", QDir::home().filePath(".wvdialrc").toStdString()};
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
} // namespace

Program::Program(const ProgramOptions& options)
    : m_tray(programIcon()),
      m_services{m_boxes, m_clock, m_pump, m_tray, m_modal, m_processes, options.dataDir, {&m_views, &m_modal, &m_end},
                 userDesktopPlaces(launcherCommand(options), kDesktopIcon)},
      m_dialUp(m_eventLoop, dialUpOptions(options)) {
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
        m_module1.importedprofile = ImportedProfile{entryName, dialer.username, dialer.password, dialer.alternates};
    };
    m_forms = std::make_unique<Forms>(m_services, m_module1, m_dialUp);
    m_tray.message = [this](int message) {
        if (frmStart* console = m_forms->peek<frmStart>())
            console->trayMessage(message);
    };
}

Program::~Program() { m_tray.message = nullptr; }

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

void Program::start() {
    m_forms->get<frmStart>().startUp();
    m_started = true;
}

} // namespace quillan
