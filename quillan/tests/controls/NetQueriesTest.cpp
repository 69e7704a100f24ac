#include "LocalNameServer.h"
#include "NetworkNamespace.h"
#include "ServerProcess.h"
#include "TempFolder.h"

#include "controls/AresHostLookup.h"
#include "controls/AresResolver.h"
#include "controls/SntpPacket.h"
#include "controls/SntpTime.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <ctime>
#include <memory>
#include <string>
#include <vector>

using namespace quillan;
using namespace quillan::test;

namespace {

// A UDP port on loopback that takes datagrams and never answers.
class SilentUdpPeer {
  public:
    SilentUdpPeer() : m_fd(::socket(AF_INET, SOCK_DGRAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
    }
    ~SilentUdpPeer() { ::close(m_fd); }
    int port() const { return m_port; }

  private:
    int m_fd;
    int m_port = 0;
};

// dnsmasq answering from a hosts file of the test's own, and nothing else.
class HostLookupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_server.ready()) << "dnsmasq did not start on port " << m_server.port();
    }

    // Runs one lookup to its Done: the error code and the answer (the address or the name).
    std::pair<int, std::string> lookup(const std::string& servers, std::int16_t action,
                                       const std::string& input) {
        AresResolver resolver(m_loop, {.servers = servers, .timeoutMs = 300, .tries = 1});
        AresHostLookup control(resolver);
        int code = -1;
        bool asking = true;
        control.Done = [&](std::int16_t error) {
            // The window sets its pending mode after asking: an answer inside the asking would be lost.
            EXPECT_FALSE(asking) << input;
            code = error;
        };
        if (action == kLookupAddress)
            control.setHostName(input);
        else
            control.setHostAddress(input);
        control.setAction(action);
        asking = false;
        m_loop.runUntil([&] { return code != -1; }, 5000);
        return {code, code == 0 ? (action == kLookupAddress ? control.HostAddress() : control.HostName())
                                : control.lastError()};
    }
    std::string dnsmasq() const { return m_server.servers(); }

    PollEventLoop m_loop;
    LocalNameServer m_server{"10.1.2.3 alpha.quillan.test\nfd00::6 six.quillan.test\n"};
};

// An SNTP server of the test's own: chronyd serving its local clock, which it leaves alone.
class TimeQueryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_port = freeLoopbackPort(SOCK_DGRAM);
        const auto config =
            m_dir.write("chrony.conf", "local stratum 8\nport " + std::to_string(m_port) +
                                           "\ncmdport 0\nallow 127.0.0.1\nbindaddress 127.0.0.1\n"
                                           "pidfile " +
                                           (m_dir.path() / "chronyd.pid").string() + "\n");
        m_server = std::make_unique<ServerProcess>(
            std::vector<std::string>{"/usr/sbin/chronyd", "-d", "-x", "-u", "root", "-f", config.string()});
        ASSERT_TRUE(boundUdp(m_port, 5000)) << "chronyd did not start on port " << m_port;
    }

    // Runs one query to its Done: the error code, and the time text or why it failed.
    std::pair<int, std::string> query(int port, int timeoutMs = 3000) {
        AresResolver resolver(m_loop);
        SntpTime control(m_loop, resolver, {.host = "127.0.0.1", .port = port, .timeoutMs = timeoutMs});
        int code = -1;
        control.Done = [&](std::int16_t error) { code = error; };
        control.GetTime();
        m_loop.runUntil([&] { return code != -1; }, 10000);
        return {code, code == 0 ? control.TimeText() : control.lastError()};
    }

    PollEventLoop m_loop;
    TempFolder m_dir;
    int m_port = 0;
    std::unique_ptr<ServerProcess> m_server;
};

} // namespace

