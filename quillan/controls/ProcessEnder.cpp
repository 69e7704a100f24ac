#include "ProcessEnder.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace quillan {

namespace {

constexpr int kCheckMs = 50;

// True once the child has ended and been reaped (by anyone).
bool reaped(pid_t pid) {
    int status = 0;
    pid_t done = ::waitpid(pid, &status, WNOHANG);
    return done == pid || (done < 0 && errno == ECHILD);
}

void kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

ProcessEnder::~ProcessEnder() {
    if (m_check)
        m_loop.cancel(m_check);
    // The program is ending and its windows are gone: what still runs gets the rest of its grace here.
    for (int waited = 0; !m_ending.empty(); waited += kCheckMs) {
        std::erase_if(m_ending, [](const Ending& ending) { return reaped(ending.pid); });
        if (m_ending.empty())
            break;
        if (waited + m_ending.front().waitedMs >= m_graceMs) {
            for (const Ending& ending : m_ending)
                kill(ending.pid);
            break;
        }
        ::usleep(kCheckMs * 1000);
    }
}

void ProcessEnder::end(pid_t pid) {
    if (pid <= 0)
        return;
    ::kill(pid, SIGTERM);
    if (reaped(pid))
        return;
    m_ending.push_back(Ending{pid, 0});
    if (!m_check)
        m_check = m_loop.singleShot(kCheckMs, [this] { check(); });
}

bool ProcessEnder::ending(pid_t pid) const {
    return std::any_of(m_ending.begin(), m_ending.end(), [pid](const Ending& e) { return e.pid == pid; });
}

void ProcessEnder::check() {
    m_check = 0;
    std::erase_if(m_ending, [this](Ending& ending) {
        if (reaped(ending.pid))
            return true;
        ending.waitedMs += kCheckMs;
        if (ending.waitedMs < m_graceMs)
            return false;
        kill(ending.pid);
        return true;
    });
    if (!m_ending.empty())
        m_check = m_loop.singleShot(kCheckMs, [this] { check(); });
}

} // namespace quillan
