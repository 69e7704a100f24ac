#include "Program.h"

#include "PhonebookEntryDialog.h"
#include "ProgramIcon.h"

#include "forms/frmConfig.h"
#include "forms/frmStart.h"

namespace quillan {

namespace {
LinuxDialUpOptions dialUpOptions(const ProgramOptions& options) {
    LinuxDialUpOptions dialUp;
    dialUp.phonebook = options.phonebook;
    dialUp.pppdRunFolder = options.pppdRunDir;
    return dialUp;
}
} // namespace

Program::Program(const ProgramOptions& options)
    : m_tray(programIcon()),
      m_services{m_boxes, m_clock, m_pump, m_tray, m_modal, m_processes, options.dataDir, {&m_views, &m_modal, &m_end}},
      m_dialUp(m_eventLoop, dialUpOptions(options)), m_mail(m_eventLoop), m_mail1(m_eventLoop) {
    m_dialUp.entryEditor = [this](const PhonebookEntry& entry) {
        std::vector<std::string> taken;
        for (std::int16_t i = 0; i < m_dialUp.EntryCount(); ++i)
            if (m_dialUp.Entry(i) != entry.name)
                taken.push_back(m_dialUp.Entry(i));
        return PhonebookEntryDialog::edit(entry, taken);
    };
    m_forms = std::make_unique<Forms>(m_services, m_module1, m_dialUp, MailControls{m_mail, m_mail1});
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
