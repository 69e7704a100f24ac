#include "PollEventLoop.h"

#include <poll.h>

#include <algorithm>
#include <vector>

namespace quillan {

EventLoop::Id PollEventLoop::watch(int fd, short events, std::function<void()> callback) {
    Id id = m_nextId++;
    m_watches.emplace(id, Watch{fd, events, std::make_shared<std::function<void()>>(std::move(callback))});
    return id;
}

EventLoop::Id PollEventLoop::watchReadable(int fd, std::function<void()> callback) {
    return watch(fd, POLLIN, std::move(callback));
}

EventLoop::Id PollEventLoop::watchWritable(int fd, std::function<void()> callback) {
    return watch(fd, POLLOUT, std::move(callback));
}

void PollEventLoop::unwatch(Id id) {
    m_watches.erase(id);
}

EventLoop::Id PollEventLoop::schedule(int ms, bool repeat, std::function<void()> callback) {
    Id id = m_nextId++;
    auto period = std::chrono::milliseconds(std::max(ms, 0));
    m_shots.emplace(id, Shot{std::chrono::steady_clock::now() + period,
                             repeat ? period : std::chrono::milliseconds(0),
                             std::make_shared<std::function<void()>>(std::move(callback))});
    return id;
}

EventLoop::Id PollEventLoop::singleShot(int ms, std::function<void()> callback) {
    return schedule(ms, false, std::move(callback));
}

EventLoop::Id PollEventLoop::repeating(int ms, std::function<void()> callback) {
    // A zero period would spin; a repeating timer waits at least a millisecond.
    return schedule(std::max(ms, 1), true, std::move(callback));
}

void PollEventLoop::cancel(Id id) {
    m_shots.erase(id);
}

int PollEventLoop::waitMs(int maxWaitMs) const {
    int wait = maxWaitMs;
    auto now = std::chrono::steady_clock::now();
    for (const auto& [id, shot] : m_shots) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(shot.due - now).count();
        wait = std::min<int>(wait, static_cast<int>(std::max<decltype(left)>(left, 0)));
    }
    return std::max(wait, 0);
}

void PollEventLoop::runReady(int waitMs) {
    std::vector<pollfd> fds;
    std::vector<Id> ids;
    for (const auto& [id, watch] : m_watches) {
        fds.push_back(pollfd{watch.fd, watch.events, 0});
        ids.push_back(id);
    }
    int ready = ::poll(fds.data(), fds.size(), waitMs);
    if (ready <= 0)
        return;
    for (size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].revents == 0)
            continue;
        auto it = m_watches.find(ids[i]);
        if (it == m_watches.end())
            continue; // unwatched by an earlier callback of this round
        Callback callback = it->second.callback;
        (*callback)();
    }
}

void PollEventLoop::runDueShots() {
    auto now = std::chrono::steady_clock::now();
    std::vector<std::pair<TimePoint, Id>> due;
    for (const auto& [id, shot] : m_shots)
        if (shot.due <= now)
            due.emplace_back(shot.due, id);
    std::sort(due.begin(), due.end());
    for (const auto& [when, id] : due) {
        auto it = m_shots.find(id);
        if (it == m_shots.end())
            continue; // cancelled by an earlier callback
        Callback callback = it->second.callback;
        if (it->second.period.count() > 0)
            it->second.due =
                std::max(it->second.due + it->second.period, now); // a late loop does not catch up
        else
            m_shots.erase(it);
        (*callback)();
    }
}

void PollEventLoop::runOnce(int maxWaitMs) {
    runReady(waitMs(maxWaitMs));
    runDueShots();
}

bool PollEventLoop::runUntil(const std::function<bool()>& done, int maxMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
    while (!done()) {
        auto left =
            std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now()).count();
        if (left <= 0)
            return done();
        runOnce(static_cast<int>(left));
    }
    return true;
}

void PollEventLoop::run() {
    m_quit = false;
    while (!m_quit && !(m_shots.empty() && m_watches.empty()))
        runOnce(60000);
}

} // namespace quillan
