#include "DialUpCommands.h"

#include "CommandError.h"
#include "ValueFormat.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace quillan {

void DialUpCommands::addTo(CommandTable& table) {
    table.add("entry", "NAME NUMBER", [this](const Words& args) { entry(args); });
    table.add("create-entry", "NAME NUMBER", [this](const Words& args) { createEntry(args); });
    table.add("remove-entry", "NAME", [this](const Words& args) { removeEntry(args); });
    table.add("online", "NAME yes|no", [this](const Words& args) { online(args); });
    table.add("progress", "STATE [TEXT]", [this](const Words& args) { progress(args); });
    table.add(
        "calls", "", [this](const Words&) { calls(); }, CommandTable::AfterEnd::Answered);
}

void DialUpCommands::entry(const Words& args) {
    auto& entries = m_dialUp.entries;
    if (std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.name == args[0]; }))
        throw CommandError("the phonebook already holds " + args[0]);
    entries.push_back({args[0], args[1]});
}

void DialUpCommands::createEntry(const Words& args) {
    m_dialUp.pendingNewEntries.push_back({args[0], args[1]});
}

void DialUpCommands::removeEntry(const Words& args) {
    auto& entries = m_dialUp.entries;
    auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& e) { return e.name == args[0]; });
    if (it == entries.end())
        throw CommandError("the phonebook holds no " + args[0]);
    entries.erase(it);
}

void DialUpCommands::online(const Words& args) {
    if (args[1] != "yes" && args[1] != "no")
        throw CommandError("usage: online NAME yes|no");
    m_dialUp.online[args[0]] = args[1] == "yes";
}

void DialUpCommands::progress(const Words& args) {
    const auto state =
        static_cast<std::int16_t>(parseInteger(args[0], "STATE", std::numeric_limits<std::int16_t>::min(),
                                               std::numeric_limits<std::int16_t>::max()));
    if (!m_dialUp.Progress)
        throw CommandError("nothing handles Progress yet");
    m_dialUp.raise(state, args.size() > 1 ? args[1] : "");
}

void DialUpCommands::calls() {
    for (const std::string& call : m_dialUp.takeCalls())
        m_out << call << '\n';
}

} // namespace quillan
