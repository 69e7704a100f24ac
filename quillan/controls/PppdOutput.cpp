#include "PppdOutput.h"

#include <sys/wait.h>

namespace quillan {

namespace {

// Lines of a link coming up or going down normally; anything else is a complaint.
constexpr std::string_view kProgress[] = {
    "Plugin ",
    "Using interface",
    "Connect:",
    "Serial connection established",
    "local ",
    "remote ",
    "primary ",
    "secondary ",
    "Script ",
    "sent [",
    "rcvd [",
    "Sent ",
    "Connect time",
    "PAP authentication succeeded",
    "CHAP authentication succeeded",
    "Connection terminated",
    "Terminating on signal",
    "Hangup (SIGHUP)",
};

std::string_view exitMeaning(int code) {
    switch (code) {
    case 1:
        return "pppd ended on a fatal error";
    case 2:
        return "pppd was given bad options";
    case 3:
        return "pppd is not setuid-root and needs to be";
    case 4:
        return "this system lacks kernel support for PPP";
    case 5:
        return "pppd was ended by a signal";
    case 6:
        return "the serial port could not be locked";
    case 7:
        return "the serial port could not be opened";
    case 8:
        return "the connect script failed";
    case 10:
        return "the PPP negotiation failed";
    case 11:
        return "the peer failed to authenticate itself";
    case 12:
        return "the link was idle too long";
    case 13:
        return "the connect time limit was reached";
    case 15:
        return "the peer stopped responding";
    case 16:
        return "the modem hung up";
    case 17:
        return "the serial line is looped back";
    case 18:
        return "the init script failed";
    case 19:
        return "authentication with the server failed";
    default:
        return {};
    }
}

} // namespace

std::vector<PppdOutput::Event> PppdOutput::feed(std::string_view bytes,
                                                const std::function<void(std::string_view line)>& logged) {
    std::vector<Event> events;
    m_lines.feed(bytes, [&](const LineReader::Line& line) {
        if (logged)
            logged(line.text);
        onLine(line.text, events);
    });
    return events;
}

void PppdOutput::onLine(std::string_view line, std::vector<Event>& events) {
    if (line.starts_with("Serial connection established"))
        events.push_back(Event::SerialConnected);
    if (line.starts_with("Connect: "))
        events.push_back(Event::Negotiating);
    if (line.starts_with("Using interface ") && m_interface.empty())
        m_interface = line.substr(16);
    if (line.find("authentication succeeded") != std::string_view::npos)
        events.push_back(Event::Authenticated);
    if (line.starts_with("local  IP address") || line.starts_with("local IP address"))
        events.push_back(Event::LinkUp);
    if (!m_complaint.empty() || line.empty() || line.front() == ' ' || line.front() == '\t')
        return;
    // pppd names itself before some complaints: "/usr/sbin/pppd: ..."
    size_t self = line.find("pppd: ");
    if (self != std::string_view::npos && line.substr(0, self).find(' ') == std::string_view::npos)
        line.remove_prefix(self + 6);
    for (std::string_view progress : kProgress)
        if (line.starts_with(progress))
            return;
    m_complaint = line;
}

std::string PppdOutput::reason(int waitStatus) const {
    std::string meaning;
    if (WIFEXITED(waitStatus))
        meaning = exitMeaning(WEXITSTATUS(waitStatus));
    else if (WIFSIGNALED(waitStatus))
        meaning = "pppd was ended by signal " + std::to_string(WTERMSIG(waitStatus));
    if (m_complaint.empty())
        return meaning.empty() ? "pppd ended with status " + std::to_string(WEXITSTATUS(waitStatus))
                               : meaning;
    return meaning.empty() ? m_complaint : m_complaint + " (" + meaning + ")";
}

} // namespace quillan
