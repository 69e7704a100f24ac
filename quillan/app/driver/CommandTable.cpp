#include "CommandTable.h"

#include "CommandError.h"
#include "WordParser.h"

namespace quillan {

void CommandTable::add(const std::string& name, const std::string& usage,
                       std::function<void(const Words&)> run, AfterEnd afterEnd) {
    Command command{usage, 0, 0, afterEnd, std::move(run)};
    for (const std::string& word : WordParser::split(usage)) {
        ++command.maxArgs;
        if (word.front() != '[')
            command.minArgs = command.maxArgs;
        // A last word such as [LINE...] takes any number of arguments.
        if (word.find("...") != std::string::npos)
            command.maxArgs = static_cast<size_t>(-1);
    }
    m_commands[name] = std::move(command);
}

const CommandTable::Command& CommandTable::find(const std::string& name, size_t argumentCount) const {
    auto it = m_commands.find(name);
    if (it == m_commands.end())
        throw CommandError("unknown command " + name);
    const Command& command = it->second;
    if (argumentCount < command.minArgs || argumentCount > command.maxArgs)
        throw CommandError("usage: " + name + (command.usage.empty() ? "" : " " + command.usage));
    return command;
}

} // namespace quillan
