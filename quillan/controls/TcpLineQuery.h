#pragma once

#include "AresResolver.h"
#include "LineAnswer.h"
#include "runtime/EventLoop.h"

#include <functional>
#include <string>
#include <vector>

namespace quillan {

// One question line to a TCP server, its whole answer back as lines, until the server closes: the
// shape of finger (RFC 1288) and whois (RFC 3912). Every step is on the event loop: the lookup, a
// non-blocking connect, the send, the reads; a time-out bounds the whole query.
class TcpLineQuery {
  public:
    // error is empty on success.
    using Finished = std::function<void(const std::string& error)>;

    TcpLineQuery(EventLoop& loop, AresResolver& resolver, int timeoutMs);
    ~TcpLineQuery();
    TcpLineQuery(const TcpLineQuery&) = delete;
    TcpLineQuery& operator=(const TcpLineQuery&) = delete;

    // Ends a query still under way without calling its finished.
    void start(const std::string& host, int port, const std::string& question, Finished finished);
    const std::vector<std::string>& lines() const { return m_answer.lines(); }
    int lineCount() const { return static_cast<int>(lines().size()); }
    // Raises a ControlError for an index outside the answer, as an indexed property does.
    std::string line(int index) const;

  private:
    enum class State { Idle, Resolving, Connecting, Reading };
    // The one place the state changes; leaving for Idle releases the socket, watch and timer.
    void setState(State state);
    // Connects to the next address of the host; false when none is left.
    bool connectNext();
    void connected();
    // A connection that could not be made: the next address, else the failure in words.
    void connectFailed(const std::string& reason);
    void connectOrFail();
    void readAnswer();
    void finish(const std::string& error);

    EventLoop& m_loop;
    AresResolver& m_resolver;
    int m_timeoutMs;
    State m_state = State::Idle;
    // Tells a lookup's late answer from the query it belongs to.
    unsigned m_query = 0;
    std::string m_host;
    int m_port = 0;
    std::string m_question;
    std::vector<std::string> m_addresses;
    std::size_t m_nextAddress = 0;
    std::string m_lastConnectError;
    Finished m_finished;
    int m_socket = -1;
    EventLoop::Id m_watch = 0;
    EventLoop::Id m_timer = 0;
    LineAnswer m_answer;
};

} // namespace quillan
