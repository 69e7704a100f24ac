#include "SerialPort.h"

#include "DialStatus.h"
#include "LineHolder.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace quillan {

namespace {

constexpr std::pair<int, speed_t> kSpeeds[] = {
    {300, B300},       {1200, B1200},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

// The nearest standard rate not above the asked one.
speed_t baudFor(int speed) {
    speed_t chosen = B300;
    for (auto [rate, code] : kSpeeds)
        if (rate <= speed)
            chosen = code;
    return chosen;
}

constexpr int kWriteWaitMs = 2000;

std::string refusalToOpen(const std::string& device, int error, bool& busy) {
    if (error == EBUSY) {
        busy = true;
        std::string holder = lineHolder(device);
        return device + " is in use by " + (holder.empty() ? "another program" : holder) +
               "; end that program or wait until it is done";
    }
    if (error == EACCES || error == EPERM)
        return "you may not use " + device + ": " + DialStatus::joinGroup("dialout");
    return "cannot open " + device + ": " + std::strerror(error);
}

} // namespace

std::string SerialPort::open(const std::string& device, int speed, const std::filesystem::path& lockFolder) {
    close();
    m_busy = false;
    if (std::string refusal = m_lock.acquire(lockFolder, device); !refusal.empty()) {
        m_busy = true;
        return refusal;
    }
    int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        int error = errno;
        m_lock.release();
        return refusalToOpen(device, error, m_busy);
    }
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) {
        std::string why = device + " is not a serial line: " + std::strerror(errno);
        ::close(fd);
        m_lock.release();
        return why;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        int error = errno;
        ::close(fd);
        m_lock.release();
        return refusalToOpen(device, error == EWOULDBLOCK ? EBUSY : error, m_busy);
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD | HUPCL;
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, baudFor(speed));
    ::cfsetospeed(&tio, baudFor(speed));
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        std::string why = "cannot set up " + device + ": " + std::strerror(errno);
        ::close(fd);
        m_lock.release();
        return why;
    }
    ::tcflush(fd, TCIOFLUSH); // nothing left over from an earlier user of the line
    m_fd = fd;
    return "";
}

bool SerialPort::write(std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
        if (n > 0) {
            bytes.remove_prefix(static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            // Commands are short; a full output queue drains within the wait or the line is dead.
            pollfd p{m_fd, POLLOUT, 0};
            if (::poll(&p, 1, kWriteWaitMs) > 0 && !(p.revents & (POLLERR | POLLHUP)))
                continue;
        }
        return false;
    }
    return true;
}

std::string SerialPort::read(bool& eof) {
    eof = false;
    std::string data;
    char buffer[512];
    for (;;) {
        ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            data.append(buffer, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        eof = n == 0 || errno != EAGAIN;
        return data;
    }
}

bool SerialPort::carrierMaybeUp() const {
    int lines = 0;
    if (::ioctl(m_fd, TIOCMGET, &lines) != 0)
        return true;
    return (lines & TIOCM_CAR) != 0;
}

void SerialPort::dropDtr() {
    int lines = TIOCM_DTR;
    if (m_fd >= 0)
        ::ioctl(m_fd, TIOCMBIC, &lines); // ports without modem lines refuse; closing still hangs up
}

void SerialPort::close() {
    if (m_fd < 0)
        return;
    dropDtr();
    ::close(m_fd);
    m_fd = -1;
    m_lock.release();
}

} // namespace quillan
