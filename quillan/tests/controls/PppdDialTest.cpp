#include "DialerFixture.h"
#include "controls/ProcessEnder.h"

#include "controls/DialStatus.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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
    std::filesystem::path stubborn =
        folder.write("stubborn", "#!/bin/sh\ntrap 'echo term > \"$0.term\"' TERM\n"
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
    EXPECT_TRUE(loop.runUntil([&] { return folder.read("stubborn.term") == "term\n"; }, 2000))
        << "no SIGTERM";
    EXPECT_TRUE(loop.runUntil([&] { return !ender.ending(pid); }, 3000));
    EXPECT_GE(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(300))
        << "killed before the grace";
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

// A peers file of the user's own: pppd runs its chat script and opens the line; its messages are the states.
const char* kPeersPppd = R"(#!/bin/sh
here=$(dirname "$0")
printf '%s\n' "$*" > "$here/args"
echo $$ > "$here/pid"
echo "Serial connection established."
echo "Using interface ppp0"
echo "Connect: ppp0 <--> /dev/ttyS0"
echo "CHAP authentication succeeded"
echo "local  IP address 10.0.0.2"
exec sleep 30
)";

TEST_F(PppdDialTest, aSystemPeersEntryIsDialedAsPonWouldWithPppdsMessagesAsStates) {
    options.pppdProgram = folder.write("pppd", kPeersPppd);
    ::chmod(options.pppdProgram.c_str(), 0700);
    folder.write("peers/provider",
                 "/dev/ttyS0\nconnect \"/usr/sbin/chat -v -f /etc/chatscripts/provider\"\n");
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    dialer->setEntryName("provider");
    credentials();
    ASSERT_TRUE(dialAgain("provider"));
    EXPECT_EQ(states(), (States{0, 3, 5, 14, kStateConnected}));
    EXPECT_EQ(seen[0].text, "Calling provider with pppd");
    EXPECT_EQ(folder.read("args"), "call provider nodetach logfd 2\n");
    EXPECT_TRUE(dialer->IsConnected());
    pid_t pppd = std::stoi(folder.read("pid"));
    dialer->HangUp();
    EXPECT_FALSE(dialer->IsConnected());
    EXPECT_TRUE(loop.runUntil([pppd] { return ::kill(pppd, 0) != 0; }, 3000)) << "pppd still runs";
}

TEST_F(PppdDialTest, aSystemPeersCallThatFailsEndsWithPppdsReasonInPlainWords) {
    options.pppdProgram = folder.write("pppd", "#!/bin/sh\necho 'Connect script failed'\nexit 8\n");
    ::chmod(options.pppdProgram.c_str(), 0700);
    folder.write("peers/provider", "");
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    ASSERT_TRUE(dialAgain("provider"));
    EXPECT_EQ(states(), (States{0, kStateDisconnected}));
    EXPECT_EQ(lastText(), "Disconnected: pppd: Connect script failed (the connect script failed)");
}

// What a user sees with --trace: the modem dialogue, the states and pppd's lines, never the password.
TEST_F(PppdDialTest, theTraceShowsTheDialogueStatesAndPppdWithThePasswordMasked) {
    options.pppdProgram = folder.write("pppd", "#!/bin/sh\necho \"PAP password $(cat <&3) sent\"\n"
                                               "echo 'local  IP address 10.0.0.2'\nexec sleep 30\n");
    ::chmod(options.pppdProgram.c_str(), 0700);
    std::vector<std::string> trace;
    options.trace = [&trace](std::string_view line) { trace.emplace_back(line); };
    makeDialer(onModem("Work", "5550100", "PPP=yes\n"));
    credentials();
    ASSERT_TRUE(dial("Work"));
    auto has = [&trace](const std::string& text) {
        return std::any_of(trace.begin(), trace.end(), [&](const std::string& l) { return l == text; });
    };
    EXPECT_TRUE(has("modem <- ATDT5550100\\r"));
    EXPECT_TRUE(std::any_of(trace.begin(), trace.end(), [](const std::string& l) {
        return l.starts_with("modem -> ") && l.find("CONNECT") != std::string::npos;
    }));
    EXPECT_TRUE(std::any_of(trace.begin(), trace.end(),
                            [](const std::string& l) { return l.starts_with("state 3: Modem connected"); }));
    EXPECT_TRUE(has("pppd: PAP password ******** sent"));
    EXPECT_TRUE(has("state 8192: Connected"));
    for (const std::string& line : trace)
        EXPECT_EQ(line.find("pa55-word"), std::string::npos) << line;
}

