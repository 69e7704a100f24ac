#include "LocalNameServer.h"
#include "ServerProcess.h"

#include "controls/AresResolver.h"
#include "controls/LineAnswer.h"
#include "controls/LinuxFinger.h"
#include "controls/LinuxWhoIs.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace quillan;
using namespace quillan::test;

namespace {

// A TCP server on loopback of the test's own, for peers no package provides: each connection is
// handed to the behaviour, on a thread of the server's.
class ScriptedPeer {
  public:
    using Behaviour = std::function<void(int connection)>;
    explicit ScriptedPeer(Behaviour behaviour) : m_behaviour(std::move(behaviour)) {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(m_listener, 4);
        ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length);
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            for (int connection; (connection = ::accept(m_listener, nullptr, nullptr)) >= 0;) {
                m_behaviour(connection);
                ::close(connection);
            }
        });
    }
    ~ScriptedPeer() {
        ::shutdown(m_listener, SHUT_RDWR);
        ::close(m_listener);
        m_thread.join();
    }
    int port() const { return m_port; }

  private:
    Behaviour m_behaviour;
    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
};

std::string readLine(int connection) {
    std::string line;
    char c;
    while (::recv(connection, &c, 1, 0) == 1 && c != '\n')
        line += c;
    return line;
}

void sendAll(int connection, const std::string& text) {
    ::send(connection, text.data(), text.size(), MSG_NOSIGNAL);
}

// Echoes the question, then a line of bytes that are not text.
void answerWithTheQuestion(int connection) {
    const std::string question = readLine(connection);
    sendAll(connection, "You asked: " + question + "\n\xff\x1b[31mred\r\nlast line without its end");
}
void neverAnswer(int connection) {
    char c;
    while (::recv(connection, &c, 1, 0) == 1) {
    } // until the client gives up and closes
}
void endlessData(int connection) {
    readLine(connection);
    const std::string lines(8192, 'x');
    while (::send(connection, (lines + "\n").data(), lines.size() + 1, MSG_NOSIGNAL) > 0) {
    }
}
void closeAtOnce(int) {}

struct Outcome {
    bool failed = false;
    std::string error;
    std::vector<std::string> lines;
};

class LineQueryTest : public ::testing::Test {
  protected:
    template <class Control> Outcome run(Control& control, const std::function<void()>& start) {
        bool done = false;
        control.Done = [&] { done = true; };
        control.setFailed(false);
        start();
        m_loop.runUntil([&] { return done; }, 20000);
        Outcome outcome{control.Failed(), control.lastError(), {}};
        for (int i = 0; i < control.LineCount(); ++i)
            outcome.lines.push_back(control.Line(i));
        return outcome;
    }
    Outcome finger(int port, const std::string& query, int verbose, int timeoutMs = 3000) {
        LinuxFinger control(m_loop, m_resolver, {.port = port, .timeoutMs = timeoutMs});
        return run(control, [&] {
            control.setHost("127.0.0.1");
            control.setQuery(query);
            control.setVerbose(verbose);
            control.setAction(1);
        });
    }
    Outcome whois(int port, const std::string& query, int timeoutMs = 3000,
                  const std::string& server = "127.0.0.1") {
        LinuxWhoIs control(m_loop, m_resolver, {.port = port, .timeoutMs = timeoutMs});
        return run(control, [&] {
            control.setServer(server);
            control.setQuery(query);
            control.Query();
        });
    }

    PollEventLoop m_loop;
    // Knows one name with two addresses, of which only 127.0.0.1 takes connections.
    LocalNameServer m_names{"127.0.0.2 duo.quillan.test\n127.0.0.1 duo.quillan.test\n"};
    AresResolver m_resolver{m_loop, {.servers = m_names.servers(), .timeoutMs = 1000, .tries = 1}};
};

} // namespace

// The netkit finger daemon, one per connection as inetd would start it.
TEST_F(LineQueryTest, fingerOfALocalUser_comesFromTheFingerDaemon) {
    const int port = freeLoopbackPort();
    ServerProcess socat({"/usr/bin/socat",
                         "TCP-LISTEN:" + std::to_string(port) + ",bind=127.0.0.1,reuseaddr,fork",
                         "EXEC:/usr/sbin/in.fingerd"});
    ASSERT_TRUE(acceptsConnections(port, 5000)) << "socat did not start on port " << port;
    for (int verbose : {0, 1}) {
        const Outcome outcome = finger(port, "root", verbose);
        ASSERT_FALSE(outcome.failed) << outcome.error;
        ASSERT_FALSE(outcome.lines.empty());
        EXPECT_EQ(outcome.lines[0].rfind("Login: root", 0), 0u) << outcome.lines[0];
    }
}

TEST_F(LineQueryTest, answersAndMisbehavingPeers_giveLinesFitToShowOrAFailureInWords) {
    ScriptedPeer echoing(answerWithTheQuestion), silent(neverAnswer), endless(endlessData),
        closing(closeAtOnce);
    const std::string replacement = "\xEF\xBF\xBD";
    const std::vector<std::string> echoed{"You asked: /W alice", replacement + replacement + "[31mred",
                                          "last line without its end"};

    Outcome verbose = finger(echoing.port(), "alice", 1);
    EXPECT_FALSE(verbose.failed) << verbose.error;
    EXPECT_EQ(verbose.lines, echoed);

    // A line break in the question cannot smuggle in a second one.
    Outcome asked = whois(echoing.port(), "example.com\r\nsecond");
    EXPECT_FALSE(asked.failed) << asked.error;
    ASSERT_FALSE(asked.lines.empty());
    EXPECT_EQ(asked.lines[0], "You asked: example.comsecond");

    Outcome flood = whois(endless.port(), "example.com");
    EXPECT_FALSE(flood.failed) << flood.error;
    EXPECT_LE(flood.lines.size(), LineAnswer::kMostLines + 1);
    EXPECT_LE(flood.lines.size() * 8192, LineAnswer::kMostBytes + 8192);
    EXPECT_EQ(flood.lines.back(), "[The answer was cut here: it is longer than 1 MiB or 10,000 lines.]");

    // The name server hands out the two addresses in turn: one of two queries meets the refusing one first.
    for (int i = 0; i < 2; ++i) {
        Outcome second = whois(echoing.port(), "example.com", 3000, "duo.quillan.test");
        EXPECT_FALSE(second.failed) << second.error;
    }

    const int closedPort = freeLoopbackPort();
    const std::vector<std::pair<Outcome, std::string>> failures{
        {whois(silent.port(), "example.com", 500), "no complete answer from 127.0.0.1 within"},
        {finger(closing.port(), "alice", 0), "127.0.0.1 closed the connection without answering"},
        {whois(closedPort, "example.com"), "Connection refused"},
    };
    for (const auto& [outcome, words] : failures) {
        EXPECT_TRUE(outcome.failed);
        EXPECT_TRUE(outcome.lines.empty());
        EXPECT_NE(outcome.error.find(words), std::string::npos) << outcome.error;
    }
}
