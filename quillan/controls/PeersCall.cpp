#include "PeersCall.h"

#include "DialStatus.h"
#include "controls/DialUpControl.h"

namespace quillan {

PeersCall::PeersCall(EventLoop& loop, ProcessEnder& ender, DialTrace& trace, PppdPlan plan, int timeoutMs,
                     Report report)
    : m_loop(loop), m_trace(trace), m_plan(std::move(plan)), m_timeoutMs(timeoutMs),
      m_report(std::move(report)),
      m_pppd(
          loop, ender,
          PppdSession::Events{[this] { reach(dialstate::kDeviceConnected, DialStatus::modemConnected("")); },
                              [this] { reach(dialstate::kAuthenticate, DialStatus::authenticating()); },
                              [this] { reach(dialstate::kAuthenticated, DialStatus::authenticated()); },
                              [this] {
                                  if (m_reached < dialstate::kAuthenticated)
                                      reach(dialstate::kAuthenticated, DialStatus::authenticated());
                                  if (m_timeout)
                                      m_loop.cancel(m_timeout);
                                  m_timeout = 0;
                                  m_up = true;
                                  m_report(kStateConnected, DialStatus::connected());
                              },
                              [this](const std::string& reason) {
                                  if (m_up)
                                      m_up = false; // the link went down: noticed by the connection scan
                                  else
                                      fail("pppd: " + reason);
                                  m_over = true;
                              }}) {
    m_pppd.logged = [this](std::string_view line) { m_trace.pppd(line); };
}

PeersCall::~PeersCall() {
    m_over = true;
    if (m_timeout)
        m_loop.cancel(m_timeout);
}

void PeersCall::start() {
    m_report(dialstate::kOpenPort, DialStatus::callingPeers(m_plan.peers));
    if (std::string error = m_pppd.start(m_plan, -1); !error.empty()) {
        fail("pppd could not be started: " + error);
        return;
    }
    m_timeout = m_loop.singleShot(m_timeoutMs, [this] {
        m_timeout = 0;
        m_pppd.stop();
        fail("pppd did not bring the link up in time");
    });
}

// States only go forward: pppd repeats some messages on a renegotiation.
void PeersCall::reach(std::int16_t state, const std::string& text) {
    if (m_over || m_up || state <= m_reached)
        return;
    m_reached = state;
    m_report(state, text);
}

void PeersCall::fail(const std::string& reason) {
    if (m_over)
        return;
    m_over = true;
    if (m_timeout)
        m_loop.cancel(m_timeout);
    m_timeout = 0;
    m_report(kStateDisconnected, DialStatus::disconnected(reason));
}

} // namespace quillan
