#pragma once

#include "AresResolver.h"
#include "TimeControl.h"
#include "runtime/EventLoop.h"

#include <cstdint>
#include <string>

namespace quillan {

struct SntpOptions {
    std::string host = kTimeServerHost;
    int port = 123;
    // From the start of the query, the lookup of the server included.
    int timeoutMs = 5000;
};

// The network time control: one SNTP request (RFC 4330) over UDP to the time server, answered on the
// event loop. Done(0) brings the server's UTC time; Done(1) a failure, told in lastError().
class SntpTime : public TimeControl {
  public:
    SntpTime(EventLoop& loop, AresResolver& resolver, SntpOptions options = {});
    ~SntpTime() override;
    SntpTime(const SntpTime&) = delete;
    SntpTime& operator=(const SntpTime&) = delete;

    std::string Host() override { return m_options.host; }
    // A query already under way is left to finish.
    void GetTime() override;
    std::string TimeText() override { return m_text; }

    const std::string& lastError() const { return m_error; }

  private:
    enum class State { Idle, Resolving, Waiting };
    void setState(State state);
    void send(const std::string& address);
    void readReply();
    void finish(const std::string& error);

    EventLoop& m_loop;
    AresResolver& m_resolver;
    SntpOptions m_options;
    State m_state = State::Idle;
    int m_socket = -1;
    EventLoop::Id m_watch = 0;
    EventLoop::Id m_timer = 0;
    std::uint64_t m_transmit = 0;
    std::string m_text;
    std::string m_error;
};

} // namespace quillan
