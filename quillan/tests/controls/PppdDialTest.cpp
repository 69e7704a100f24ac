#include "DialerFixture.h"

#include <sys/stat.h>

#include <fstream>
#include <signal.h>

using namespace quillan;
using quillan::test::DialerFixture;

namespace {

using States = std::vector<std::int16_t>;

// Stands in for pppd: records how it was started, then logs a link coming up and stays until ended.
const char* kFakePppd = R"(#!/bin/sh
here=$(dirname "$0")
printf '%s\n' "$*" > "$here/args"
env > "$here/env"
cat <&3 > "$here/password"
echo $$ > "$here/pid"
echo "Using interface ppp0"
echo "PAP authentication succeeded"
echo "local  IP address 10.0.0.2"
exec sleep 30
)";

class PppdDialTest : public DialerFixture {
protected:
    void useFakePppd() {
        options.pppdProgram = folder.write("pppd", kFakePppd);
        ::chmod(options.pppdProgram.c_str(), 0700);
    }
    void credentials() {
        dialer->setUserName("alice");
        dialer->setPassword("pa55-word");
        dialer->setDomain("CORP");
    }
};

} // namespace

TEST_F(PppdDialTest, pppdBringsTheLinkUpAfterTheModemConnects) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    credentials();
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, 2, 3, 5, 14, kStateConnected}));
    EXPECT_EQ(seen[4].text, "Authenticating with PPP");
    EXPECT_EQ(seen[5].text, "Authenticated");
    EXPECT_EQ(lastText(), "Connected");
    EXPECT_TRUE(dialer->IsConnected());
}

TEST_F(PppdDialTest, theUserGoesOnTheCommandLineAndThePasswordOnlyThroughADescriptor) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    credentials();
    ASSERT_TRUE(dial("Work"));
    std::string args = folder.read("args");
    EXPECT_NE(args.find("user CORP\\alice"), std::string::npos) << args;
    EXPECT_NE(args.find("linkname Work"), std::string::npos) << args;
    EXPECT_EQ(args.find("pa55-word"), std::string::npos);
    EXPECT_EQ(folder.read("env").find("pa55-word"), std::string::npos);
    EXPECT_EQ(folder.read("password"), "pa55-word");
}

TEST_F(PppdDialTest, pppdEndingAfterTheConnectionDropsTheLineWithoutProgress) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dial("Work"));
    ASSERT_TRUE(dialer->IsConnected());
    pid_t pppd = std::stoi(folder.read("pid"));
    ::kill(pppd, SIGTERM);
    ASSERT_TRUE(loop.runUntil([this] { return !dialer->IsConnected(); }, 5000));
    runFor(50);
    EXPECT_EQ(seen.back().state, kStateConnected);
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command) << "the line is hung up";
}

TEST_F(PppdDialTest, hangingUpStopsPppd) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dial("Work"));
    pid_t pppd = std::stoi(folder.read("pid"));
    dialer->HangUp();
    EXPECT_NE(::kill(pppd, 0), 0) << "pppd still runs";
    EXPECT_FALSE(dialer->IsConnected());
}

TEST_F(PppdDialTest, aMissingPppdEndsTheDialWithTheReason) {
    options.pppdProgram = folder.path() / "no-such-pppd";
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, 2, 3, kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: pppd could not be started: No such file or directory");
}

TEST_F(PppdDialTest, aPppdThatNeverBringsTheLinkUpTimesOut) {
    options.pppdProgram = folder.write("pppd", "#!/bin/sh\nexec sleep 30\n");
    ::chmod(options.pppdProgram.c_str(), 0700);
    options.timeouts.pppMs = 100;
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, 2, 3, 5, kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: pppd did not bring the link up in time");
}

// The system's own pppd on the virtual modem's line. Where the kernel has no PPP (or pppd may not run),
// pppd's own reason is the last status line.
TEST_F(PppdDialTest, theSystemsPppdReportsItsOwnReasonWhenItCannotRun) {
    if (!std::filesystem::exists("/usr/sbin/pppd"))
        GTEST_SKIP() << "pppd is not installed";
    if (std::filesystem::exists("/dev/ppp") && ::geteuid() == 0)
        GTEST_SKIP() << "pppd can run here, so it has no failure of its own to report";
    options.pppdProgram = "/usr/sbin/pppd";
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    credentials();
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{0, 1, 2, 3, 5, kStateDisconnected}));
    EXPECT_TRUE(lastText().starts_with("Disconnected: pppd: ")) << lastText();
    EXPECT_GT(lastText().size(), std::string("Disconnected: pppd: ").size() + 5) << lastText();
    if (!std::filesystem::exists("/dev/ppp")) {
        EXPECT_NE(lastText().find("/dev/ppp"), std::string::npos) << lastText();
    }
    EXPECT_FALSE(dialer->IsConnected());
}

TEST_F(PppdDialTest, aPasswordLongerThanPppdTakesIsRefusedBeforeTheLineIsTouched) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    // Longer than a pipe holds: written whole into pppd's descriptor it would wait for ever.
    dialer->setPassword(std::string(70000, 'p'));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{kStateDisconnected}));
    EXPECT_NE(lastText().find("longer than the 255 characters pppd can take"), std::string::npos) << lastText();
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command);
    dialer->setPassword(std::string(255, 'p'));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(seen.back().state, kStateConnected);
    EXPECT_EQ(folder.read("password"), std::string(255, 'p'));
}
