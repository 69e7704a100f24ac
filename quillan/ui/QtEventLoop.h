#pragma once

#include "runtime/EventLoop.h"

#include <QObject>

#include <map>

namespace quillan {

// Descriptor watches and timers on Qt's event loop.
class QtEventLoop : public EventLoop {
  public:
    QtEventLoop() = default;
    ~QtEventLoop() override;
    QtEventLoop(const QtEventLoop&) = delete;
    QtEventLoop& operator=(const QtEventLoop&) = delete;

    Id watchReadable(int fd, std::function<void()> callback) override;
    Id watchWritable(int fd, std::function<void()> callback) override;
    void unwatch(Id id) override { drop(id); }
    Id singleShot(int ms, std::function<void()> callback) override;
    Id repeating(int ms, std::function<void()> callback) override;
    void cancel(Id id) override { drop(id); }

  private:
    Id watch(int fd, int type, std::function<void()> callback);
    void drop(Id id);

    Id m_next = 1;
    // Notifiers and timers; each is deleted later, as it may be the one calling back.
    std::map<Id, QObject*> m_sources;
};

} // namespace quillan