TEST_F(HostLookupTest, addressesAndNamesComeFromTheNameServer_failuresSayWhy) {
    SilentUdpPeer silent;
    const std::string never = "127.0.0.1:" + std::to_string(silent.port());
    struct Case {
        std::string servers;
        std::int16_t action;
        std::string input;
        int code;
        std::string answer; // the answer, or words of the failure
    };
    const std::vector<Case> cases{
        {dnsmasq(), kLookupAddress, "alpha.quillan.test", 0, "10.1.2.3"},
        {dnsmasq(), kLookupAddress, "six.quillan.test", 0, "fd00::6"},
        // Answered from the system's hosts file, inside the call that asks (127.0.0.1 or ::1).
        {dnsmasq(), kLookupAddress, "localhost", 0, ""},
        {dnsmasq(), kLookupName, "10.1.2.3", 0, "alpha.quillan.test"},
        {dnsmasq(), kLookupName, "fd00::6", 0, "six.quillan.test"},
        {dnsmasq(), kLookupAddress, "missing.quillan.test", 1, "name server answered"},
        {dnsmasq(), kLookupName, "10.9.9.9", 1, "name server answered"},
        {dnsmasq(), kLookupName, "not an address", 1, "is not an IPv4 or IPv6 address"},
        {never, kLookupAddress, "alpha.quillan.test", 1, "Timeout"},
    };
    for (const Case& c : cases) {
        const auto [code, answer] = lookup(c.servers, c.action, c.input);
        EXPECT_EQ(code, c.code) << c.input << ": " << answer;
        if (c.code == 0 && !c.answer.empty())
            EXPECT_EQ(answer, c.answer) << c.input;
        else
            EXPECT_NE(answer.find(c.answer), std::string::npos) << c.input << ": " << answer;
    }
}

// A call that comes up brings its own name servers (pppd rewrites /etc/resolv.conf): the next lookup
// asks them. Run where /etc/resolv.conf can be swapped for the test's own: a mount namespace.
TEST(SystemNameServers, rewrittenResolvConf_isFollowedByTheNextLookup) {
    TempFolder dir;
    const auto resolvConf = dir.write("resolv.conf", "nameserver 127.0.0.2\n");
    const std::string out = inNetworkNamespace(
        [&] {
            if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount(resolvConf.c_str(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) != 0)
                return std::string("skip: cannot put a resolv.conf of the test's own in place");
            LocalNameServer dnsmasq("10.1.2.3 alpha.quillan.test\n", 53);
            if (!dnsmasq.ready())
                return std::string("fail: dnsmasq did not start");
            PollEventLoop loop;
            AresResolver resolver(loop, {.servers = "", .timeoutMs = 300, .tries = 1});
            auto lookup = [&] {
                std::string answer;
                bool done = false;
                resolver.addresses("alpha.quillan.test", AF_UNSPEC,
                                   [&](const std::string& error, const std::vector<std::string>& found) {
                                       answer = error.empty() ? found.front() : "failed";
                                       done = true;
                                   });
                loop.runUntil([&] { return done; }, 5000);
                return answer;
            };
            const std::string before = lookup();
            dir.write("resolv.conf", "nameserver 127.0.0.1\noptions attempts:1\n");
            return before + " " + lookup();
        },
        CLONE_NEWNS);
    if (out.rfind("skip: ", 0) == 0)
        GTEST_SKIP() << out.substr(6);
    EXPECT_EQ(out, "failed 10.1.2.3");
}

TEST_F(TimeQueryTest, theServersTimeComesBack_silentAndClosedPortsFail) {
    const std::time_t before = std::time(nullptr);
    const auto [code, text] = query(m_port);
    ASSERT_EQ(code, 0) << text;
    // The server's clock is this machine's, so its answer is now.
    const std::time_t after = std::time(nullptr);
    EXPECT_TRUE(text == SntpPacket::rfc1123(before) || text == SntpPacket::rfc1123(after)) << text;

    SilentUdpPeer silent;
    const auto [silentCode, silentError] = query(silent.port(), 400);
    EXPECT_EQ(silentCode, 1);
    EXPECT_NE(silentError.find("no answer from the time server 127.0.0.1"), std::string::npos) << silentError;

    const int closedPort = freeLoopbackPort(SOCK_DGRAM);
    const auto [closedCode, closedError] = query(closedPort);
    EXPECT_EQ(closedCode, 1);
    EXPECT_NE(closedError.find("did not take the request"), std::string::npos) << closedError;
}
