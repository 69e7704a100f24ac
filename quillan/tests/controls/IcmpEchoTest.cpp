#include "NetworkNamespace.h"

#include "controls/AresResolver.h"
#include "controls/LinuxIcmpEcho.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

using namespace quillan;

namespace {

constexpr const char* kPayload = "abcdefghijklmnopqrstuvwabcdefghi";

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

// The keep-alive waits 2700 ms for each reply; a shorter wait proves the same one-after-another
// order in less time, and is still twice the longest gap allowed to the loop.
constexpr int kTimeoutMs = 400;
constexpr long kLongestGapMs = kTimeoutMs / 2;

// One burst as the keep-alive runs it, with a repeating timer standing in for the window: the longest
// gap between its ticks shows whether the loop stayed free.
std::string burst(const std::string& host) {
    PollEventLoop loop;
    AresResolver resolver(loop);
    LinuxIcmpEcho echo(loop, resolver);
    auto destination = std::make_shared<IcmpEchoControl::Address>(0);
    int replies = 0;
    const long sentBefore = outEchos();
    const auto start = std::chrono::steady_clock::now();
    auto lastTick = start;
    long longestGapMs = 0;
    loop.repeating(50, [&] {
        const auto now = std::chrono::steady_clock::now();
        longestGapMs = std::max<long>(
            longestGapMs, std::chrono::duration_cast<std::chrono::milliseconds>(now - lastTick).count());
        lastTick = now;
    });
    echo.WSAStartup();
    echo.gethostbyname(host, [&](IcmpEchoControl::Address found) { *destination = found; });
    echo.IcmpCreateFile();
    for (int i = 0; i < 5; ++i)
        echo.IcmpSendEcho(destination, kPayload, 255, kTimeoutMs, [&](int replied) { replies += replied; });
    echo.IcmpCloseHandle();
    echo.WSACleanup();
    loop.runUntil([&] { return echo.idle(); }, 20000);
    const long elapsedMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    std::ostringstream report;
    report << replies << ' ' << outEchos() - sentBefore << ' ' << elapsedMs << ' ' << longestGapMs;
    return report.str();
}

} // namespace

// Each burst sends exactly five requests, one after another on the event loop; unanswered, it ends
// within five time-outs and the loop stays free all along.
TEST(IcmpEcho, burstOnLoopback_sendsFiveRequestsAndLeavesTheLoopFree) {
    // Any group may open ICMP datagram sockets there; the second burst finds nobody answering.
    const std::string out = test::inNetworkNamespace([] {
        if (!test::writeIpv4Sysctl("ping_group_range", "0 2147483647"))
            return std::string("fail: cannot set ping_group_range");
        std::string reports = burst("127.0.0.1") + "\n";
        if (!test::writeIpv4Sysctl("icmp_echo_ignore_all", "1"))
            return std::string("fail: cannot ignore echoes");
        return reports + burst("127.0.0.1");
    });
    if (out.rfind("skip: ", 0) == 0)
        GTEST_SKIP() << out.substr(6);
    std::istringstream lines(out);
    int replied = -1, sent = -1, unansweredReplies = -1, unansweredSent = -1;
    long ms = -1, gapMs = -1, unansweredMs = -1, unansweredGapMs = -1;
    lines >> replied >> sent >> ms >> gapMs >> unansweredReplies >> unansweredSent >> unansweredMs >>
        unansweredGapMs;
    ASSERT_TRUE(lines) << out;

    EXPECT_EQ(replied, 5);
    EXPECT_EQ(sent, 5);
    EXPECT_LT(ms, 1000);

    EXPECT_EQ(unansweredReplies, 0);
    EXPECT_EQ(unansweredSent, 5);
    EXPECT_GE(unansweredMs, 5 * kTimeoutMs);
    EXPECT_LT(unansweredMs, 6 * kTimeoutMs);
    EXPECT_LT(unansweredGapMs, kLongestGapMs);
}
