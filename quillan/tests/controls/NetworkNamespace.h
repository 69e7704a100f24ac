#pragma once

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

namespace quillan::test {

inline bool writeIpv4Sysctl(const std::string& name, const std::string& value) {
    std::ofstream file("/proc/sys/net/ipv4/" + name);
    file << value;
    return static_cast<bool>(file.flush());
}

inline bool bringLoopbackUp() {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP;
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

// Runs body in a child inside a network namespace of its own (and the other namespaces of flags),
// whose only interface is loopback, up. Returns what body returned, or "skip: REASON" where the
// machine cannot make the namespace.
inline std::string inNetworkNamespace(const std::function<std::string()>& body, int flags = 0) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "fail: no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string out;
        if (::unshare(CLONE_NEWNET | flags) != 0)
            out = "skip: cannot make a network namespace (needs root or user namespaces)";
        else if (!bringLoopbackUp())
            out = "fail: cannot bring the namespace's loopback up";
        else
            out = body();
        (void)!::write(pipeFds[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string out;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(got));
    ::close(pipeFds[0]);
    ::waitpid(child, nullptr, 0);
    return out;
}

} // namespace quillan::test
