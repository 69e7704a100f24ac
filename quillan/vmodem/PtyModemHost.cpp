#include "PtyModemHost.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace quillan {

namespace {

// While nobody has the line open the master reports a hang-up without end, so it is looked at
// this often instead of watched.
constexpr int kReopenCheckMs = 5;

int openMaster(std::string& path) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0)
        throw std::runtime_error(std::string("no pseudo-terminal: ") + std::strerror(errno));
    char name[128];
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 || ::ptsname_r(master, name, sizeof name) != 0) {
        int error = errno;
        ::close(master);
        throw std::runtime_error(std::string("cannot prepare the pseudo-terminal: ") + std::strerror(error));
    }
    path = name;
    return master;
}

} // namespace

PtyModemHost::PtyModemHost(EventLoop& loop, ModemScript& script)
    : m_loop(loop), m_master(openMaster(m_linePath)),
      m_modem(loop, script, [this](std::string_view bytes) { write(bytes); }) {
    m_watch = m_loop.watchReadable(m_master, [this] { readLine(); });
}

PtyModemHost::~PtyModemHost() {
    if (m_watch)
        m_loop.unwatch(m_watch);
    if (m_reopenCheck)
        m_loop.cancel(m_reopenCheck);
    ::close(m_master);
}

void PtyModemHost::readLine() {
    char buffer[512];
    ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n > 0) {
        m_modem.received(std::string_view(buffer, static_cast<size_t>(n)));
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // The dialer closed the line.
    m_loop.unwatch(m_watch);
    m_watch = 0;
    m_modem.lineDropped();
    m_reopenCheck = m_loop.singleShot(kReopenCheckMs, [this] { awaitReopen(); });
}

void PtyModemHost::awaitReopen() {
    pollfd p{m_master, POLLIN, 0};
    ::poll(&p, 1, 0);
    if (p.revents & POLLHUP) {
        m_reopenCheck = m_loop.singleShot(kReopenCheckMs, [this] { awaitReopen(); });
        return;
    }
    m_reopenCheck = 0;
    m_watch = m_loop.watchReadable(m_master, [this] { readLine(); });
}

void PtyModemHost::write(std::string_view bytes) {
    // Replies are short; when nobody reads them they are lost, as on a real line.
    while (!bytes.empty()) {
        ssize_t n = ::write(m_master, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
}

} // namespace quillan
