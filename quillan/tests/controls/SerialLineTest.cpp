#include "DialerFixture.h"
#include "controls/ModemManagerHint.h"
#include "controls/UucpLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

using namespace quillan;
using quillan::test::DialerFixture;

namespace {

class SerialLineTest : public DialerFixture {
  protected:
    ~SerialLineTest() override {
        if (m_holder > 0) {
            ::kill(m_holder, SIGKILL);
            ::waitpid(m_holder, nullptr, 0);
        }
    }
    std::filesystem::path lockFile() const { return folder.path() / UucpLock::fileName(modem->linePath()); }
    void writeLock(pid_t pid) {
        char text[16];
        std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
        folder.write(lockFile().filename().string(), text);
    }
    pid_t startHolder() {
        m_holder = ::fork();
        if (m_holder == 0) {
            ::execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        while (UucpLock::describe(m_holder).starts_with("quillan"))
            ::usleep(2000);
        return m_holder;
    }
    pid_t m_holder = -1;
};

} // namespace

TEST_F(SerialLineTest, aLineLockedByALiveProgramIsRefusedNamingIt) {
    pid_t holder = startHolder();
    writeLock(holder);
    makeDialer(onModem("Work", "1"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_EQ(states(), (std::vector<std::int16_t>{0, kStateDisconnected}));
    std::string expected = "Disconnected: " + modem->linePath() + " is in use by sleep (process " +
                           std::to_string(holder) + "); end that program or wait until it is done";
    EXPECT_TRUE(lastText().starts_with(expected)) << lastText();
    EXPECT_EQ(modem->mode(), VirtualModem::Mode::Command);
}

TEST_F(SerialLineTest, aStaleLockIsTakenOverAndTheCallsLockGoesWithIt) {
    pid_t gone = startHolder();
    ::kill(gone, SIGKILL);
    ::waitpid(gone, nullptr, 0);
    m_holder = -1;
    writeLock(gone);
    makeDialer(onModem("Work", "1"));
    ASSERT_TRUE(dial("Work"));
    ASSERT_EQ(seen.back().state, kStateConnected) << lastText();
    char own[16];
    std::snprintf(own, sizeof own, "%10d\n", static_cast<int>(::getpid()));
    EXPECT_EQ(folder.read(lockFile().filename().string()), own);
    dialer->HangUp();
    EXPECT_FALSE(std::filesystem::exists(lockFile()));
}

TEST_F(SerialLineTest, aLineAnotherProgramHoldsOpenIsBusyAndFreeOnceItLetsGo) {
    int other = ::open(modem->linePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    makeDialer(onModem("Work", "1"));
    ASSERT_TRUE(dial("Work"));
    EXPECT_TRUE(
        lastText().starts_with("Disconnected: " + modem->linePath() + " is in use by another program"))
        << lastText();
    EXPECT_FALSE(std::filesystem::exists(lockFile())) << "a refused call keeps no lock";
    ::close(other);
    ASSERT_TRUE(dialAgain("Work"));
    EXPECT_EQ(seen.back().state, kStateConnected) << lastText();
}

TEST(ModemManagerHintTest, givenOnlyWhileModemManagerRuns) {
    test::TempFolder processes;
    std::filesystem::create_directories(processes.path() / "1");
    processes.write("1/comm", "systemd\n");
    EXPECT_EQ(modemManagerHint(processes.path()), "");
    std::filesystem::create_directories(processes.path() / "812");
    processes.write("812/comm", "ModemManager\n");
    std::string hint = modemManagerHint(processes.path());
    EXPECT_NE(hint.find("ENV{ID_MM_DEVICE_IGNORE}=\"1\""), std::string::npos) << hint;
    EXPECT_NE(hint.find("/etc/udev/rules.d"), std::string::npos) << hint;
}
