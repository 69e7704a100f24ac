#include "vmodem/PtyModemHost.h"
#include "runtime/PollEventLoop.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace quillan;

namespace {

// A dialer's side of the line, raw, as a serial port would be.
class Line {
  public:
    explicit Line(const std::string& path) : m_fd(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        termios tio{};
        ::tcgetattr(m_fd, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_fd, TCSANOW, &tio);
    }
    ~Line() { close(); }
    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    int fd() const { return m_fd; }
    void send(const std::string& text) {
        ASSERT_EQ(::write(m_fd, text.data(), text.size()), ssize_t(text.size()));
    }
    std::string take() {
        char buffer[512];
        ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "";
    }

  private:
    int m_fd;
};

class PtyModemHostTest : public ::testing::Test {
  protected:
    PtyModemHostTest() { script.timings = ModemTimings{0.0, 0.0, 1.0}; }
    // Sends a command and collects the answer up to its result line. The loop watches this side of
    // the line too, so it wakes when the answer arrives here, not only when the modem's side stirs.
    std::string exchange(Line& line, const std::string& text) {
        line.send(text);
        std::string heard;
        const EventLoop::Id watch = loop.watchReadable(line.fd(), [&] { heard += line.take(); });
        loop.runUntil([&] { return endsWithResultLine(heard); }, 2000);
        loop.unwatch(watch);
        return heard;
    }

    // An echo ends in a bare CR and a result starts with CR LF, so the answer is complete once a line
    // end closes a line with text in it.
    static bool endsWithResultLine(const std::string& heard) {
        const std::size_t n = heard.size();
        return n > 2 && heard.compare(n - 2, 2, "\r\n") == 0 && heard[n - 3] != '\r' && heard[n - 3] != '\n';
    }

    PollEventLoop loop;
    ModemScript script;
    PtyModemHost host{loop, script};
};

} // namespace

TEST_F(PtyModemHostTest, theLineAnswersLikeAModem) {
    Line line(host.linePath());
    EXPECT_EQ(exchange(line, "ATE0\r"), "ATE0\r\r\nOK\r\n");
    EXPECT_EQ(exchange(line, "ATDT1\r"), "\r\nCONNECT 33600\r\n");
    EXPECT_EQ(host.mode(), VirtualModem::Mode::Online);
}

TEST_F(PtyModemHostTest, closingTheLineHangsUp) {
    Line line(host.linePath());
    exchange(line, "ATE0DT1\r");
    ASSERT_EQ(host.mode(), VirtualModem::Mode::Online);
    line.close();
    EXPECT_TRUE(loop.runUntil([&] { return host.mode() == VirtualModem::Mode::Command; }, 2000));
}

TEST_F(PtyModemHostTest, aLineOpenedAgainAtOnceStillHangsUpFirst) {
    {
        Line line(host.linePath());
        exchange(line, "ATE0DT1\r");
        ASSERT_EQ(host.mode(), VirtualModem::Mode::Online);
    }
    Line again(host.linePath()); // before the modem has had a chance to see the close
    EXPECT_EQ(exchange(again, "AT\r"), "\r\nOK\r\n") << "taken for data of the earlier call";
}

TEST_F(PtyModemHostTest, theLineCanBeOpenedManyTimes) {
    for (int call = 0; call < 5; ++call) {
        Line line(host.linePath());
        EXPECT_EQ(exchange(line, "AT\r"), "AT\r\r\nOK\r\n") << call;
        line.close();
        loop.runUntil([] { return false; }, 5);
    }
}
