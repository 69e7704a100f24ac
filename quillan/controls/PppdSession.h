#pragma once

#include "ChildProcess.h"
#include "PppdOutput.h"
#include "ProcessEnder.h"
#include "runtime/EventLoop.h"

#include <functional>
#include <string>
#include <vector>

namespace quillan {

struct PppdPlan {
    std::string program = "/usr/sbin/pppd";
    // The file of /etc/ppp/peers that holds the options only root may give (pppd call NAME).
    std::string peers = "quillan";
    // False for a peers file of the user's own, which names its line and its chat script itself.
    bool lineOptions = true;
    // The phonebook entry, handed to pppd's scripts as ipparam.
    std::string entry;
    // "DOMAIN\user" where a domain is set.
    std::string user;
    // Handed over through a pipe, never on a command line or in the environment.
    std::string password;
    int speed = 0;
    // A line without modem control signals (the virtual modem's pseudo-terminal).
    bool localLine = false;
};

// pppd running on a line that a modem has connected, followed through its log.
class PppdSession {
  public:
    struct Events {
        // Only a call whose peers file runs its own chat script reports this.
        std::function<void()> serialConnected;
        std::function<void()> negotiating;
        std::function<void()> authenticated;
        std::function<void()> linkUp;
        std::function<void(const std::string& reason)> ended;
    };

    PppdSession(EventLoop& loop, ProcessEnder& ender, Events events)
        : m_loop(loop), m_ender(ender), m_events(std::move(events)) {}
    ~PppdSession() { stop(); }
    PppdSession(const PppdSession&) = delete;
    PppdSession& operator=(const PppdSession&) = delete;

    // The descriptor number pppd reads the password from.
    static constexpr int kPasswordFd = 3;
    // The longest password pppd's password plugin takes; a longer one would be cut short.
    static constexpr std::size_t kLongestPassword = 255;
    static std::vector<std::string> arguments(const PppdPlan& plan);

    // Returns "" or the reason pppd could not be started. Without a line (-1) pppd opens its peers file's.
    std::string start(const PppdPlan& plan, int lineFd);
    // Ends pppd without reporting it; it finishes the link on its own time, on the event loop.
    void stop();
    pid_t pid() const { return m_process.pid(); }
    // The interface pppd named for the link (ppp0), once it has.
    const std::string& interfaceName() const { return m_output.interfaceName(); }
    // Every line pppd logs, as it comes.
    std::function<void(std::string_view line)> logged;

  private:
    void readLog();
    void awaitExit(int attemptsLeft);
    void closeLog();

    EventLoop& m_loop;
    ProcessEnder& m_ender;
    Events m_events;
    ChildProcess m_process;
    PppdOutput m_output;
    int m_logFd = -1;
    EventLoop::Id m_logWatch = 0;
    EventLoop::Id m_exitCheck = 0;
};

} // namespace quillan
