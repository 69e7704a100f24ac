#include "CommandLine.h"

#include <algorithm>
#include <cstdio>

namespace quillan {

CommandLine::CommandLine(std::string program, std::string summary, std::vector<CommandLineOption> options,
                         std::string epilogue)
    : m_program(std::move(program)), m_summary(std::move(summary)), m_options(std::move(options)),
      m_epilogue(std::move(epilogue)) {
    m_options.push_back({"help", "", "show this help and exit"});
    m_options.push_back({"version", "", "show the version and exit"});
}

const CommandLineOption* CommandLine::find(const std::string& name) const {
    for (const CommandLineOption& option : m_options)
        if (option.name == name)
            return &option;
    return nullptr;
}

CommandLine::Outcome CommandLine::parse(const std::vector<std::string>& arguments) {
    m_given.clear();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!argument.starts_with("--") || argument == "--") {
            m_error = "unexpected argument '" + argument + "'";
            return Outcome::UsageError;
        }
        const std::size_t equals = argument.find('=');
        const std::string name =
            argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const CommandLineOption* option = find(name);
        if (!option) {
            m_error = "unknown option '--" + name + "'";
            return Outcome::UsageError;
        }
        if (option->valueName.empty()) {
            if (equals != std::string::npos) {
                m_error = "option '--" + name + "' takes no value";
                return Outcome::UsageError;
            }
            if (name == "help")
                return Outcome::Help;
            if (name == "version")
                return Outcome::Version;
            m_given.emplace_back(name, "");
            continue;
        }
        if (equals != std::string::npos) {
            m_given.emplace_back(name, argument.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
            m_given.emplace_back(name, arguments[++i]);
        } else {
            m_error = "option '--" + name + "' needs a value " + option->valueName;
            return Outcome::UsageError;
        }
    }
    return Outcome::Run;
}

bool CommandLine::isSet(const std::string& name) const {
    return value(name).has_value();
}

std::optional<std::string> CommandLine::value(const std::string& name) const {
    std::optional<std::string> last;
    for (const auto& [given, value] : m_given)
        if (given == name)
            last = value;
    return last;
}

namespace {
// The option's help beside its name, its words wrapped to the width of a terminal.
void appendOption(std::string& text, std::string left, const std::string& help) {
    constexpr std::size_t kHelpColumn = 24;
    constexpr std::size_t kWidth = 79;
    left.resize(std::max(left.size() + 2, kHelpColumn), ' ');
    std::string line = left;
    std::size_t start = 0;
    while (start < help.size()) {
        std::size_t end = help.find(' ', start);
        if (end == std::string::npos)
            end = help.size();
        const std::string word = help.substr(start, end - start);
        if (line.size() > kHelpColumn && line.size() + 1 + word.size() > kWidth) {
            text += line + "\n";
            line = std::string(kHelpColumn, ' ');
        } else if (line.size() > left.size()) {
            line += ' ';
        }
        line += word;
        start = end + 1;
    }
    text += line + "\n";
}
} // namespace

std::string CommandLine::helpText() const {
    std::string text = "Usage: " + m_program + " [OPTION]...\n" + m_summary + "\n\nOptions:\n";
    for (const CommandLineOption& option : m_options)
        appendOption(text, "  --" + option.name + (option.valueName.empty() ? "" : " " + option.valueName),
                     option.help);
    if (!m_epilogue.empty())
        text += "\n" + m_epilogue;
    return text;
}

std::string CommandLine::versionText() const {
    return m_program + " " QUILLAN_VERSION "\n"
                       "Copyright (C) 2026 The Quillan developers\n"
                       "License MIT: this is free software; you are free to change and redistribute it.\n";
}

std::string CommandLine::usageErrorText() const {
    return m_program + ": " + m_error + "\nTry '" + m_program + " --help' for more information.\n";
}

CommandLine::Outcome CommandLine::refuse(std::string error) {
    m_error = std::move(error);
    return Outcome::UsageError;
}

std::optional<int> CommandLine::finish(Outcome outcome) const {
    switch (outcome) {
    case Outcome::Run:
        return std::nullopt;
    case Outcome::Help:
        std::fputs(helpText().c_str(), stdout);
        return 0;
    case Outcome::Version:
        std::fputs(versionText().c_str(), stdout);
        return 0;
    case Outcome::UsageError:
        std::fputs(usageErrorText().c_str(), stderr);
        return 2;
    }
    return 2;
}

} // namespace quillan
