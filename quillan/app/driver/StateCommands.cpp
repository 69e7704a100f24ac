#include "StateCommands.h"

#include "CommandError.h"

#include "forms/formRAS.h"
#include "modules/StateNames.h"
#include "testsupport/RecordingServices.h"

namespace quillan {

void StateCommands::addTo(CommandTable& table) {
    table.add(
        "state", "NAME", [this](const Words& args) { state(args[0]); }, CommandTable::AfterEnd::Answered);
    table.add("profile", "KEY", [this](const Words& args) { profile(args[0]); });
    table.add("profiles", "", [this](const Words&) { profiles(); });
}

void StateCommands::state(const std::string& name) {
    if (name == "redial" || name == "ANindex") {
        formRAS* ras = m_forms.peek<formRAS>();
        if (!ras)
            throw CommandError("formRAS is not loaded");
        m_out << (name == "redial" ? ras->redial : ras->ANindex) << '\n';
        return;
    }
    if (const auto program = m_module1.programdata.item(name)) {
        m_out << quoted(*program) << '\n';
        return;
    }
    const auto value = stateValue(m_module1, name);
    if (!value)
        throw CommandError("no state " + name);
    if (const auto* text = std::get_if<std::string>(&*value))
        m_out << quoted(*text) << '\n';
    else
        m_out << std::get<long long>(*value) << '\n';
}

void StateCommands::profile(const std::string& key) {
    const auto value = m_module1.profiledata.item(key);
    m_out << (value ? quoted(*value) : "missing") << '\n';
}

void StateCommands::profiles() {
    for (const auto& [key, value] : m_module1.profiledata.items())
        m_out << key << '=' << quoted(value) << '\n';
}

} // namespace quillan
