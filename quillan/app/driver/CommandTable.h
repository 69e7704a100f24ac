#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quillan {

using Words = std::vector<std::string>;

// The driver's commands by name, each with its usage (argument names; optional ones in brackets)
// from which the accepted number of arguments follows; a word with "..." repeats.
class CommandTable {
  public:
    enum class AfterEnd { Refused, Answered };

    struct Command {
        std::string usage;
        size_t minArgs = 0;
        size_t maxArgs = 0;
        AfterEnd afterEnd = AfterEnd::Refused;
        std::function<void(const Words& args)> run;
    };

    void add(const std::string& name, const std::string& usage, std::function<void(const Words& args)> run,
             AfterEnd afterEnd = AfterEnd::Refused);
    // Throws CommandError for an unknown name or a wrong number of arguments.
    const Command& find(const std::string& name, size_t argumentCount) const;

  private:
    std::map<std::string, Command> m_commands;
};

} // namespace quillan
