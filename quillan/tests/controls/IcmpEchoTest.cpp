#include "controls/AresResolver.h"
#include "controls/LinuxIcmpEcho.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

using namespace quillan;

namespace {

constexpr const char* kPayload = "abcdefghijklmnopqrstuvwabcdefghi";

bool writeSysctl(const std::string& name, const std::string& value) {
    std::ofstream file("/proc/sys/net/ipv4/" + name);
    file << value;
    return static_cast<bool>(file.flush());
}

bool bringLoopbackUp() {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    bool up = ::ioctl(fd, SIOCGIFFLAGS, &request) == 0;
    request.ifr_flags |= IFF_UP;
    up = up && ::ioctl(fd, SIOCSIFFLAGS, &request) == 0;
    ::close(fd);
    return up;
}

// Echo requests this network namespace has sent, as the kernel counts them.
long outEchos() {
    std::ifstream snmp("/proc/net/snmp");
    std::string header, values;
    while (std::getline(snmp, header) && std::getline(snmp, values)) {
        if (header.rfind("Icmp:", 0) != 0)
            continue;
        std::istringstream names(header), numbers(values);
        std::string name, number;
        while (names >> name && numbers >> number)
            if (name == "OutEchos")
                return std::stol(number);
    }
    return -1;
}

// One burst as the keep-alive runs it, with a repeating timer standing in for the window: the longest
// gap between its ticks shows whether the loop stayed free.
std::string burst(const std::string& host) {
    PollEventLoop loop;
    AresResolver resolver(loop);
    LinuxIcmpEcho echo(loop, resolver);
    IcmpEchoControl::Address destination = 0;
    int replies = 0;
    const long sentBefore = outEchos();
    const auto start = std::chrono::steady_clock::now();
    auto lastTick = start;
    long longestGapMs = 0;
    loop.repeating(50, [&] {
        const auto now = std::chrono::steady_clock::now();
        longestGapMs = std::max<long>(longestGapMs, std::chrono::duration_cast<std::chrono::milliseconds>(now - lastTick).count());
        lastTick = now;
    });
    echo.WSAStartup();
    echo.gethostbyname(host, [&](IcmpEchoControl::Address found) { destination = found; });
    echo.IcmpCreateFile();
    for (int i = 0; i < 5; ++i)
        echo.IcmpSendEcho(destination, kPayload, 255, 2700, [&](int replied) { replies += replied; });
    echo.IcmpCloseHandle();
    echo.WSACleanup();
    loop.runUntil([&] { return echo.idle(); }, 20000);
    const long elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    std::ostringstream report;
    report << replies << ' ' << outEchos() - sentBefore << ' ' << elapsedMs << ' ' << longestGapMs;
    return report.str();
}

// Runs the bursts in a child inside a network namespace of its own with only loopback, where any
// group may open ICMP datagram sockets. Returns one report line a burst, or why it could not run.
std::string inNetworkNamespace() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        std::string out;
        if (::unshare(CLONE_NEWNET) != 0)
            out = "skip: cannot make a network namespace (needs root or user namespaces)";
        else if (!bringLoopbackUp() || !writeSysctl("ping_group_range", "0 2147483647"))
            out = "fail: cannot set up the namespace's loopback";
        else {
            out = burst("127.0.0.1") + "\n";
            // Nobody answers from here on: every request times out.
            out += writeSysctl("icmp_echo_ignore_all", "1") ? burst("127.0.0.1") : "fail: cannot ignore echoes";
        }
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

} // namespace

// Each burst sends exactly five requests, one after another on the event loop; unanswered, it ends
// within five time-outs and the loop stays free all along.
TEST(IcmpEcho, burstOnLoopback_sendsFiveRequestsAndLeavesTheLoopFree) {
    const std::string out = inNetworkNamespace();
    if (out.rfind("skip: ", 0) == 0)
        GTEST_SKIP() << out.substr(6);
    std::istringstream lines(out);
    int replied = -1, sent = -1, unansweredReplies = -1, unansweredSent = -1;
    long ms = -1, gapMs = -1, unansweredMs = -1, unansweredGapMs = -1;
    lines >> replied >> sent >> ms >> gapMs >> unansweredReplies >> unansweredSent >> unansweredMs >> unansweredGapMs;
    ASSERT_TRUE(lines) << out;

    EXPECT_EQ(replied, 5);
    EXPECT_EQ(sent, 5);
    EXPECT_LT(ms, 1000);

    EXPECT_EQ(unansweredReplies, 0);
    EXPECT_EQ(unansweredSent, 5);
    EXPECT_GE(unansweredMs, 5 * 2700);
    EXPECT_LT(unansweredMs, 5 * 2700 + 1000);
    EXPECT_LT(unansweredGapMs, 500);
}
