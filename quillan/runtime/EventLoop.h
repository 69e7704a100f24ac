#pragma once

#include <functional>

namespace quillan {

// The user-interface thread's loop, for controls that wait on descriptors or time without blocking.
// Callbacks run on that thread, between handlers; any callback may unwatch or cancel any source,
// itself included.
class EventLoop {
  public:
    using Id = int;
    virtual ~EventLoop() = default;
    // Calls back whenever fd is readable (or has hung up), until unwatched.
    virtual Id watchReadable(int fd, std::function<void()> callback) = 0;
    // Calls back whenever fd is writable (or has failed), until unwatched: a non-blocking connect
    // that completes, room in a pipe.
    virtual Id watchWritable(int fd, std::function<void()> callback) = 0;
    virtual void unwatch(Id id) = 0;
    // Calls back once after ms milliseconds, unless cancelled first.
    virtual Id singleShot(int ms, std::function<void()> callback) = 0;
    // Calls back every ms milliseconds until cancelled.
    virtual Id repeating(int ms, std::function<void()> callback) = 0;
    virtual void cancel(Id id) = 0;
};

} // namespace quillan
