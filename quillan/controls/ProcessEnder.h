#pragma once

#include "runtime/EventLoop.h"

#include <sys/types.h>

#include <vector>

namespace quillan {

// Ends programs the way a daemon expects: SIGTERM, then time on the event loop to finish its own work
// (pppd ends the link and runs its down scripts), SIGKILL only when that time is up. Nothing waits on the
// user-interface thread while they end; when this object goes (the program ends), what still runs gets
// the rest of its grace there and is then killed.
class ProcessEnder {
  public:
    static constexpr int kGraceMs = 5000;

    ProcessEnder(EventLoop& loop, int graceMs = kGraceMs) : m_loop(loop), m_graceMs(graceMs) {}
    ~ProcessEnder();
    ProcessEnder(const ProcessEnder&) = delete;
    ProcessEnder& operator=(const ProcessEnder&) = delete;

    // Takes over a started child: asks it to end and reaps it once it has.
    void end(pid_t pid);
    bool ending(pid_t pid) const;

  private:
    struct Ending {
        pid_t pid;
        int waitedMs;
    };
    void check();

    EventLoop& m_loop;
    int m_graceMs;
    std::vector<Ending> m_ending;
    EventLoop::Id m_check = 0;
};

} // namespace quillan