// The system's own pppd, run as Debian's users run it: by a user who is not root, through a root-owned
// peers file. A throwaway user in dip gets past pppd's option checks to this machine's own refusal; a
// user outside dip is told in plain words what to do.
class SystemPppdAsUser : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "making a throwaway user needs root";
        if (!std::filesystem::exists("/usr/sbin/pppd") || !std::filesystem::is_directory("/etc/ppp/peers"))
            GTEST_SKIP() << "pppd is not installed";
        if (std::filesystem::exists("/dev/ppp"))
            GTEST_SKIP() << "this kernel has PPP, so pppd has no refusal of its own to report";
        m_user = "qlntest" + std::to_string(::getpid());
        ASSERT_EQ(run("useradd --system --no-create-home --shell /usr/sbin/nologin " + m_user), 0);
        m_peers = "quillan-test-" + std::to_string(::getpid());
        m_peersFile = std::filesystem::path("/etc/ppp/peers") / m_peers;
        std::filesystem::copy_file(QUILLAN_PEERS_FILE, m_peersFile);
        ASSERT_EQ(::chown(m_peersFile.c_str(), 0, dipGroup()), 0);
        ::chmod(m_peersFile.c_str(), 0640);
        passwd* user = ::getpwnam(m_user.c_str());
        ASSERT_NE(user, nullptr);
        m_uid = user->pw_uid;
        m_gid = user->pw_gid;
        ASSERT_EQ(::chown(m_folder.path().c_str(), m_uid, m_gid), 0);
    }
    void TearDown() override {
        if (!m_peersFile.empty())
            std::filesystem::remove(m_peersFile);
        if (!m_user.empty())
            run("userdel " + m_user);
    }
    static int run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()); }
    static gid_t dipGroup() {
        group* dip = ::getgrnam("dip");
        return dip ? dip->gr_gid : 0;
    }

    // Dials a PPP entry on a virtual modem in a child that has become the user, and returns the last status
    // line.
    std::string dialAsUser(bool inDip) {
        int result[2];
        if (::pipe(result) != 0)
            return "no pipe";
        pid_t child = ::fork();
        if (child == 0) {
            ::close(result[0]);
            std::vector<gid_t> groups;
            if (inDip)
                groups.push_back(dipGroup());
            if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(m_gid) != 0 ||
                ::setuid(m_uid) != 0)
                ::_exit(3);
            std::string last = lastLineOfADial();
            ssize_t ignored = ::write(result[1], last.data(), last.size());
            (void)ignored;
            ::_exit(0);
        }
        ::close(result[1]);
        std::string text;
        char buffer[512];
        for (ssize_t n; (n = ::read(result[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<size_t>(n));
        ::close(result[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        return text;
    }

    std::string lastLineOfADial() {
        PollEventLoop loop;
        ModemScript script;
        script.timings = ModemTimings{0.0, 0.0, 0.05};
        PtyModemHost modem(loop, script);
        LinuxDialUpOptions options;
        options.phonebook = m_folder.path() / "phonebook.ini";
        std::ofstream(options.phonebook)
            << "[Work]\nPhoneNumber=1\nDevice=" << modem.linePath() << "\nPPP=yes\n";
        options.pppdRunFolder = m_folder.path();
        options.lockFolder = m_folder.path();
        options.ownPeers = m_peers;
        LinuxDialUp dialer(loop, options);
        std::vector<std::int16_t> states;
        dialer.Progress = [&](std::int16_t state) { states.push_back(state); };
        dialer.setEntryName("Work");
        dialer.LoadEntry();
        dialer.setUserName("alice");
        dialer.setPassword("pa55-word");
        dialer.Dial();
        loop.runUntil([&] { return !states.empty() && states.back() == kStateDisconnected; }, 15000);
        return states.empty() ? "no progress" : std::to_string(states.back()) + " " + dialer.StatusText();
    }

    test::TempFolder m_folder;
    std::string m_user;
    std::string m_peers;
    std::filesystem::path m_peersFile;
    uid_t m_uid = 0;
    gid_t m_gid = 0;
};

TEST_F(SystemPppdAsUser, aMemberOfDipGetsPastPppdsOptionChecksToTheKernelsRefusal) {
    std::string last = dialAsUser(true);
    EXPECT_TRUE(last.starts_with("8193 Disconnected: pppd: ")) << last;
    EXPECT_NE(last.find("/dev/ppp"), std::string::npos) << last;
    EXPECT_NE(last.find("(this system lacks kernel support for PPP)"), std::string::npos) << last;
    EXPECT_EQ(last.find("privilege"), std::string::npos) << last;
}

TEST_F(SystemPppdAsUser, aUserOutsideDipIsToldHowToJoinIt) {
    EXPECT_EQ(dialAsUser(false), "8193 Disconnected: you may not run pppd: " + DialStatus::joinGroup("dip"));
}

TEST_F(PppdDialTest, aPasswordLongerThanPppdTakesIsRefusedBeforeTheLineIsTouched) {
    useFakePppd();
    makeDialer(onModem("Work", "1", "PPP=yes\n"));
    // Longer than a pipe holds: written whole into pppd's descriptor it would wait for ever.
    dialer->setPassword(std::string(70000, 'p'));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (States{kStateDisconnected}));
    EXPECT_NE(lastText().find("longer than the 255 characters pppd can take"), std::string::npos)
        << lastText();
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command);
    dialer->setPassword(std::string(255, 'p'));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(seen.back().state, kStateConnected);
    EXPECT_EQ(folder.read("password"), std::string(255, 'p'));
}
