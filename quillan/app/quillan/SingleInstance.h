#pragma once

#include "QtEventLoop.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace quillan {

// One running Quillan per data folder. A second start hands over to the first, which brings its main
// console back: the way back when the console is hidden and no tray icon can be shown.
//
// The running one holds a lock beside its socket; the kernel lets the lock go with the process, so a
// socket left by a Quillan that was killed is known to be stale and taken over. The socket is a plain
// local stream socket watched on the program's event loop.
class SingleInstance {
  public:
    enum class Start {
        // No other Quillan runs on this data folder: this one goes on, and should listen.
        First,
        // Another one took the request to bring its console back: this one should end.
        HandedOver,
        // Another one runs but did not answer in time: this one should end too, or two would share the files.
        Unanswered,
    };

    explicit SingleInstance(const std::filesystem::path& dataDir);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Start handOver();
    // Listens for later starts; called with each one. Only after handOver answered First.
    void listen(std::function<void()> anotherStart);

    // The socket's path (in $XDG_RUNTIME_DIR, else in a folder of this user's own under the temporary
    // folder).
    const std::string& socketPath() const { return m_socketPath; }
    // Why there is no single-instance guard, or "" when there is one.
    const std::string& problem() const { return m_problem; }

  private:
    struct Caller {
        EventLoop::Id watch;
        std::string received;
    };

    void acceptCallers();
    void readFrom(int fd);
    void hangUp(int fd);

    std::string m_socketPath;
    std::string m_problem;
    int m_lock = -1;
    int m_listener = -1;
    EventLoop::Id m_listenWatch = 0;
    std::function<void()> m_anotherStart;
    std::map<int, Caller> m_callers;
    QtEventLoop m_loop;
};

} // namespace quillan
