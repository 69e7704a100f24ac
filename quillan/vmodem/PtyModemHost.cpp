#include "PtyModemHost.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace quillan {

namespace {

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
    // The file system's notices of opening and closing the line tell every hang-up, even one the master
    // never shows because the line was opened again at once; and while nobody has the line open the master
    // reports a hang-up without end, so the next open is awaited through them too.
    m_notices = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_notices < 0 || ::inotify_add_watch(m_notices, m_linePath.c_str(), IN_OPEN | IN_CLOSE) < 0) {
        int error = errno;
        if (m_notices >= 0)
            ::close(m_notices);
        ::close(m_master);
        throw std::runtime_error(std::string("cannot watch the pseudo-terminal: ") + std::strerror(error));
    }
    m_watch = m_loop.watchReadable(m_master, [this] { readLine(); });
}

PtyModemHost::~PtyModemHost() {
    if (m_watch)
        m_loop.unwatch(m_watch);
    if (m_noticesWatch)
        m_loop.unwatch(m_noticesWatch);
    ::close(m_notices);
    ::close(m_master);
}

void PtyModemHost::readLine() {
    // A close noticed before this data was read belongs to an earlier call.
    if (takeNotices())
        m_modem.lineDropped();
    char buffer[512];
    ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n > 0) {
        m_modem.received(std::string_view(buffer, static_cast<size_t>(n)));
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // Nobody has the line open.
    m_loop.unwatch(m_watch);
    m_watch = 0;
    m_modem.lineDropped();
    checkReopened();
}

bool PtyModemHost::takeNotices() {
    bool closed = false;
    alignas(inotify_event) char notices[4096];
    ssize_t n = 0;
    while ((n = ::read(m_notices, notices, sizeof notices)) > 0) {
        for (ssize_t at = 0; at < n;) {
            const auto* notice = reinterpret_cast<const inotify_event*>(notices + at);
            closed = closed || (notice->mask & IN_CLOSE) != 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + notice->len);
        }
    }
    return closed;
}

void PtyModemHost::checkReopened() {
    if (takeNotices())
        m_modem.lineDropped();
    pollfd p{m_master, POLLIN, 0};
    ::poll(&p, 1, 0);
    if (p.revents & POLLHUP) {
        if (!m_noticesWatch)
            m_noticesWatch = m_loop.watchReadable(m_notices, [this] { checkReopened(); });
        return;
    }
    if (m_noticesWatch)
        m_loop.unwatch(m_noticesWatch);
    m_noticesWatch = 0;
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
