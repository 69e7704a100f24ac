#pragma once

#include "EventLoop.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>

namespace quillan {

// An event loop on poll(2) for tests and programs without a window system. Single-threaded:
// callbacks may watch, unwatch, schedule and cancel (themselves included) freely.
class PollEventLoop : public EventLoop {
  public:
    Id watchReadable(int fd, std::function<void()> callback) override;
    Id watchWritable(int fd, std::function<void()> callback) override;
    void unwatch(Id id) override;
    Id singleShot(int ms, std::function<void()> callback) override;
    Id repeating(int ms, std::function<void()> callback) override;
    void cancel(Id id) override;

    // Waits at most maxWaitMs for a ready descriptor or a due timer and runs what is ready.
    void runOnce(int maxWaitMs);
    // Runs until done() holds or maxMs have passed; returns done().
    bool runUntil(const std::function<bool()>& done, int maxMs);
    // Runs until quit() is called from a callback or nothing is left to wait for.
    void run();
    void quit() { m_quit = true; }

  private:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Callback = std::shared_ptr<std::function<void()>>;
    struct Watch {
        int fd;
        short events;
        Callback callback;
    };
    struct Shot {
        TimePoint due;
        std::chrono::milliseconds period; // zero for a single shot
        Callback callback;
    };

    Id watch(int fd, short events, std::function<void()> callback);
    Id schedule(int ms, bool repeat, std::function<void()> callback);

    int waitMs(int maxWaitMs) const;
    void runReady(int waitMs);
    void runDueShots();

    Id m_nextId = 1;
    std::map<Id, Watch> m_watches;
    std::map<Id, Shot> m_shots;
    bool m_quit = false;
};

} // namespace quillan
