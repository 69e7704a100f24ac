#include "TestServers.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillan {

ChildServer::ChildServer(const std::vector<std::string>& argv, const std::vector<std::string>& environment,
                         int keepFd, const std::filesystem::path& output) {
    m_pid = ::fork();
    if (m_pid != 0)
        return;
    // A test that ends without its tear-down (a crash, an exit from a library) takes its server with it.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    for (const std::string& entry : environment)
        ::putenv(const_cast<char*>(entry.c_str()));
    const int out = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int null = ::open("/dev/null", O_RDWR);
    ::dup2(null, STDIN_FILENO);
    ::dup2(out, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != keepFd)
            ::close(fd);
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
}

ChildServer::~ChildServer() {
    stop();
}

bool ChildServer::running() {
    return m_pid > 0 && ::waitpid(m_pid, nullptr, WNOHANG) == 0;
}

void ChildServer::stop() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    if (!waitFor([this] { return ::waitpid(m_pid, nullptr, WNOHANG) == m_pid; }, 5)) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
}

bool waitFor(const std::function<bool()>& ready, int seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return ready();
}

std::string commandOutput(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return "";
    std::string out;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    return ::pclose(pipe) == 0 ? out : "";
}

std::string installed(const std::string& program) {
    std::string out = commandOutput("command -v " + program + " 2>/dev/null");
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

} // namespace quillan
