#pragma once

#include "ChildProcess.h"
#include "PppdOutput.h"
#include "runtime/EventLoop.h"

#include <functional>
#include <string>
#include <vector>

namespace quillan {

struct PppdPlan {
    std::string program = "/usr/sbin/pppd";
    // Names pppd's pid file ppp-<linkName>.pid; left out when it cannot be a file name.
    std::string linkName;
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
        std::function<void()> authenticated;
        std::function<void()> linkUp;
        std::function<void(const std::string& reason)> ended;
    };

    PppdSession(EventLoop& loop, Events events) : m_loop(loop), m_events(std::move(events)) {}
    ~PppdSession() { stop(); }
    PppdSession(const PppdSession&) = delete;
    PppdSession& operator=(const PppdSession&) = delete;

    // The descriptor number pppd reads the password from.
    static constexpr int kPasswordFd = 3;
    // The longest password pppd's password plugin takes; a longer one would be cut short.
    static constexpr std::size_t kLongestPassword = 255;
    static std::vector<std::string> arguments(const PppdPlan& plan);

    // Returns "" or the reason pppd could not be started.
    std::string start(const PppdPlan& plan, int lineFd);
    // Ends pppd without reporting it.
    void stop();

private:
    void readLog();
    void awaitExit(int attemptsLeft);
    void closeLog();

    EventLoop& m_loop;
    Events m_events;
    ChildProcess m_process;
    PppdOutput m_output;
    int m_logFd = -1;
    EventLoop::Id m_logWatch = 0;
    EventLoop::Id m_exitCheck = 0;
};

} // namespace quillan
