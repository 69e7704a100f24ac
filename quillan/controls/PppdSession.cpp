#include "PppdSession.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillan {

namespace {

constexpr int kExitCheckMs = 10;
constexpr int kExitChecks = 200;

struct Pipe {
    int read = -1;
    int write = -1;
    ~Pipe() {
        closeEnd(read);
        closeEnd(write);
    }
    static void closeEnd(int& fd) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
    bool open() {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return false;
        read = fds[0];
        write = fds[1];
        return true;
    }
};

} // namespace

std::vector<std::string> PppdSession::arguments(const PppdPlan& plan) {
    // Only options a user in the group dip may give; the privileged ones are in the peers file.
    std::vector<std::string> args{"call", plan.peers, "nodetach", "logfd", "2"};
    if (!plan.lineOptions)
        return args;
    if (plan.localLine)
        args.insert(args.end(), {"local", "nocrtscts"});
    else
        args.insert(args.end(), {"modem", "crtscts"});
    if (plan.speed > 0)
        args.push_back(std::to_string(plan.speed));
    if (!plan.user.empty())
        args.insert(args.end(), {"user", plan.user});
    if (!plan.password.empty())
        args.insert(args.end(), {"passwordfd", std::to_string(kPasswordFd)});
    if (!plan.entry.empty())
        args.insert(args.end(), {"ipparam", plan.entry});
    return args;
}

std::string PppdSession::start(const PppdPlan& plan, int lineFd) {
    stop();
    Pipe log;
    Pipe password;
    if (!log.open() || !password.open())
        return std::strerror(errno);
    if (plan.password.size() > kLongestPassword)
        return "the password is longer than the " + std::to_string(kLongestPassword) +
               " characters pppd takes";
    // Far shorter than a pipe's buffer, so it fits at once; never let the write wait all the same.
    ::fcntl(password.write, F_SETFL, O_NONBLOCK);
    if (::write(password.write, plan.password.data(), plan.password.size()) !=
        static_cast<ssize_t>(plan.password.size()))
        return std::strerror(errno);
    Pipe::closeEnd(password.write);

    std::vector<ChildProcess::Descriptor> descriptors{{1, log.write}, {2, log.write}};
    if (lineFd >= 0)
        descriptors.emplace_back(0, lineFd);
    if (!plan.password.empty())
        descriptors.emplace_back(kPasswordFd, password.read);
    if (std::string error = m_process.start(plan.program, arguments(plan), descriptors); !error.empty())
        return error;
    Pipe::closeEnd(log.write);
    m_logFd = log.read;
    log.read = -1;
    ::fcntl(m_logFd, F_SETFL, O_NONBLOCK);
    m_logWatch = m_loop.watchReadable(m_logFd, [this] { readLog(); });
    return "";
}

void PppdSession::readLog() {
    char buffer[1024];
    ssize_t n = ::read(m_logFd, buffer, sizeof buffer);
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (n > 0) {
        for (PppdOutput::Event event :
             m_output.feed(std::string_view(buffer, static_cast<size_t>(n)), logged)) {
            auto& report = event == PppdOutput::Event::SerialConnected ? m_events.serialConnected
                           : event == PppdOutput::Event::Negotiating   ? m_events.negotiating
                           : event == PppdOutput::Event::Authenticated ? m_events.authenticated
                                                                       : m_events.linkUp;
            if (report)
                report();
        }
        return;
    }
    closeLog(); // pppd closed its log: it is ending
    awaitExit(kExitChecks);
}

void PppdSession::awaitExit(int attemptsLeft) {
    m_exitCheck = 0;
    std::optional<int> status = m_process.ended();
    if (!status && attemptsLeft > 0) {
        m_exitCheck = m_loop.singleShot(kExitCheckMs, [this, attemptsLeft] { awaitExit(attemptsLeft - 1); });
        return;
    }
    if (!status)
        m_ender.end(m_process.release());
    if (m_events.ended)
        m_events.ended(m_output.reason(status.value_or(0)));
}

void PppdSession::closeLog() {
    if (m_logWatch)
        m_loop.unwatch(m_logWatch);
    m_logWatch = 0;
    Pipe::closeEnd(m_logFd);
}

void PppdSession::stop() {
    closeLog();
    if (m_exitCheck)
        m_loop.cancel(m_exitCheck);
    m_exitCheck = 0;
    m_ender.end(m_process.release());
}

} // namespace quillan
