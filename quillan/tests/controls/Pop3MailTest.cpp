#include "controls/Pop3Mail.h"
#include "DovecotServer.h"
#include "controls/MailServerAddress.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>

using namespace quillan;

namespace {

struct AddressCase {
    const char* typed;
    std::optional<std::string> address;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class MailServerAddressTest : public ::testing::TestWithParam<AddressCase> {};

// One mail control against the test's own POP3 server, shared by the cases because it takes a second to
// stop; only the count case delivers mail, after it has seen the mailbox empty.
class Pop3MailTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (::access(test::DovecotServer::kProgram, X_OK) == 0)
            s_server = std::make_unique<test::DovecotServer>();
    }
    static void TearDownTestSuite() { s_server.reset(); }

    void SetUp() override {
        if (!s_server)
            GTEST_SKIP() << "the POP3 server (dovecot-pop3d) is not installed";
        ASSERT_TRUE(s_server->ready()) << "the POP3 server did not start";
    }

    // Runs one action to its Done or AsyncError; the outcome is "done" or the error's reason.
    std::string run(Pop3Mail& mail, const std::string& server, const std::string& password, int action = 3) {
        std::optional<std::string> outcome;
        mail.Done = [&] { outcome = "done"; };
        mail.AsyncError = [&](const std::string& reason) { outcome = reason; };
        mail.setServer(server);
        mail.setUserName("alice");
        mail.setPassword(password);
        mail.setAction(action);
        EXPECT_FALSE(outcome) << "the control answered before the loop ran";
        m_loop.runUntil([&] { return outcome.has_value(); }, 20000);
        return outcome.value_or("no answer");
    }

    std::string local(int port) const { return "localhost:" + std::to_string(port); }

    static inline std::unique_ptr<test::DovecotServer> s_server;
    PollEventLoop m_loop;
};

} // namespace

TEST_P(MailServerAddressTest, becomesTheAddressOfItsServer) {
    EXPECT_EQ(mailServerAddress(GetParam().typed), GetParam().address) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(
    Typed, MailServerAddressTest,
    ::testing::Values(AddressCase{"mail.example.org", "pop3://mail.example.org/"},
                      AddressCase{" mail.example.org:1110 ", "pop3://mail.example.org:1110/"},
                      AddressCase{"mail.example.org:995", "pop3s://mail.example.org:995/"},
                      AddressCase{"POP3S://mail.example.org", "pop3s://mail.example.org/"},
                      AddressCase{"pop3://mail.example.org:2110/", "pop3://mail.example.org:2110/"},
                      AddressCase{"::1", "pop3://[::1]/"}, AddressCase{"[::1]:1110", "pop3://[::1]:1110/"},
                      AddressCase{"imap://mail.example.org", std::nullopt},
                      AddressCase{"mail.example.org:pop", std::nullopt},
                      AddressCase{"mail.example.org:70000", std::nullopt},
                      AddressCase{"mail example org", std::nullopt}, AddressCase{"", std::nullopt},
                      AddressCase{"mail.example.org/../x", std::nullopt}));

TEST_F(Pop3MailTest, theCountIsTheMailboxAtEachCheck_overStlsAndImplicitTls) {
    Pop3Mail mail(m_loop, {.caFile = s_server->caFile()});
    ASSERT_EQ(run(mail, local(s_server->plainPort()), "secret"), "done");
    EXPECT_EQ(mail.MessageCount(), 0);
    s_server->deliver(3);
    ASSERT_EQ(run(mail, local(s_server->plainPort()), "secret"), "done");
    EXPECT_EQ(mail.MessageCount(), 3);
    ASSERT_EQ(run(mail, "pop3s://localhost:" + std::to_string(s_server->tlsPort()), "secret"), "done");
    EXPECT_EQ(mail.MessageCount(), 3);
    if (test::hasIpv6Loopback()) {
        ASSERT_EQ(run(mail, "[::1]:" + std::to_string(s_server->plainPort()), "secret"), "done");
        EXPECT_EQ(mail.MessageCount(), 3);
    }
    EXPECT_EQ(run(mail, local(s_server->plainPort()), "secret", MailControl::kActionClose), "done");
}

TEST_F(Pop3MailTest, eachFailureSaysWhatWentWrong) {
    Pop3Mail trusting(m_loop, {.caFile = s_server->caFile()});
    EXPECT_NE(run(trusting, local(s_server->plainPort()), "wrong").find("refused the user name or password"),
              std::string::npos);
    EXPECT_NE(run(trusting, "localhost:" + std::to_string(test::freeLoopbackPort()), "secret")
                  .find("could not be reached"),
              std::string::npos);
    EXPECT_NE(run(trusting, "no such server!", "secret").find("is not the name of a POP3 mail server"),
              std::string::npos);

    Pop3Mail systemCertificates(m_loop);
    EXPECT_NE(
        run(systemCertificates, local(s_server->plainPort()), "secret").find("certificate is not trusted"),
        std::string::npos);
}

TEST(Pop3Mail, aServerThatSaysNothingTimesOut) {
    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listener, 1), 0);
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    MailOptions impatient;
    impatient.connectTimeoutMs = impatient.checkTimeoutMs = 300;
    PollEventLoop loop;
    Pop3Mail mail(loop, impatient);
    std::string reason;
    mail.AsyncError = [&](const std::string& why) { reason = why; };
    mail.setServer("127.0.0.1:" + std::to_string(ntohs(address.sin_port)));
    mail.setAction(MailControl::kActionCheck);
    loop.runUntil([&] { return !reason.empty(); }, 5000);
    EXPECT_NE(reason.find("did not answer in time"), std::string::npos) << reason;
    ::close(listener);
}
