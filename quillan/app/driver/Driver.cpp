#include "Driver.h"

#include "CommandError.h"
#include "WordParser.h"

#include <string>

namespace quillan {

Driver::Driver(Harness& harness, std::istream& in, std::ostream& out, bool echo)
    : m_harness(harness), m_in(in), m_out(out), m_echo(echo), m_targets(*harness.forms),
      m_dialUp(harness.dialUp, out), m_net(harness), m_controls(m_targets, harness.services.dataDir),
      m_properties(m_targets, out), m_services(harness, m_targets, out),
      m_files(harness.services.dataDir, out), m_state(harness.module1, *harness.forms, out),
      m_program(*harness.forms), m_mail(harness), m_connectActions(harness, m_targets, m_controls) {
    m_dialUp.addTo(m_commands);
    m_net.addTo(m_commands);
    m_controls.addTo(m_commands);
    m_properties.addTo(m_commands);
    m_services.addTo(m_commands);
    m_files.addTo(m_commands);
    m_state.addTo(m_commands);
    m_program.addTo(m_commands);
    m_connectActions.addTo(m_commands);
    m_mail.addTo(m_commands);
    m_commands.add(
        "quit", "",
        [this](const Words&) {
            m_quit = true;
            m_quitDepth = m_depth;
        },
        CommandTable::AfterEnd::Answered);
    m_harness.modal.body = [this](Form& form) {
        runUntil([&form] { return !form.loaded() || !form.visible(); });
    };
}

Driver::~Driver() {
    m_harness.modal.body = nullptr;
}

void Driver::run() {
    runUntil([] { return false; });
}

void Driver::runUntil(const std::function<bool()>& done) {
    std::string line;
    while (!m_quit && !m_inputEnded && !done()) {
        if (!std::getline(m_in, line)) {
            m_inputEnded = true;
            break;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (WordParser::holdsCommand(line))
            execute(line);
    }
}

void Driver::execute(const std::string& line) {
    if (m_echo)
        m_out << "> " << line << '\n';
    const int depth = ++m_depth;
    std::string statusLine;
    try {
        statusLine = status(WordParser::split(line));
    } catch (const std::exception& error) {
        statusLine = std::string("error: ") + error.what();
    }
    --m_depth;
    // A quit inside a modal window's loop ends the commands that showed it without a word.
    if (m_quit && m_quitDepth != depth)
        return;
    if (!m_ended && m_program.ended()) {
        m_ended = true;
        m_out << "ended\n";
    }
    m_out << statusLine << '\n' << std::flush;
}

std::string Driver::status(const Words& words) {
    const CommandTable::Command& command = m_commands.find(words.front(), words.size() - 1);
    if (m_ended && command.afterEnd == CommandTable::AfterEnd::Refused)
        throw CommandError("ended");
    command.run(Words(words.begin() + 1, words.end()));
    return "ok";
}

} // namespace quillan
