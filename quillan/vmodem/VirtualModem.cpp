#include "VirtualModem.h"

#include <cctype>
#include <cmath>
#include <memory>

namespace quillan {

namespace {

constexpr size_t kLongestCommand = 255;
constexpr const char* kIdentity = "Quillan virtual modem";

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// The digits after a command letter, read from the front of rest.
int number(std::string_view& rest) {
    int value = 0;
    while (!rest.empty() && std::isdigit(static_cast<unsigned char>(rest.front())) && value < 1000) {
        value = value * 10 + (rest.front() - '0');
        rest.remove_prefix(1);
    }
    return value;
}

} // namespace

VirtualModem::VirtualModem(EventLoop& loop, ModemScript& script, Output output)
    : m_loop(loop), m_script(script), m_output(std::move(output)) {}

VirtualModem::~VirtualModem() {
    goOnHook();
    for (EventLoop::Id id : m_replies)
        m_loop.cancel(id);
}

EventLoop::Id VirtualModem::after(double seconds, std::function<void()> callback) {
    return m_loop.singleShot(static_cast<int>(std::lround(seconds * 1000.0)), std::move(callback));
}

void VirtualModem::stop(EventLoop::Id& id) {
    if (id)
        m_loop.cancel(id);
    id = 0;
}

void VirtualModem::received(std::string_view bytes) {
    if (m_script.mute)
        return;
    Clock::time_point now = Clock::now();
    for (char c : bytes) {
        switch (m_mode) {
        case Mode::Command:
        case Mode::OnlineCommand:
            commandByte(c);
            break;
        case Mode::Dialing:
            // Any key aborts a dial.
            goOnHook();
            result(Result::NoCarrier);
            return;
        case Mode::Online:
            dataByte(c, now);
            break;
        }
    }
}

void VirtualModem::commandByte(char c) {
    if (m_echo)
        m_output(std::string_view(&c, 1));
    if (c == '\r') {
        std::string line;
        line.swap(m_line);
        runLine(line);
    } else if (c == '\b' || c == 0x7f) {
        if (!m_line.empty())
            m_line.pop_back();
    } else if (c != '\n' && m_line.size() <= kLongestCommand) {
        m_line += c;
    }
}

void VirtualModem::runLine(const std::string& line) {
    if (line.size() < 2 || upper(line[0]) != 'A' || upper(line[1]) != 'T')
        return; // not a command: a modem ignores it
    if (line.size() > kLongestCommand || !runCommands(std::string_view(line).substr(2)))
        result(Result::Error);
}

// Runs the commands after AT; false when one is unknown. A dial or ATO gives its own result.
bool VirtualModem::runCommands(std::string_view rest) {
    while (!rest.empty()) {
        char command = upper(rest.front());
        rest.remove_prefix(1);
        switch (command) {
        case ' ':
            break;
        case 'E':
            m_echo = number(rest) != 0;
            break;
        case 'V':
            m_verbose = number(rest) != 0;
            break;
        case 'Q':
            m_quiet = number(rest) != 0;
            break;
        case 'L':
        case 'M':
        case 'X':
            number(rest);
            break;
        case 'Z':
            number(rest);
            goOnHook();
            resetSettings();
            break;
        case '&': {
            if (rest.empty())
                return false;
            char which = upper(rest.front());
            rest.remove_prefix(1);
            number(rest);
            if (which == 'F')
                resetSettings();
            else if (!std::isalpha(static_cast<unsigned char>(which)))
                return false;
            break;
        }
        case 'H':
            if (number(rest) == 0)
                goOnHook();
            break;
        case 'I':
            number(rest);
            reply(kIdentity);
            break;
        case 'S': {
            number(rest);
            if (!rest.empty() && rest.front() == '?') {
                rest.remove_prefix(1);
                reply("000");
            } else if (!rest.empty() && rest.front() == '=') {
                rest.remove_prefix(1);
                number(rest);
            } else {
                return false;
            }
            break;
        }
        case 'O':
            number(rest);
            if (m_carrier && m_mode == Mode::OnlineCommand) {
                m_mode = Mode::Online;
                m_lastData = Clock::now();
                result(Result::Connect);
            } else {
                result(Result::NoCarrier);
            }
            return true;
        case 'D':
            if (m_carrier)
                return false;
            dial(rest);
            return true;
        default:
            return false;
        }
    }
    result(Result::Ok);
    return true;
}

void VirtualModem::dial(std::string_view number) {
    m_mode = Mode::Dialing;
    ModemOutcome outcome = m_script.nextOutcome(number);
    if (outcome.kind == ModemOutcome::Kind::Silence)
        return; // the dial never ends by itself
    m_dialTimer = after(m_script.timings.dialSeconds, [this, outcome] {
        m_dialTimer = 0;
        dialEnded(outcome);
    });
}

void VirtualModem::dialEnded(const ModemOutcome& outcome) {
    using K = ModemOutcome::Kind;
    m_mode = Mode::Command;
    switch (outcome.kind) {
    case K::Connect:
        m_mode = Mode::Online;
        m_carrier = true;
        m_speed = outcome.speed;
        m_lastData = Clock::now();
        m_pluses = 0;
        result(Result::Connect);
        if (outcome.dropAfterSeconds)
            m_dropTimer = after(*outcome.dropAfterSeconds, [this] {
                m_dropTimer = 0;
                carrierDropped();
            });
        return;
    case K::Busy:
        result(Result::Busy);
        return;
    case K::NoCarrier:
        result(Result::NoCarrier);
        return;
    case K::NoAnswer:
        result(Result::NoAnswer);
        return;
    case K::NoDialTone:
        result(Result::NoDialTone);
        return;
    case K::Silence:
        return;
    }
}

void VirtualModem::carrierDropped() {
    goOnHook();
    result(Result::NoCarrier);
}

void VirtualModem::dataByte(char c, Clock::time_point now) {
    double silence = std::chrono::duration<double>(now - m_lastData).count();
    m_lastData = now;
    stop(m_guardTimer);
    bool guarded = m_pluses > 0 || silence >= m_script.timings.guardSeconds;
    m_pluses = c == '+' && guarded && m_pluses < 3 ? m_pluses + 1 : 0;
    if (m_pluses == 3)
        m_guardTimer = after(m_script.timings.guardSeconds, [this] {
            m_guardTimer = 0;
            escapeGuardPassed();
        });
}

void VirtualModem::escapeGuardPassed() {
    m_pluses = 0;
    m_mode = Mode::OnlineCommand;
    result(Result::Ok);
}

void VirtualModem::lineDropped() {
    goOnHook();
    m_line.clear();
}

void VirtualModem::goOnHook() {
    stop(m_dialTimer);
    stop(m_dropTimer);
    stop(m_guardTimer);
    m_carrier = false;
    m_pluses = 0;
    m_mode = Mode::Command;
}

void VirtualModem::resetSettings() {
    m_echo = true;
    m_verbose = true;
    m_quiet = false;
}

void VirtualModem::result(Result code) {
    if (m_quiet)
        return;
    static constexpr const char* kWords[] = {"OK",    "CONNECT",     "RING", "NO CARRIER",
                                             "ERROR", "NO DIALTONE", "BUSY", "NO ANSWER"};
    static constexpr const char* kNumbers[] = {"0", "1", "2", "3", "4", "6", "7", "8"};
    auto index = static_cast<size_t>(code);
    if (!m_verbose) {
        say(std::string(kNumbers[index]) + "\r");
        return;
    }
    std::string words = kWords[index];
    if (code == Result::Connect)
        words += " " + std::to_string(m_speed);
    reply(words);
}

void VirtualModem::reply(const std::string& text) {
    say("\r\n" + text + "\r\n");
}

void VirtualModem::say(const std::string& bytes) {
    if (m_script.timings.replySeconds <= 0) {
        m_output(bytes);
        return;
    }
    auto id = std::make_shared<EventLoop::Id>(0);
    *id = after(m_script.timings.replySeconds, [this, bytes, id] {
        m_replies.erase(*id);
        m_output(bytes);
    });
    m_replies.insert(*id);
}

} // namespace quillan
