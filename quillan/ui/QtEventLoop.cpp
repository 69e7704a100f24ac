#include "QtEventLoop.h"

#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>

namespace quillan {

QtEventLoop::~QtEventLoop() {
    for (auto& [id, source] : m_sources)
        delete source;
}

EventLoop::Id QtEventLoop::watch(int fd, int type, std::function<void()> callback) {
    auto* notifier = new QSocketNotifier(fd, static_cast<QSocketNotifier::Type>(type));
    QObject::connect(notifier, &QSocketNotifier::activated, [callback] { callback(); });
    m_sources[m_next] = notifier;
    return m_next++;
}

EventLoop::Id QtEventLoop::watchReadable(int fd, std::function<void()> callback) {
    return watch(fd, QSocketNotifier::Read, std::move(callback));
}

EventLoop::Id QtEventLoop::watchWritable(int fd, std::function<void()> callback) {
    return watch(fd, QSocketNotifier::Write, std::move(callback));
}

EventLoop::Id QtEventLoop::singleShot(int ms, std::function<void()> callback) {
    const Id id = m_next++;
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [this, id, callback] {
        drop(id);
        callback();
    });
    m_sources[id] = timer;
    timer->start(ms);
    return id;
}

EventLoop::Id QtEventLoop::repeating(int ms, std::function<void()> callback) {
    const Id id = m_next++;
    auto* timer = new QTimer;
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [callback] { callback(); });
    m_sources[id] = timer;
    timer->start(std::max(ms, 1));
    return id;
}

void QtEventLoop::drop(Id id) {
    auto it = m_sources.find(id);
    if (it == m_sources.end())
        return;
    if (auto* notifier = qobject_cast<QSocketNotifier*>(it->second))
        notifier->setEnabled(false);
    else if (auto* timer = qobject_cast<QTimer*>(it->second))
        timer->stop();
    it->second->deleteLater();
    m_sources.erase(it);
}

} // namespace quillan
