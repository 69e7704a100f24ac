#include "ChildProcess.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace quillan {

std::string ChildProcess::start(const std::string& program, const std::vector<std::string>& args,
                                const std::vector<Descriptor>& descriptors) {
    stop();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Lowest targets first, so a parent descriptor is handed over before its number is reused.
    std::vector<Descriptor> ordered = descriptors;
    std::sort(ordered.begin(), ordered.end());
    int highest = 2;
    for (auto [child, parent] : ordered) {
        posix_spawn_file_actions_adddup2(&actions, parent, child);
        highest = std::max(highest, child);
    }
    posix_spawn_file_actions_addclosefrom_np(&actions, highest + 1);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int signal : {SIGPIPE, SIGTERM, SIGINT, SIGHUP, SIGCHLD})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    int error = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (error != 0)
        return std::strerror(error);
    m_pid = pid;
    return "";
}

std::optional<int> ChildProcess::ended() {
    if (m_pid <= 0)
        return std::nullopt;
    int status = 0;
    pid_t done = ::waitpid(m_pid, &status, WNOHANG);
    if (done == 0 || (done < 0 && errno == EINTR))
        return std::nullopt;
    m_pid = -1;
    return done > 0 ? status : 0; // reaped elsewhere: gone all the same
}

std::optional<int> ChildProcess::stop(int graceMs) {
    if (m_pid <= 0)
        return std::nullopt;
    ::kill(m_pid, SIGTERM);
    constexpr int kStepMs = 5;
    for (int waited = 0; waited < graceMs; waited += kStepMs) {
        if (auto status = ended())
            return status;
        ::usleep(kStepMs * 1000);
    }
    if (auto status = ended())
        return status;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    return status;
}

} // namespace quillan
