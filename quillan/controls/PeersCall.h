#pragma once

#include "DialCall.h"
#include "DialTrace.h"
#include "PppdSession.h"
#include "runtime/EventLoop.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace quillan {

// A call through one of the system's own pppd peers files, as `pon NAME` places it: the peers file names
// the line and its chat script talks to the modem; pppd's messages become the connection states.
class PeersCall : public DialCall {
  public:
    using Report = std::function<void(std::int16_t state, const std::string& text)>;

    PeersCall(EventLoop& loop, ProcessEnder& ender, DialTrace& trace, PppdPlan plan, int timeoutMs,
              Report report);
    ~PeersCall() override;
    PeersCall(const PeersCall&) = delete;
    PeersCall& operator=(const PeersCall&) = delete;

    void start() override;
    bool isUp() const override { return m_up; }
    pid_t pppdPid() const override { return m_pppd.pid(); }

  private:
    void reach(std::int16_t state, const std::string& text);
    void fail(const std::string& reason);

    EventLoop& m_loop;
    DialTrace& m_trace;
    PppdPlan m_plan;
    int m_timeoutMs;
    Report m_report;
    PppdSession m_pppd;
    EventLoop::Id m_timeout = 0;
    std::int16_t m_reached = -1;
    bool m_up = false;
    bool m_over = false;
};

} // namespace quillan
