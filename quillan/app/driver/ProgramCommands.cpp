#include "ProgramCommands.h"

#include "CommandError.h"
#include "ValueFormat.h"

#include "forms/frmStart.h"

#include <limits>

namespace quillan {

void ProgramCommands::addTo(CommandTable& table) {
    table.add("start", "", [this](const Words&) { start(); });
    table.add("tray", "N", [this](const Words& args) { tray(args[0]); });
}

bool ProgramCommands::ended() {
    return m_started && !m_forms.peek<frmStart>();
}

void ProgramCommands::start() {
    if (m_started)
        throw CommandError("already started");
    // Set first: the start-up may show a modal window whose commands run before it returns.
    m_started = true;
    m_forms.get<frmStart>().startUp();
}

void ProgramCommands::tray(const std::string& message) {
    const auto number =
        parseInteger(message, "N", std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    frmStart* console = m_forms.peek<frmStart>();
    if (!console)
        throw CommandError("frmStart is not loaded");
    console->trayMessage(static_cast<int>(number));
}

} // namespace quillan
