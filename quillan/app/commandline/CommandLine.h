#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillan {

// One option of a program: "--name" alone, or "--name VALUE" / "--name=VALUE" when it takes a value.
struct CommandLineOption {
    std::string name;
    std::string valueName;
    std::string help;
};

// A program's command line with the conventions of the platform: --help and --version print to standard
// output and exit 0; an unknown option, a missing value or a stray argument is a usage error (exit 2).
class CommandLine {
  public:
    enum class Outcome { Run, Help, Version, UsageError };

    CommandLine(std::string program, std::string summary, std::vector<CommandLineOption> options,
                std::string epilogue = "");

    Outcome parse(const std::vector<std::string>& arguments);

    bool isSet(const std::string& name) const;
    std::optional<std::string> value(const std::string& name) const;
    // The options given, in the order given (an option may repeat).
    const std::vector<std::pair<std::string, std::string>>& given() const { return m_given; }

    std::string helpText() const;
    std::string versionText() const;
    // What was wrong with the command line, followed by the hint to --help.
    std::string usageErrorText() const;
    // A value the program itself finds wrong after parsing: a usage error like the parser's own.
    Outcome refuse(std::string error);

    // Prints what the outcome asks for; the exit status of the program when it should end now.
    std::optional<int> finish(Outcome outcome) const;

  private:
    const CommandLineOption* find(const std::string& name) const;

    std::string m_program;
    std::string m_summary;
    std::vector<CommandLineOption> m_options;
    std::string m_epilogue;
    std::vector<std::pair<std::string, std::string>> m_given;
    std::string m_error;
};

} // namespace quillan
