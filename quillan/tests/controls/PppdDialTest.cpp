#include "DialerFixture.h"
#include "controls/ProcessEnder.h"

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
    EXPECT_NE(args.find("call quillan "), std::string::npos) << args;
    EXPECT_NE(args.find("ipparam Work"), std::string::npos) << args;
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

TEST_F(PppdDialTest, hangingUpStopsPppdOnTheEventLoop) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dial("Work"));
    pid_t pppd = std::stoi(folder.read("pid"));
    dialer->HangUp();
    EXPECT_FALSE(dialer->IsConnected());
    // Reaped by the dialer once it has ended: until then kill(0) still finds it.
    EXPECT_TRUE(loop.runUntil([pppd] { return ::kill(pppd, 0) != 0; }, 3000)) << "pppd still runs";
}

// A pppd that takes its time over SIGTERM (its down scripts) gets it; SIGKILL comes only after the grace.
TEST(ProcessEnderTest, termFirstThenKillAfterTheGraceWithoutBlocking) {
    PollEventLoop loop;
    test::TempFolder folder;
    std::filesystem::path stubborn = folder.write("stubborn", "#!/bin/sh\ntrap 'echo term > \"$0.term\"' TERM\n"
                                                              "while :; do sleep 0.05; done\n");
    ::chmod(stubborn.c_str(), 0700);
    ChildProcess child;
    ASSERT_EQ(child.start(stubborn.string(), {}, {}), "");
    pid_t pid = child.pid();
    ::usleep(100000); // the shell sets its trap
    ProcessEnder ender(loop, 300);
    auto before = std::chrono::steady_clock::now();
    ender.end(child.release());
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(100)) << "end() waited";
    EXPECT_TRUE(ender.ending(pid));
    EXPECT_TRUE(loop.runUntil([&] { return folder.read("stubborn.term") == "term\n"; }, 2000)) << "no SIGTERM";
    EXPECT_TRUE(loop.runUntil([&] { return !ender.ending(pid); }, 3000));
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(300)) << "killed before the grace";
    EXPECT_NE(::kill(pid, 0), 0);
}

TEST_F(PppdDialTest, aMissingPppdEndsTheDialWithTheReason) {
    options.pppdProgram = folder.path() / "no-such-pppd";
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: pppd is not installed (" + options.pppdProgram.string() +
                              "): install it with \"sudo apt install ppp\"");
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
